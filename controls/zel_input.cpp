#include "controls/zel_input.h"

#include "controls/zel_painting.h"

#include <QEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

zelCalendarWidget::zelCalendarWidget(QWidget *parent)
    : QCalendarWidget(parent)
{
}

void zelCalendarWidget::setFont(const QFont &font)
{
    QWidget::setFont(zel::fontWithPixelSize(font, m_fontPixelSize));
}

void zelCalendarWidget::setFontPixelSize(int pixelSize)
{
    m_fontPixelSize = pixelSize;
    QWidget::setFont(zel::fontWithPixelSize(QWidget::font(), pixelSize));
}

void zelCalendarWidget::setPrevMonthNormal(const QPixmap &image)
{
    m_prevMonth[Normal] = image;
    applyMonthImages();
}

void zelCalendarWidget::setPrevMonthPressed(const QPixmap &image)
{
    m_prevMonth[Pressed] = image;
    applyMonthImages();
}

void zelCalendarWidget::setPrevMonthFocused(const QPixmap &image)
{
    m_prevMonth[Focused] = image;
    applyMonthImages();
}

void zelCalendarWidget::setPrevMonthDisabled(const QPixmap &image)
{
    m_prevMonth[Disabled] = image;
    applyMonthImages();
}

void zelCalendarWidget::setNextMonthNormal(const QPixmap &image)
{
    m_nextMonth[Normal] = image;
    applyMonthImages();
}

void zelCalendarWidget::setNextMonthPressed(const QPixmap &image)
{
    m_nextMonth[Pressed] = image;
    applyMonthImages();
}

void zelCalendarWidget::setNextMonthFocused(const QPixmap &image)
{
    m_nextMonth[Focused] = image;
    applyMonthImages();
}

void zelCalendarWidget::setNextMonthDisabled(const QPixmap &image)
{
    m_nextMonth[Disabled] = image;
    applyMonthImages();
}

bool zelCalendarWidget::event(QEvent *event)
{
    const bool handled = QCalendarWidget::event(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::LayoutDirectionChange)
        applyMonthImages();
    return handled;
}

void zelCalendarWidget::applyMonthImages()
{
    // A tool button shows no pressed icon state, so the pressed images are only kept.
    const auto apply = [this](const char *buttonName, const QPixmap *images) {
        auto *button = findChild<QToolButton *>(QLatin1String(buttonName));
        if (!button || images[Normal].isNull())
            return;
        QIcon icon(images[Normal]);
        if (!images[Focused].isNull())
            icon.addPixmap(images[Focused], QIcon::Active);
        if (!images[Disabled].isNull())
            icon.addPixmap(images[Disabled], QIcon::Disabled);
        button->setIcon(icon);
        button->setIconSize(images[Normal].size());
    };
    apply("qt_calendar_prevmonth", m_prevMonth);
    apply("qt_calendar_nextmonth", m_nextMonth);
}

zelCoordEntryWidget::zelCoordEntryWidget(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void zelCoordEntryWidget::setFont(const QFont &font)
{
    QWidget::setFont(font);
}

void zelCoordEntryWidget::setCoordType(int type)
{
    m_coordType = type;
}

void zelCoordEntryWidget::setCoordSubType(int subType)
{
    m_coordSubType = subType;
}

void zelCoordEntryWidget::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    update();
}

void zelCoordEntryWidget::setModifiable(bool modifiable)
{
    m_modifiable = modifiable;
}

void zelCoordEntryWidget::setNormalPromptImage(const QString &path)
{
    m_normalPromptPath = path;
    m_normalPrompt = QPixmap(path);
    update();
}

void zelCoordEntryWidget::setFocusedPromptImage(const QString &path)
{
    m_focusedPromptPath = path;
    m_focusedPrompt = QPixmap(path);
    update();
}

void zelCoordEntryWidget::paintEvent(QPaintEvent *)
{
    // A read-only value is plain text the host draws; only editable fields get a frame.
    if (m_readOnly)
        return;
    QPainter painter(this);
    const bool focused = hasFocus() && !m_focusedPrompt.isNull();
    zel::drawImage(painter, rect(), focused ? m_focusedPrompt : m_normalPrompt);
}

void zelCoordEntryWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void zelCoordEntryWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

zelInputWidget::zelInputWidget(QWidget *parent)
    : QLineEdit(parent)
{
}

void zelInputWidget::setNormalPromptImage(const QString &path)
{
    m_normalPromptPath = path;
    m_normalPrompt = QPixmap(path);
    update();
}

void zelInputWidget::setFocusedPromptImage(const QString &path)
{
    m_focusedPromptPath = path;
    m_focusedPrompt = QPixmap(path);
    update();
}

void zelInputWidget::setAutoCompletion(bool on)
{
    m_autoCompletion = on;
}

void zelInputWidget::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        const bool focused = hasFocus() && !m_focusedPrompt.isNull();
        zel::drawImage(painter, rect(), focused ? m_focusedPrompt : m_normalPrompt);
    }
    // The forms' style sheet makes the line itself transparent over the prompt.
    QLineEdit::paintEvent(event);
}

zelKBContainer::zelKBContainer(QWidget *parent)
    : QWidget(parent)
{
}

zelKeyButton::zelKeyButton(QWidget *parent)
    : QAbstractButton(parent)
{
}

void zelKeyButton::setKeyNormal(const QPixmap &image)
{
    m_normal = image;
    update();
}

void zelKeyButton::setKeyFocused(const QPixmap &image)
{
    m_focused = image;
    update();
}

void zelKeyButton::setKeyPressed(const QPixmap &image)
{
    m_pressed = image;
    update();
}

void zelKeyButton::setKeyDisabled(const QPixmap &image)
{
    m_disabled = image;
    update();
}

void zelKeyButton::setKeyCode(int key)
{
    m_keyCode = key;
}

void zelKeyButton::setSecondKeyCode(int key)
{
    m_secondKeyCode = key;
}

QPixmap zelKeyButton::currentFace() const
{
    if (!isEnabled() && !m_disabled.isNull())
        return m_disabled;
    if (isDown() && !m_pressed.isNull())
        return m_pressed;
    if (hasFocus() && !m_focused.isNull())
        return m_focused;
    return m_normal;
}

void zelKeyButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, rect(), currentFace());
    zel::TextStyle style;
    style.font = font();
    style.colour = palette().color(QPalette::ButtonText);
    style.alignment = Qt::AlignCenter;
    zel::drawText(painter, rect(), text(), style);
}

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
    const int cellWidth = width() / columns;
    const int cellHeight = height() / rows;
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

ZelHorizontalSlider::ZelHorizontalSlider(QWidget *parent)
    : QAbstractSlider(parent)
{
    setOrientation(Qt::Horizontal);
    setRange(0, 100);
    setPageStep(10);
}

void ZelHorizontalSlider::setFrameImage(const QPixmap &image)
{
    m_frame = image;
    update();
}

void ZelHorizontalSlider::setFilledBarImage(const QPixmap &image)
{
    m_filledBar = image;
    update();
}

void ZelHorizontalSlider::setEmptyBarImage(const QPixmap &image)
{
    m_emptyBar = image;
    update();
}

void ZelHorizontalSlider::setPlusImage(const QPixmap &image)
{
    m_plus = image;
    update();
}

void ZelHorizontalSlider::setMinusImage(const QPixmap &image)
{
    m_minus = image;
    update();
}

namespace {

// Where a side button sits: its image's size, or a square of the slider's height.
QSize buttonSize(const QPixmap &image, const QWidget &slider)
{
    return image.isNull() ? QSize(slider.height(), slider.height()) : image.size();
}

} // namespace

QRect ZelHorizontalSlider::minusRect() const
{
    const QSize size = buttonSize(m_minus, *this);
    return QRect(QPoint(0, (height() - size.height()) / 2), size);
}

QRect ZelHorizontalSlider::plusRect() const
{
    const QSize size = buttonSize(m_plus, *this);
    return QRect(QPoint(width() - size.width(), (height() - size.height()) / 2), size);
}

QRect ZelHorizontalSlider::barRect() const
{
    constexpr int gap = 4;
    const int left = minusRect().right() + 1 + gap;
    const int right = plusRect().left() - gap;
    const int barHeight = m_emptyBar.isNull() ? height() / 3 : std::min(m_emptyBar.height(), height());
    return QRect(left, (height() - barHeight) / 2, std::max(0, right - left), barHeight);
}

void ZelHorizontalSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, rect(), m_frame);
    zel::drawImage(painter, minusRect(), m_minus);
    zel::drawImage(painter, plusRect(), m_plus);

    const QRect bar = barRect();
    zel::drawImage(painter, bar, m_emptyBar);
    const int span = maximum() - minimum();
    const qreal share = span > 0 ? qreal(value() - minimum()) / span : 1.0;
    painter.setClipRect(QRect(bar.topLeft(), QSize(qRound(bar.width() * share), bar.height())));
    zel::drawImage(painter, bar, m_filledBar);
}

void ZelHorizontalSlider::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->pos();
    const QRect bar = barRect();
    if (minusRect().contains(at)) {
        triggerAction(SliderPageStepSub);
    } else if (plusRect().contains(at)) {
        triggerAction(SliderPageStepAdd);
    } else if (bar.contains(at) && bar.width() > 0) {
        const qreal share = qreal(at.x() - bar.left()) / bar.width();
        setValue(minimum() + qRound(share * (maximum() - minimum())));
    } else {
        event->ignore();
    }
}

ZelAbstractSpinBox::ZelAbstractSpinBox(QWidget *parent)
    : QWidget(parent)
{
}

void ZelAbstractSpinBox::setBackground(const QPixmap &image)
{
    m_background = image;
    update();
}

void ZelAbstractSpinBox::setUpArrowNormal(const QPixmap &image)
{
    m_upArrowNormal = image;
    update();
}

void ZelAbstractSpinBox::setUpArrowPressed(const QPixmap &image)
{
    m_upArrowPressed = image;
    update();
}

void ZelAbstractSpinBox::setDownArrowNormal(const QPixmap &image)
{
    m_downArrowNormal = image;
    update();
}

void ZelAbstractSpinBox::setDownArrowPressed(const QPixmap &image)
{
    m_downArrowPressed = image;
    update();
}

void ZelAbstractSpinBox::setCyclic(bool cyclic)
{
    m_cyclic = cyclic;
}

void ZelAbstractSpinBox::setBlocking(bool blocking)
{
    m_blocking = blocking;
}

void ZelAbstractSpinBox::setFontSize(int pointSize)
{
    m_fontSize = pointSize;
    update();
}

QRect ZelAbstractSpinBox::upArrowRect() const
{
    const QSize size = m_upArrowNormal.isNull() ? QSize(width(), height() / 4) : m_upArrowNormal.size();
    return QRect(QPoint((width() - size.width()) / 2, 0), size);
}

QRect ZelAbstractSpinBox::downArrowRect() const
{
    const QSize size = m_downArrowNormal.isNull() ? QSize(width(), height() / 4) : m_downArrowNormal.size();
    return QRect(QPoint((width() - size.width()) / 2, height() - size.height()), size);
}

int ZelAbstractSpinBox::steppedPosition(int current, int steps, int first, int last) const
{
    if (last < first)
        return current;
    const qint64 target = qint64(current) + steps;
    if (m_cyclic && !m_blocking) {
        const qint64 count = qint64(last) - first + 1;
        qint64 offset = (target - first) % count;
        if (offset < 0)
            offset += count;
        return int(first + offset);
    }
    return int(qBound<qint64>(first, target, last));
}

void ZelAbstractSpinBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, rect(), m_background);

    const bool upDown = m_pressedArrow == Arrow::Up && !m_upArrowPressed.isNull();
    const bool downDown = m_pressedArrow == Arrow::Down && !m_downArrowPressed.isNull();
    const QRect up = upArrowRect();
    const QRect down = downArrowRect();
    zel::drawImage(painter, up, upDown ? m_upArrowPressed : m_upArrowNormal);
    zel::drawImage(painter, down, downDown ? m_downArrowPressed : m_downArrowNormal);

    QFont valueFont = font();
    if (m_fontSize > 0)
        valueFont.setPointSize(m_fontSize);
    zel::TextStyle style;
    style.font = valueFont;
    style.colour = zel::textColour(*this);
    style.alignment = Qt::AlignCenter;
    zel::drawText(painter, QRect(0, up.bottom() + 1, width(), down.top() - up.bottom() - 1), text(), style);
}

void ZelAbstractSpinBox::mousePressEvent(QMouseEvent *event)
{
    if (upArrowRect().contains(event->pos())) {
        m_pressedArrow = Arrow::Up;
        stepUp();
    } else if (downArrowRect().contains(event->pos())) {
        m_pressedArrow = Arrow::Down;
        stepDown();
    } else {
        event->ignore();
        return;
    }
    update();
}

void ZelAbstractSpinBox::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    m_pressedArrow = Arrow::None;
    update();
}

ZelStringVerticalSpinBox::ZelStringVerticalSpinBox(QWidget *parent)
    : ZelAbstractSpinBox(parent)
{
}

void ZelStringVerticalSpinBox::setStrings(const QStringList &strings)
{
    m_strings = strings;
    setCurrentIndex(m_currentIndex);
}

void ZelStringVerticalSpinBox::setCurrentIndex(int index)
{
    m_currentIndex = m_strings.isEmpty() ? index : qBound(0, index, m_strings.size() - 1);
    update();
}

QString ZelStringVerticalSpinBox::text() const
{
    return m_strings.value(m_currentIndex);
}

void ZelStringVerticalSpinBox::stepBy(int steps)
{
    if (!m_strings.isEmpty())
        setCurrentIndex(steppedPosition(m_currentIndex, steps, 0, m_strings.size() - 1));
}

ZelVerticalSpinBox::ZelVerticalSpinBox(QWidget *parent)
    : ZelAbstractSpinBox(parent)
{
}

void ZelVerticalSpinBox::setMinValue(int minimum)
{
    m_minValue = minimum;
    m_maxValue = std::max(m_maxValue, minimum);
    setValue(m_value);
}

void ZelVerticalSpinBox::setMaxValue(int maximum)
{
    m_maxValue = maximum;
    m_minValue = std::min(m_minValue, maximum);
    setValue(m_value);
}

void ZelVerticalSpinBox::setValue(int value)
{
    m_value = qBound(m_minValue, value, m_maxValue);
    update();
}

QString ZelVerticalSpinBox::text() const
{
    return QString::number(m_value);
}

void ZelVerticalSpinBox::stepBy(int steps)
{
    setValue(steppedPosition(m_value, steps, m_minValue, m_maxValue));
}
