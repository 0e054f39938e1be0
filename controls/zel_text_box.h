#pragma once

#include "controls/zel_global.h"

#include <QLabel>
#include <QString>
#include <QVariantList>

// A single text: the widget library's label. Its own font setter and pixel
// size replace the widget font when it draws.
class ZEL_EXPORT ZelTextBox : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString content READ content WRITE setContent)
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)
    Q_PROPERTY(bool ellipsis READ ellipsis WRITE setEllipsis)
    Q_PROPERTY(bool isClickable READ isClickable WRITE setIsClickable)
    // Designer cannot edit a list: it edits the same flags as displayFlags.
    Q_PROPERTY(QVariantList textBoxFlags READ textBoxFlags WRITE setTextBoxFlagList DESIGNABLE false STORED false)
    Q_PROPERTY(int textBoxNumber READ textBoxNumber WRITE setTextBoxNumber)
    // Last, where the flags were written when they were a list set by name.
    Q_PROPERTY(DisplayFlags displayFlags READ displayFlags WRITE setDisplayFlags)

public:
    // The display flags as one value: how many are given, and which are on.
    enum DisplayFlag {
        FirstFlag = 0x1,
        SecondFlag = 0x2,
        ThirdFlag = 0x4,
        TwoFlags = 0x10,
        ThreeFlags = 0x20,
    };
    Q_DECLARE_FLAGS(DisplayFlags, DisplayFlag)
    Q_FLAG(DisplayFlags)

    Q_INVOKABLE explicit ZelTextBox(QWidget *parent = nullptr);

    QString content() const { return m_content; }
    void setContent(const QString &content);

    // Hides QWidget::setFont, which is not virtual, and does the same: the
    // pixel size applies when drawing and measuring, whichever set the font.
    void setFont(const QFont &font);
    int fontPixelSize() const { return m_fontPixelSize; }
    void setFontPixelSize(int pixelSize);

    bool ellipsis() const { return m_ellipsis; }
    void setEllipsis(bool on);
    bool isClickable() const { return m_clickable; }
    void setIsClickable(bool clickable);

    // Display flags, kept as given (two or three of them); the text re-lays out after.
    QVariantList textBoxFlags() const { return m_flags; }
    void setTextBoxFlags(bool a, bool b);
    void setTextBoxFlags(bool a, bool b, bool c);
    // The same as a list, each item read as a bool: how a form file sets them.
    void setTextBoxFlagList(const QVariantList &flags);
    // None when no flags were given; three when both counts are.
    DisplayFlags displayFlags() const;
    void setDisplayFlags(DisplayFlags flags);
    int textBoxNumber() const { return m_number; }
    void setTextBoxNumber(int number);

    // Measured on what the box shows, in the font it draws with.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString shownText() const { return m_content.isEmpty() ? text() : m_content; }

    QString m_content;
    int m_fontPixelSize = 0;
    bool m_ellipsis = false;
    bool m_clickable = false;
    QVariantList m_flags;
    int m_number = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ZelTextBox::DisplayFlags)
