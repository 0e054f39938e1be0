#pragma once

#include "controls/zel_global.h"

#include <QBrush>
#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QVector>
#include <QWidget>

// A line graph over a drawing area (barometer, tides, currents, profiles). The
// host supplies the samples; the forms give the area, the cursor and the pens
// and brush, the latter as public members in this member order.
class ZEL_EXPORT zelSimpleGraphView : public QWidget
{
    Q_OBJECT
    // Properties without a set<Name> setter: Designer forms set them by name.
    Q_CLASSINFO("setByName", "curveBrush,curveColor,curveWidth,cursorLineColor,cursorLineWidth,cursorImage,drawGrid")
    Q_PROPERTY(QRect drawingArea READ drawingArea WRITE setDrawingArea)
    Q_PROPERTY(int drawCursorFlags READ drawCursorFlags WRITE setDrawCursorFlags)
    Q_PROPERTY(QBrush curveBrush MEMBER curveBrush)
    Q_PROPERTY(QColor curveColor MEMBER curveColor)
    Q_PROPERTY(int curveWidth MEMBER curveWidth)
    Q_PROPERTY(QColor cursorLineColor MEMBER cursorLineColor)
    Q_PROPERTY(int cursorLineWidth MEMBER cursorLineWidth)
    Q_PROPERTY(QPixmap cursorImage READ readCursorImage WRITE writeCursorImage)
    Q_PROPERTY(bool drawGrid MEMBER drawGrid)

public:
    // Which parts of the cursor are drawn.
    enum CursorFlag { CursorImage = 0x1, CursorLine = 0x2 };
    // Named for the meta-object, so a form's generator spells them by key;
    // the property stays an int, as the forms and exports write it.
    Q_DECLARE_FLAGS(CursorFlags, CursorFlag)
    Q_FLAG(CursorFlags)

    Q_INVOKABLE explicit zelSimpleGraphView(QWidget *parent = nullptr);

    // The plot's rectangle inside the widget; an empty one plots over the whole widget.
    QRect drawingArea() const { return m_drawingArea; }
    void setDrawingArea(const QRect &area);
    int drawCursorFlags() const { return m_drawCursorFlags; }
    void setDrawCursorFlags(int flags);

    // Samples in plot order; the graph scales them into the drawing area.
    QVector<QPointF> samples() const { return m_samples; }
    void setSamples(const QVector<QPointF> &samples);

    QBrush curveBrush = QBrush(Qt::NoBrush);
    QColor curveColor = Qt::black;
    int curveWidth = 0;
    QColor cursorLineColor = Qt::black;
    int cursorLineWidth = 0;
    QPixmap cursorImage;
    bool drawGrid = true;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // By-name picture properties go through accessors, as on zelCompass.
    QPixmap readCursorImage() const { return cursorImage; }
    void writeCursorImage(const QPixmap &image) { cursorImage = image; }

    QRect plotRect() const;

    QRect m_drawingArea;
    int m_drawCursorFlags = 0;
    QVector<QPointF> m_samples;
};
