// Every control sized and painted at the edges of what a host may set: a
// geometry at the ends of int, sizes of 0 and of QWIDGETSIZE_MAX, every whole-
// number property at its extremes. What this catches shows under the
// undefined-behaviour sanitizer (signed overflow) or as a crash.

#include "controls/zel_controls.h"

#include "control_checks.h"

#include <QMetaProperty>

#include <climits>
#include <functional>
#include <memory>

using namespace controls_test;

namespace {

using Factory = std::function<QWidget *()>;

template <typename W>
Factory make()
{
    return [] { return new W; };
}

const std::vector<std::pair<const char *, Factory>> &controls()
{
    static const std::vector<std::pair<const char *, Factory>> all = {
        {"ZelAnimationCtrl", make<ZelAnimationCtrl>()},
        {"ZelBacking", make<ZelBacking>()},
        {"zelCalendarWidget", make<zelCalendarWidget>()},
        {"ZelCheckBox", make<ZelCheckBox>()},
        {"zelColorPaletteCtrl", make<zelColorPaletteCtrl>()},
        {"ZelComboBox", make<ZelComboBox>()},
        {"zelCompass", make<zelCompass>()},
        {"zelCoordEntryWidget", make<zelCoordEntryWidget>()},
        {"ZelHorizontalSlider", make<ZelHorizontalSlider>()},
        {"ZelIcon", make<ZelIcon>()},
        {"zelInputWidget", make<zelInputWidget>()},
        {"zelKBContainer", make<zelKBContainer>()},
        {"zelKeyButton", make<zelKeyButton>()},
        {"ZelList", make<ZelList>()},
        {"ZelMapControl", make<ZelMapControl>()},
        {"ZelNorthUpWidget", make<ZelNorthUpWidget>()},
        {"ZelProgressBar", make<ZelProgressBar>()},
        {"ZelPushButton", make<ZelPushButton>()},
        {"ZelPushCheckBox", make<ZelPushCheckBox>()},
        {"ZelPushRadioButton", make<ZelPushRadioButton>()},
        {"zelSatelliteView", make<zelSatelliteView>()},
        {"ZelScrollArea", make<ZelScrollArea>()},
        {"zelSimpleGraphView", make<zelSimpleGraphView>()},
        {"ZelStatusIndicator", make<ZelStatusIndicator>()},
        {"ZelStringVerticalSpinBox", make<ZelStringVerticalSpinBox>()},
        {"zelStripCompass", make<zelStripCompass>()},
        {"ZelTextArea", make<ZelTextArea>()},
        {"ZelTextBox", make<ZelTextBox>()},
        {"ZelVerticalSpinBox", make<ZelVerticalSpinBox>()},
        {"ZelVirtualList", make<ZelVirtualList>()},
        {"ZelWidget", make<ZelWidget>()},
    };
    return all;
}

// Pictures and texts in every picture and text property, so that painting
// reaches the code that places them.
void furnish(QWidget &widget)
{
    const QMetaObject *meta = widget.metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable())
            continue;
        if (property.userType() == QMetaType::QPixmap)
            property.write(&widget, solidImage(Qt::red, QSize(12, 9)));
        else if (property.userType() == QMetaType::QString)
            property.write(&widget, QStringLiteral("Text 12"));
        else if (property.userType() == QMetaType::Bool)
            property.write(&widget, true);
    }
}

// Sized, hinted and painted into a small picture whatever its own size.
void exercise(QWidget &widget)
{
    widget.sizeHint();
    widget.minimumSizeHint();
    QImage image(64, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(0, 0, 64, 48), QWidget::DrawChildren);
}

} // namespace

TEST(ExtremeValues, ControlsPaintAndSizeAtAnyGeometry)
{
    // Not QRects: a QRect at these places overflows in its own constructor.
    struct Place {
        int x, y, width, height;
    };
    const Place places[] = {
        {INT_MIN, INT_MIN, 0, 0},  {INT_MIN, 0, 40, 30}, {INT_MAX - 5, INT_MAX - 5, 0, 0},
        {INT_MAX - 10, 0, 40, 30}, {0, 0, 0, 0},         {0, 0, 1, 1},
        {-20, -20, 40, 30},
    };
    for (const auto &control : controls()) {
        SCOPED_TRACE(control.first);
        std::unique_ptr<QWidget> widget(control.second());
        furnish(*widget);
        for (const Place &place : places) {
            widget->move(place.x, place.y);
            widget->resize(place.width, place.height);
            exercise(*widget);
        }
        widget->resize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        exercise(*widget);
    }
}

TEST(ExtremeValues, ControlsPaintAndSizeAtAnyNumberTheirPropertiesTake)
{
    const int numbers[] = {INT_MIN, -1, 0, 1, INT_MAX};
    for (const auto &control : controls()) {
        SCOPED_TRACE(control.first);
        std::unique_ptr<QWidget> widget(control.second());
        furnish(*widget);
        widget->setGeometry(0, 0, 60, 40);
        const QMetaObject *meta = widget->metaObject();
        for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.isWritable() || property.isEnumType()
                || (property.userType() != QMetaType::Int && property.userType() != QMetaType::QPoint
                    && property.userType() != QMetaType::QSize))
                continue;
            SCOPED_TRACE(property.name());
            const QVariant before = property.read(widget.get());
            for (const int number : numbers) {
                if (property.userType() == QMetaType::Int)
                    property.write(widget.get(), number);
                else if (property.userType() == QMetaType::QPoint)
                    property.write(widget.get(), QPoint(number, number));
                else
                    property.write(widget.get(), QSize(number, number));
                exercise(*widget);
            }
            property.write(widget.get(), before);
        }
    }
}
