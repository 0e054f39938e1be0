#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

#include <QComboBox>
#include <QPixmap>
#include <QPoint>

// A drop-down drawn from images: the field, an arrow and the popup items.
class ZEL_EXPORT ZelComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QPixmap normal READ normal WRITE setNormal)
    Q_PROPERTY(QPixmap focused READ focused WRITE setFocused)
    Q_PROPERTY(QPixmap pressed READ pressed WRITE setPressed)
    Q_PROPERTY(QPixmap arrowNormal READ arrowNormal WRITE setArrowNormal)
    Q_PROPERTY(QPixmap arrowPressed READ arrowPressed WRITE setArrowPressed)
    Q_PROPERTY(QPoint arrowOrigin READ arrowOrigin WRITE setArrowOrigin)
    Q_PROPERTY(QPixmap itemNormal READ itemNormal WRITE setItemNormal)
    Q_PROPERTY(QPixmap itemFocused READ itemFocused WRITE setItemFocused)
    Q_PROPERTY(QPixmap itemPressed READ itemPressed WRITE setItemPressed)
    Q_PROPERTY(int textMargin READ textMargin WRITE setTextMargin)
    Q_PROPERTY(bool eventPropagation READ eventPropagation WRITE setEventPropagation)
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)
    Q_PROPERTY(int popupItemMargin READ popupItemMargin WRITE setPopupItemMargin)
    Q_PROPERTY(int popupItemSpacing READ popupItemSpacing WRITE setPopupItemSpacing)

public:
    Q_INVOKABLE explicit ZelComboBox(QWidget *parent = nullptr);

    QPixmap normal() const { return m_normal.pixmap(); }
    void setNormal(const ZelPicture &image);
    QPixmap focused() const { return m_focused.pixmap(); }
    void setFocused(const ZelPicture &image);
    QPixmap pressed() const { return m_pressed.pixmap(); }
    void setPressed(const ZelPicture &image);
    QPixmap arrowNormal() const { return m_arrowNormal.pixmap(); }
    void setArrowNormal(const ZelPicture &image);
    QPixmap arrowPressed() const { return m_arrowPressed.pixmap(); }
    void setArrowPressed(const ZelPicture &image);
    QPoint arrowOrigin() const { return m_arrowOrigin; }
    void setArrowOrigin(const QPoint &origin);
    QPixmap itemNormal() const { return m_itemNormal.pixmap(); }
    void setItemNormal(const ZelPicture &image);
    QPixmap itemFocused() const { return m_itemFocused.pixmap(); }
    void setItemFocused(const ZelPicture &image);
    QPixmap itemPressed() const { return m_itemPressed.pixmap(); }
    void setItemPressed(const ZelPicture &image);
    int textMargin() const { return m_textMargin; }
    void setTextMargin(int margin);
    bool eventPropagation() const { return m_eventPropagation; }
    void setEventPropagation(bool on);
    int fontPixelSize() const { return m_fontPixelSize; }
    void setFontPixelSize(int pixelSize);
    // The two further integers some forms give after the item images.
    int popupItemMargin() const { return m_popupItemMargin; }
    void setPopupItemMargin(int margin);
    int popupItemSpacing() const { return m_popupItemSpacing; }
    void setPopupItemSpacing(int spacing);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool hasPopupList() const;

    ZelPicture m_normal;
    ZelPicture m_focused;
    ZelPicture m_pressed;
    ZelPicture m_arrowNormal;
    ZelPicture m_arrowPressed;
    QPoint m_arrowOrigin;
    ZelPicture m_itemNormal;
    ZelPicture m_itemFocused;
    ZelPicture m_itemPressed;
    int m_textMargin = 0;
    bool m_eventPropagation = false;
    int m_fontPixelSize = 0;
    int m_popupItemMargin = 0;
    int m_popupItemSpacing = 0;
    mutable bool m_sizeHintAsked = false;
};
