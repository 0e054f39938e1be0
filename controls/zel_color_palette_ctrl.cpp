#include "controls/zel_color_palette_ctrl.h"

#include "controls/zel_painting.h"

#include <QPainter>

zelColorPaletteCtrl::zelColorPaletteCtrl(QWidget *parent)
    : QWidget(parent)
{
}

void zelColorPaletteCtrl::setPaletteValues(const QStringList &values)
{
    m_values = values;
    update();
}

QVector<QColor> zelColorPaletteCtrl::colors() const
{
    QVector<QColor> colours;
    colours.reserve(m_values.size());
    for (const QString &value : m_values) {
        // QColor would also take three-digit and named colours; the palette does not.
        const QString name = QLatin1Char('#') + value;
        colours.append(value.size() == 6 && QColor::isValidColor(name) ? QColor(name) : QColor());
    }
    return colours;
}

QRect zelColorPaletteCtrl::swatchRect(int index) const
{
    constexpr int columns = 3;
    constexpr int gap = 3;
    if (index < 0 || index >= m_values.size())
        return QRect();
    const int rows = (m_values.size() + columns - 1) / columns;
    const int cellWidth = zel::areaOf(*this).width() / columns;
    const int cellHeight = zel::areaOf(*this).height() / rows;
    const QRect cell((index % columns) * cellWidth, (index / columns) * cellHeight, cellWidth, cellHeight);
    return cell.adjusted(gap, gap, -gap, -gap);
}

void zelColorPaletteCtrl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QVector<QColor> colours = colors();
    for (int index = 0; index < colours.size(); ++index) {
        if (colours.at(index).isValid())
            painter.fillRect(swatchRect(index), colours.at(index));
    }
}
