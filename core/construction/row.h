#pragma once

// One row of a form's table: create the object, name it, store it in its Ui
// record field, then apply its settings. A row's settings are written in the
// order they are applied, which is the construction order every form keeps:
// enabled, geometry, size policy, minimum, maximum, palette, font, the
// class's own settings, then dynamic properties.
//
// Row is a template over the created class; a setting compiles only for classes
// that have the matching setter, so a form cannot ask a control for something
// it does not do.

#include "core/construction/images.h"

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QPalette>
#include <QPoint>
#include <QSize>
#include <QSizePolicy>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <initializer_list>

namespace quarn {

template <typename W>
class Row
{
public:
    explicit Row(W *object) : m_object(object) {}

    operator W *() const { return m_object; }
    W *object() const { return m_object; }

    // --- QWidget, in construction order -------------------------------------
    Row &enabled(bool on = true) { m_object->setEnabled(on); return *this; }
    Row &disabled() { return enabled(false); }
    Row &at(int x, int y, int width, int height) { m_object->setGeometry(x, y, width, height); return *this; }
    // Stretch 0 unless given; height-for-width is kept from the current policy.
    Row &sizePolicy(QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical, int horizontalStretch = 0,
                    int verticalStretch = 0)
    {
        QSizePolicy policy(horizontal, vertical);
        policy.setHorizontalStretch(horizontalStretch);
        policy.setVerticalStretch(verticalStretch);
        policy.setHeightForWidth(m_object->sizePolicy().hasHeightForWidth());
        m_object->setSizePolicy(policy);
        return *this;
    }
    Row &minSize(int width, int height) { m_object->setMinimumSize(QSize(width, height)); return *this; }
    Row &maxSize(int width, int height) { m_object->setMaximumSize(QSize(width, height)); return *this; }
    Row &baseSize(int width, int height) { m_object->setBaseSize(QSize(width, height)); return *this; }
    Row &sizeIncrement(int width, int height) { m_object->setSizeIncrement(QSize(width, height)); return *this; }
    Row &palette(const QPalette &palette) { m_object->setPalette(palette); return *this; }
    // The control's own font setter where it has one, else the widget font.
    Row &font(const QFont &font) { m_object->setFont(font); return *this; }
    Row &widgetFont(const QFont &font) { static_cast<QWidget *>(m_object)->setFont(font); return *this; }

    // --- general widget settings --------------------------------------------
    Row &layoutDirection(Qt::LayoutDirection direction) { m_object->setLayoutDirection(direction); return *this; }
    Row &autoFillBackground(bool on = true) { m_object->setAutoFillBackground(on); return *this; }
    Row &noAutoFillBackground() { return autoFillBackground(false); }
    Row &noFocus() { m_object->setFocusPolicy(Qt::NoFocus); return *this; }
    Row &focusPolicy(Qt::FocusPolicy policy) { m_object->setFocusPolicy(policy); return *this; }
    Row &noContextMenu() { m_object->setContextMenuPolicy(Qt::NoContextMenu); return *this; }
    Row &styleSheet(const QString &sheet) { m_object->setStyleSheet(sheet); return *this; }
    Row &hidden() { m_object->setVisible(false); return *this; }

    // --- frames and labels --------------------------------------------------
    Row &noFrame() { m_object->setFrameShape(QFrame::NoFrame); return *this; }
    Row &frameShape(QFrame::Shape shape) { m_object->setFrameShape(shape); return *this; }
    Row &frameShadow(QFrame::Shadow shadow) { m_object->setFrameShadow(shadow); return *this; }
    Row &lineWidth(int width) { m_object->setLineWidth(width); return *this; }
    Row &alignment(Qt::Alignment alignment) { m_object->setAlignment(alignment); return *this; }
    Row &wordWrap(bool on = true) { m_object->setWordWrap(on); return *this; }
    Row &scaledContents(bool on = true) { m_object->setScaledContents(on); return *this; }
    Row &textFormat(Qt::TextFormat format) { m_object->setTextFormat(format); return *this; }
    Row &plainText() { return textFormat(Qt::PlainText); }
    Row &richText() { return textFormat(Qt::RichText); }
    Row &noTextInteraction() { m_object->setTextInteractionFlags(Qt::NoTextInteraction); return *this; }
    Row &indent(int indent) { m_object->setIndent(indent); return *this; }
    Row &margin(int margin) { m_object->setMargin(margin); return *this; }
    Row &buddy(QWidget *buddy) { m_object->setBuddy(buddy); return *this; }
    Row &readOnly(bool on = true) { m_object->setReadOnly(on); return *this; }

    // --- text boxes and text areas -------------------------------------------
    Row &pixelSize(int pixels) { m_object->setFontPixelSize(pixels); return *this; }
    Row &ellipsis(bool on = true) { m_object->setEllipsis(on); return *this; }
    Row &clickable(bool on = true) { m_object->setIsClickable(on); return *this; }
    Row &textBoxFlags(bool a, bool b) { m_object->setTextBoxFlags(a, b); return *this; }
    Row &textBoxFlags(bool a, bool b, bool c) { m_object->setTextBoxFlags(a, b, c); return *this; }
    Row &textBoxNumber(int number) { m_object->setTextBoxNumber(number); return *this; }
    // Untranslated initial content, set in setupUi.
    Row &content(const char *text) { m_object->setContent(QString::fromUtf8(text)); return *this; }
    Row &alignHCenter(bool on = true) { m_object->setAlignHCenter(on); return *this; }
    Row &alignVCenter(bool on = true) { m_object->setAlignVCenter(on); return *this; }
    // A text box that shows a picture instead of text.
    Row &pixmap(const char *path) { m_object->setPixmap(quarn::image(path)); return *this; }
    Row &html(const QString &html) { m_object->setHtml(html); return *this; }
    Row &modifiable(bool on = true) { m_object->setModifiable(on); return *this; }
    Row &scrollBars(Qt::ScrollBarPolicy horizontal, Qt::ScrollBarPolicy vertical)
    {
        m_object->setHorizontalScrollBarPolicy(horizontal);
        m_object->setVerticalScrollBarPolicy(vertical);
        return *this;
    }
    Row &horizontalScrollBar(Qt::ScrollBarPolicy policy) { m_object->setHorizontalScrollBarPolicy(policy); return *this; }
    Row &verticalScrollBar(Qt::ScrollBarPolicy policy) { m_object->setVerticalScrollBarPolicy(policy); return *this; }

    // --- images --------------------------------------------------------------
    Row &image(const char *path) { m_object->setImage(quarn::image(path)); return *this; }
    Row &normal(const char *path) { m_object->setNormal(quarn::image(path)); return *this; }
    Row &pressed(const char *path) { m_object->setPressed(quarn::image(path)); return *this; }
    Row &focused(const char *path) { m_object->setFocused(quarn::image(path)); return *this; }
    Row &stateImage(const char *path) { m_object->setStateImage(quarn::image(path)); return *this; }
    // normal / pressed in one go, the pair most buttons have.
    Row &faces(const char *normalPath, const char *pressedPath) { return normal(normalPath).pressed(pressedPath); }
    Row &statusImages(std::initializer_list<const char *> paths) { m_object->setImages(imagePaths(paths)); return *this; }
    Row &status(int index) { m_object->setStatus(index); return *this; }
    // An image set shared by several screens.
    Row &statusImages(const QStringList &paths) { m_object->setImages(paths); return *this; }

    // --- buttons -------------------------------------------------------------
    Row &shiftOnPress(int x, int y) { m_object->setShiftOnPress(QPoint(x, y)); return *this; }
    Row &eventPropagation(bool on = true) { m_object->setEventPropagation(on); return *this; }
    Row &checkable(bool on = true) { m_object->setCheckable(on); return *this; }
    Row &checked(bool on = true) { m_object->setChecked(on); return *this; }
    Row &autoRepeat(bool on = true) { m_object->setAutoRepeat(on); return *this; }
    Row &autoRepeatDelay(int milliseconds) { m_object->setAutoRepeatDelay(milliseconds); return *this; }
    Row &autoRepeatInterval(int milliseconds) { m_object->setAutoRepeatInterval(milliseconds); return *this; }
    Row &autoExclusive(bool on = true) { m_object->setAutoExclusive(on); return *this; }
    Row &iconSize(int width, int height) { m_object->setIconSize(QSize(width, height)); return *this; }
    Row &buttonText(const QString &text) { m_object->setText(text); return *this; }
    Row &checkedImage(const char *path) { m_object->setCheckedImg(quarn::image(path)); return *this; }
    Row &uncheckedImage(const char *path) { m_object->setUncheckedImg(quarn::image(path)); return *this; }
    Row &markPosition(int x, int y) { m_object->setMarkPosition(QPoint(x, y)); return *this; }
    // A plain Qt button icon for the off and on states of a toggle, default size.
    Row &toggleIcon(const char *offPath, const char *onPath)
    {
        QIcon icon;
        icon.addFile(QString::fromUtf8(offPath), QSize(), QIcon::Normal, QIcon::Off);
        icon.addFile(QString::fromUtf8(onPath), QSize(), QIcon::Normal, QIcon::On);
        m_object->setIcon(icon);
        return *this;
    }

    // --- progress bars and sliders -------------------------------------------
    Row &value(int value) { m_object->setValue(value); return *this; }
    Row &textVisible(bool on) { m_object->setTextVisible(on); return *this; }

    // --- combo boxes -----------------------------------------------------------
    // The standard combo box look; the table says where event propagation stays off.
    Row &standardComboBox(bool withEventPropagation = true);
    Row &textMargin(int margin) { m_object->setTextMargin(margin); return *this; }
    // Combo boxes that spell their look out instead of the standard one.
    Row &arrowNormal(const char *path) { m_object->setArrowNormal(quarn::image(path)); return *this; }
    Row &arrowPressed(const char *path) { m_object->setArrowPressed(quarn::image(path)); return *this; }
    Row &arrowOrigin(int x, int y) { m_object->setArrowOrigin(QPoint(x, y)); return *this; }
    Row &itemNormal(const char *path) { m_object->setItemNormal(quarn::image(path)); return *this; }
    Row &itemFocused(const char *path) { m_object->setItemFocused(quarn::image(path)); return *this; }
    Row &itemPressed(const char *path) { m_object->setItemPressed(quarn::image(path)); return *this; }
    Row &arrowImages(const char *normalPath, const char *pressedPath)
    {
        m_object->setArrowNormal(quarn::image(normalPath));
        m_object->setArrowPressed(quarn::image(pressedPath));
        return *this;
    }
    Row &itemImages(const char *normalPath, const char *focusedPath, const char *pressedPath)
    {
        m_object->setItemNormal(quarn::image(normalPath));
        m_object->setItemFocused(quarn::image(focusedPath));
        m_object->setItemPressed(quarn::image(pressedPath));
        return *this;
    }
    Row &sizeAdjustPolicy(QComboBox::SizeAdjustPolicy policy) { m_object->setSizeAdjustPolicy(policy); return *this; }

    // --- spin boxes ----------------------------------------------------------
    Row &spinArrows(const char *upNormal, const char *upPressed, const char *downNormal, const char *downPressed)
    {
        m_object->setUpArrowNormal(quarn::image(upNormal));
        m_object->setUpArrowPressed(quarn::image(upPressed));
        m_object->setDownArrowNormal(quarn::image(downNormal));
        m_object->setDownArrowPressed(quarn::image(downPressed));
        return *this;
    }
    Row &spinBackground(const char *path) { m_object->setBackground(quarn::image(path)); return *this; }
    Row &blocking(bool on = true) { m_object->setBlocking(on); return *this; }
    Row &cyclic(bool on = true) { m_object->setCyclic(on); return *this; }
    Row &fontSize(int points) { m_object->setFontSize(points); return *this; }
    Row &maxValue(int value) { m_object->setMaxValue(value); return *this; }

    // --- compasses and the sky view -------------------------------------------
    // Needles of the dial and of the strip compass, set green, yellow, red, blue.
    Row &needles(const char *green, const char *yellow, const char *red, const char *blue)
    {
        m_object->setGreenNeedle(quarn::image(green));
        m_object->setYellowNeedle(quarn::image(yellow));
        m_object->setRedNeedle(quarn::image(red));
        m_object->setBlueNeedle(quarn::image(blue));
        return *this;
    }
    Row &compassRing(const char *path) { m_object->setCompassRing(quarn::image(path)); return *this; }
    Row &northImage(const char *path) { m_object->setNorth(quarn::image(path)); return *this; }
    Row &northArrowImage(const char *path) { m_object->setArrow(quarn::image(path)); return *this; }
    // The dial's pictures and placement are plain members, assigned directly.
    Row &targetIcon(const char *path) { m_object->targetIcon = quarn::image(path); return *this; }
    Row &sunIcon(const char *path) { m_object->sunIcon = quarn::image(path); return *this; }
    Row &moonIcon(const char *path) { m_object->moonIcon = quarn::image(path); return *this; }
    Row &cardinalBadges(const char *north, const char *west, const char *south, const char *east)
    {
        m_object->northBadge = quarn::image(north);
        m_object->westBadge = quarn::image(west);
        m_object->southBadge = quarn::image(south);
        m_object->eastBadge = quarn::image(east);
        return *this;
    }
    Row &headingAndBearing(int heading, int bearing)
    {
        m_object->heading = heading;
        m_object->bearing = bearing;
        return *this;
    }
    Row &northUp(bool on) { m_object->northUp = on; return *this; }
    Row &dial(int radius, int centreX, int centreY)
    {
        m_object->dialRadius = radius;
        m_object->dialCentre = QPoint(centreX, centreY);
        return *this;
    }
    // Members written directly bypass the widget's own repaint.
    Row &update() { m_object->update(); return *this; }
    // The standard map compass (ring, icons, badges and dial; no needles).
    Row &standardMapCompass();

    Row &stripBackground(const char *path) { m_object->setStripBkgd(quarn::image(path)); return *this; }
    Row &roadBackground(const char *path) { m_object->setRoadBkgd(quarn::image(path)); return *this; }
    Row &leftArrow(const char *path) { m_object->setLeftArrow(quarn::image(path)); return *this; }
    Row &rightArrow(const char *path) { m_object->setRightArrow(quarn::image(path)); return *this; }
    Row &destinationArrow(const char *path) { m_object->setDestArrow(quarn::image(path)); return *this; }
    Row &objectImage(const char *path) { m_object->objectImage = quarn::image(path); return *this; }
    Row &waypointImage(const char *path) { m_object->waypointImage = quarn::image(path); return *this; }
    Row &moonImage(const char *path) { m_object->moonImage = quarn::image(path); return *this; }
    Row &sunImage(const char *path) { m_object->sunImage = quarn::image(path); return *this; }
    // The strip's letters in member order: west, north, east, south.
    Row &letterImages(const char *west, const char *north, const char *east, const char *south)
    {
        m_object->westLetterImage = quarn::image(west);
        m_object->northLetterImage = quarn::image(north);
        m_object->eastLetterImage = quarn::image(east);
        m_object->southLetterImage = quarn::image(south);
        return *this;
    }
    Row &heading(float degrees) { m_object->setHeading(degrees); return *this; }
    // Bearing and the strip's and road's view angles, each stored normalised.
    Row &angles(float bearing, float stripView, float roadView)
    {
        m_object->bearing = W::normalizeDegree(bearing);
        m_object->stripViewAngle = W::normalizeDegree(stripView);
        m_object->roadViewAngle = W::normalizeDegree(roadView);
        return *this;
    }
    Row &fullCircle(int degrees) { m_object->fullCircle = degrees; return *this; }
    // The strip's nine layout integers, in member order.
    Row &stripLayout(int needleOffset, int stripTop, int roadTop, int letterOffset, int headingLineWidth, int tickWidth,
                     int tickLength, int arrowMargin, int markerSize)
    {
        m_object->needleOffset = needleOffset;
        m_object->stripTop = stripTop;
        m_object->roadTop = roadTop;
        m_object->letterOffset = letterOffset;
        m_object->headingLineWidth = headingLineWidth;
        m_object->tickWidth = tickWidth;
        m_object->tickLength = tickLength;
        m_object->arrowMargin = arrowMargin;
        m_object->markerSize = markerSize;
        return *this;
    }
    Row &needleOffset(int value) { m_object->needleOffset = value; return *this; }
    Row &stripTop(int value) { m_object->stripTop = value; return *this; }
    Row &letterOffset(int value) { m_object->letterOffset = value; return *this; }
    Row &headingLineWidth(int value) { m_object->headingLineWidth = value; return *this; }
    Row &tickWidth(int value) { m_object->tickWidth = value; return *this; }

    // Satellite pictures by signal: weak, medium, strong, none.
    Row &satelliteImages(const char *weak, const char *medium, const char *strong, const char *none)
    {
        m_object->setWeakSat(quarn::image(weak));
        m_object->setMedSat(quarn::image(medium));
        m_object->setStrongSat(quarn::image(strong));
        m_object->setNoSat(quarn::image(none));
        return *this;
    }
    Row &sbasSatelliteImages(const char *weak, const char *medium, const char *strong, const char *none)
    {
        m_object->setSBASWeakSat(quarn::image(weak));
        m_object->setSBASMedSat(quarn::image(medium));
        m_object->setSBASStrongSat(quarn::image(strong));
        m_object->setSBASNoSat(quarn::image(none));
        return *this;
    }

    // --- scroll areas, check boxes and sliders --------------------------------
    Row &widgetResizable(bool on = true) { m_object->setWidgetResizable(on); return *this; }
    Row &checkBoxFlag(bool on = true) { m_object->setCheckBoxFlag(on); return *this; }
    // The slider's frame, its filled and empty bar, then the plus and minus ends.
    Row &sliderImages(const char *frame, const char *filledBar, const char *emptyBar, const char *plus,
                      const char *minus)
    {
        m_object->setFrameImage(quarn::image(frame));
        m_object->setFilledBarImage(quarn::image(filledBar));
        m_object->setEmptyBarImage(quarn::image(emptyBar));
        m_object->setPlusImage(quarn::image(plus));
        m_object->setMinusImage(quarn::image(minus));
        return *this;
    }

    // --- coordinate entry -----------------------------------------------------
    Row &coordType(int type) { m_object->setCoordType(type); return *this; }
    Row &coordSubType(int subType) { m_object->setCoordSubType(subType); return *this; }

    // --- pictures in labels, drop-down integers and animations ----------------
    // The combo box's first and second further integers.
    Row &popupItemMargin(int margin) { m_object->setPopupItemMargin(margin); return *this; }
    Row &popupItemSpacing(int spacing) { m_object->setPopupItemSpacing(spacing); return *this; }
    Row &animationImages(std::initializer_list<const char *> paths) { m_object->setImageList(imagePaths(paths)); return *this; }

    // --- furniture looks -----------------------------------------------------
    // The title text: white, bold antialiased 16 px, centred.
    Row &titleText();
    // The round 74 x 74 menu button face, shifting one pixel when pressed.
    Row &roundButton();
    // A caption under the round menu buttons: at least 70 px wide, plain
    // text, centred, wrapped, 14 px.
    Row &menuCaption();
    // The wide panel button of the detail pages; event propagation on unless asked.
    Row &panelButton(bool withEventPropagation = true);
    // An exclusive choice on a toggle-button face, its mark at 10, 8.
    Row &radioChoice();

    // --- dynamic properties --------------------------------------------------
    Row &property(const char *name, const QVariant &value) { m_object->setProperty(name, value); return *this; }
    Row &imageProperty(const char *name, const char *path) { return property(name, quarn::image(path)); }
    Row &imageListProperty(const char *name, const QStringList &paths) { return property(name, paths); }

private:
    W *m_object;
};

// Creates an object of the field's class under parent (none for a scroll
// area's content), stores it in the field and names it.
template <typename W>
Row<W> make(W *&field, QWidget *parent, const char *objectName)
{
    field = new W(parent);
    field->setObjectName(QString::fromUtf8(objectName));
    return Row<W>(field);
}

} // namespace quarn

#include "core/construction/row_looks.h"
