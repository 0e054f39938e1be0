#include "controls/zel_text_box.h"

#include "controls/zel_painting.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

ZelTextBox::ZelTextBox(QWidget *parent)
    : QLabel(parent)
{
}

void ZelTextBox::setContent(const QString &content)
{
    m_content = content;
    updateGeometry();
    update();
}

void ZelTextBox::setFont(const QFont &font)
{
    QWidget::setFont(font);
}

void ZelTextBox::setFontPixelSize(int pixelSize)
{
    m_fontPixelSize = pixelSize;
    updateGeometry();
    update();
}

void ZelTextBox::setEllipsis(bool on)
{
    m_ellipsis = on;
    update();
}

void ZelTextBox::setIsClickable(bool clickable)
{
    m_clickable = clickable;
}

void ZelTextBox::setTextBoxFlags(bool a, bool b)
{
    m_flags = {a, b};
    update();
}

void ZelTextBox::setTextBoxFlags(bool a, bool b, bool c)
{
    m_flags = {a, b, c};
    update();
}

void ZelTextBox::setTextBoxFlagList(const QVariantList &flags)
{
    m_flags.clear();
    for (const QVariant &flag : flags)
        m_flags.append(flag.toBool());
    update();
}

ZelTextBox::DisplayFlags ZelTextBox::displayFlags() const
{
    if (m_flags.isEmpty())
        return {};
    DisplayFlags flags = m_flags.size() > 2 ? ThreeFlags : TwoFlags;
    const DisplayFlag each[] = {FirstFlag, SecondFlag, ThirdFlag};
    for (int i = 0; i < std::min(int(m_flags.size()), 3); ++i)
        flags.setFlag(each[i], m_flags.at(i).toBool());
    return flags;
}

void ZelTextBox::setDisplayFlags(DisplayFlags flags)
{
    if (!(flags & (TwoFlags | ThreeFlags))) {
        setTextBoxFlagList({});
        return;
    }
    QVariantList list = {bool(flags & FirstFlag), bool(flags & SecondFlag)};
    if (flags & ThreeFlags)
        list.append(bool(flags & ThirdFlag));
    setTextBoxFlagList(list);
}

void ZelTextBox::setTextBoxNumber(int number)
{
    m_number = number;
}

QSize ZelTextBox::sizeHint() const
{
    const QFontMetrics metrics(zel::fontWithPixelSize(font(), m_fontPixelSize));
    const QMargins margins = contentsMargins();
    return QSize(metrics.horizontalAdvance(shownText()), metrics.height())
        .grownBy(margins)
        .expandedTo(QLabel::minimumSizeHint());
}

// Wrapping or eliding boxes can shrink to one line's height; others keep their text.
QSize ZelTextBox::minimumSizeHint() const
{
    if (wordWrap() || m_ellipsis)
        return QLabel::minimumSizeHint();
    return sizeHint();
}

void ZelTextBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // A box given a picture shows the picture instead of its text.
    const QPixmap picture = pixmap(Qt::ReturnByValue);
    if (!picture.isNull()) {
        painter.drawPixmap(contentsRect(), picture);
        return;
    }
    zel::TextStyle style;
    style.font = zel::fontWithPixelSize(font(), m_fontPixelSize);
    style.colour = zel::textColour(*this);
    style.alignment = alignment();
    style.wordWrap = wordWrap();
    style.elide = m_ellipsis;
    zel::drawText(painter, contentsRect(), shownText(), style);
}
