#pragma once

// Checks shared by the control tests: settings read back by property name and
// pictures of a control.

#include <QImage>
#include <QPixmap>
#include <QVariant>
#include <QWidget>
#include <gtest/gtest.h>

namespace controls_test {

inline QPixmap solidImage(const QColor &colour, const QSize &size = QSize(16, 16))
{
    QPixmap image(size);
    image.fill(colour);
    return image;
}

// A declared (not dynamic) property that reads back what the setter stored.
inline void expectProperty(const QObject &object, const char *name, const QVariant &expected)
{
    EXPECT_GE(object.metaObject()->indexOfProperty(name), 0) << name << " is not declared";
    const QVariant actual = object.property(name);
    if (expected.userType() == QMetaType::QPixmap)
        EXPECT_EQ(actual.value<QPixmap>().cacheKey(), expected.value<QPixmap>().cacheKey()) << name;
    else
        EXPECT_EQ(actual, expected) << name;
}

inline QImage picture(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // Without the window background, so what the control itself paints shows.
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline QColor pixelAt(QWidget &widget, const QPoint &point)
{
    return picture(widget).pixelColor(point);
}

} // namespace controls_test
