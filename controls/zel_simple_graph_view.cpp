#include "controls/zel_simple_graph_view.h"

#include "controls/zel_painting.h"
#include "core/qt_compat.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

zelSimpleGraphView::zelSimpleGraphView(QWidget *parent)
    : QWidget(parent)
{
}

void zelSimpleGraphView::setDrawingArea(const QRect &area)
{
    m_drawingArea = area;
    update();
}

void zelSimpleGraphView::setDrawCursorFlags(int flags)
{
    m_drawCursorFlags = flags;
    update();
}

void zelSimpleGraphView::setSamples(const QVector<QPointF> &samples)
{
    m_samples = samples;
    update();
}

QRect zelSimpleGraphView::plotRect() const
{
    return m_drawingArea.isEmpty() ? zel::localRect(*this) : m_drawingArea;
}

void zelSimpleGraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Only a backdrop the form asked for; otherwise the screen shows through.
    if (quarn::qt::paletteRoleSet(palette(), QPalette::Base))
        painter.fillRect(zel::localRect(*this), palette().brush(QPalette::Base));

    const QRect plot = plotRect();
    if (drawGrid) {
        QColor gridColour = zel::textColour(*this);
        gridColour.setAlpha(80);
        painter.setPen(gridColour);
        painter.drawRect(plot.adjusted(0, 0, -1, -1));
        for (int row = 1; row < 4; ++row) {
            const int y = plot.top() + plot.height() * row / 4;
            painter.drawLine(plot.left(), y, plot.right(), y);
        }
    }

    if (m_samples.size() >= 2) {
        qreal minX = m_samples.first().x(), maxX = minX, minY = m_samples.first().y(), maxY = minY;
        for (const QPointF &sample : m_samples) {
            minX = std::min(minX, sample.x());
            maxX = std::max(maxX, sample.x());
            minY = std::min(minY, sample.y());
            maxY = std::max(maxY, sample.y());
        }
        const qreal spanX = maxX > minX ? maxX - minX : 1.0;
        const qreal spanY = maxY > minY ? maxY - minY : 1.0;
        QPolygonF curve;
        for (const QPointF &sample : m_samples)
            curve << QPointF(plot.left() + (sample.x() - minX) / spanX * plot.width(),
                             plot.bottom() - (sample.y() - minY) / spanY * plot.height());
        painter.setRenderHint(QPainter::Antialiasing);
        if (curveBrush.style() != Qt::NoBrush) {
            QPolygonF area = curve;
            area << QPointF(curve.last().x(), plot.bottom()) << QPointF(curve.first().x(), plot.bottom());
            painter.setPen(Qt::NoPen);
            painter.setBrush(curveBrush);
            painter.drawPolygon(area);
        }
        painter.setPen(QPen(curveColor, curveWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(curve);
    }

    const QPoint cursorAt = plot.center();
    if (m_drawCursorFlags & CursorLine) {
        painter.setPen(QPen(cursorLineColor, cursorLineWidth));
        painter.drawLine(cursorAt.x(), plot.top(), cursorAt.x(), plot.bottom());
    }
    if (m_drawCursorFlags & CursorImage)
        zel::drawCentred(painter, cursorAt, cursorImage);
}
