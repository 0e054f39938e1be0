#pragma once

#include "controls/zel_global.h"

#include <QTextEdit>

// A multi-line text: plain or rich, optionally centred in both directions.
class ZEL_EXPORT ZelTextArea : public QTextEdit
{
    Q_OBJECT
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)
    Q_PROPERTY(bool alignHCenter READ alignHCenter WRITE setAlignHCenter)
    Q_PROPERTY(bool alignVCenter READ alignVCenter WRITE setAlignVCenter)

public:
    Q_INVOKABLE explicit ZelTextArea(QWidget *parent = nullptr);

    // Hides QWidget::setFont, which is not virtual. Either keeps the pixel
    // size: the document's font is made again on every FontChange.
    void setFont(const QFont &font);
    int fontPixelSize() const { return m_fontPixelSize; }
    void setFontPixelSize(int pixelSize);

    bool alignHCenter() const { return m_alignHCenter; }
    void setAlignHCenter(bool on);
    bool alignVCenter() const { return m_alignVCenter; }
    void setAlignVCenter(bool on);

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyLook();

    int m_fontPixelSize = 0;
    bool m_alignHCenter = false;
    bool m_alignVCenter = false;
};
