#pragma once

// One row of a form's table: create the object, name it, store it in its Ui
// record field, then apply its settings. A row's settings are written in the
// order they are applied, which is the construction order every form keeps:
// enabled, geometry, size policy, minimum, maximum, palette, font, the
// class's own settings, then dynamic properties.
//
// Row is a template over the created class; a setting compiles only for classes
// that have the matching setter, so a form cannot ask a control for something
// it does not do. What a setting does happens out of line (row_setters.h), so
// a row costs a few calls, not the inlined work of each setting.

#include "core/construction/images.h"
#include "core/construction/look.h"
#include "core/construction/row_setters.h"

#include <QComboBox>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLocale>
#include <QRect>
#include <QPalette>
#include <QPoint>
#include <QSize>
#include <QSizePolicy>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <initializer_list>
#include <type_traits>

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
    Row &at(int x, int y, int width, int height) { detail::place(m_object, x, y, width, height); return *this; }
    // Stretch 0 unless given; height-for-width is kept from the current policy.
    Row &sizePolicy(QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical, int horizontalStretch = 0,
                    int verticalStretch = 0)
    {
        detail::setSizePolicy(m_object, horizontal, vertical, horizontalStretch, verticalStretch);
        return *this;
    }
    Row &minSize(int width, int height) { m_object->setMinimumSize(QSize(width, height)); return *this; }
    Row &maxSize(int width, int height) { m_object->setMaximumSize(QSize(width, height)); return *this; }
    Row &baseSize(int width, int height) { m_object->setBaseSize(QSize(width, height)); return *this; }
    Row &sizeIncrement(int width, int height) { m_object->setSizeIncrement(QSize(width, height)); return *this; }
    Row &palette(const QPalette &palette) { m_object->setPalette(palette); return *this; }
    // The shared palette of these colours.
    Row &palette(const Colours &colours) { m_object->setPalette(colours.palette()); return *this; }
    // The control's own font setter where it has one, else the widget font.
    Row &font(const QFont &font) { m_object->setFont(font); return *this; }
    Row &font(const Font &font) { m_object->setFont(font.font()); return *this; }
    Row &widgetFont(const QFont &font) { static_cast<QWidget *>(m_object)->setFont(font); return *this; }
    Row &widgetFont(const Font &font) { static_cast<QWidget *>(m_object)->setFont(font.font()); return *this; }

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
    Row &content(const char *text) { detail::setText(m_object, detail::setter<W, const QString &>(&W::setContent), text); return *this; }
    Row &alignHCenter(bool on = true) { m_object->setAlignHCenter(on); return *this; }
    Row &alignVCenter(bool on = true) { m_object->setAlignVCenter(on); return *this; }
    Row &html(const QString &html) { m_object->setHtml(html); return *this; }
    Row &scrollBars(Qt::ScrollBarPolicy horizontal, Qt::ScrollBarPolicy vertical)
    {
        m_object->setHorizontalScrollBarPolicy(horizontal);
        m_object->setVerticalScrollBarPolicy(vertical);
        return *this;
    }
    Row &horizontalScrollBar(Qt::ScrollBarPolicy policy) { m_object->setHorizontalScrollBarPolicy(policy); return *this; }
    Row &verticalScrollBar(Qt::ScrollBarPolicy policy) { m_object->setVerticalScrollBarPolicy(policy); return *this; }

    // --- images --------------------------------------------------------------
    Row &image(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setImage), path); return *this; }
    Row &normal(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setNormal), path); return *this; }
    Row &pressed(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setPressed), path); return *this; }
    Row &focused(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setFocused), path); return *this; }
    Row &stateImage(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setStateImage), path); return *this; }
    // normal / pressed in one go, the pair most buttons have.
    Row &faces(const char *normalPath, const char *pressedPath) { return normal(normalPath).pressed(pressedPath); }
    Row &statusImages(std::initializer_list<const char *> paths)
    {
        detail::setImageList(m_object, detail::setter<W, const QStringList &>(&W::setImages), paths);
        return *this;
    }
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
    Row &checkedImage(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setCheckedImg), path); return *this; }
    Row &uncheckedImage(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setUncheckedImg), path); return *this; }
    Row &markPosition(int x, int y) { m_object->setMarkPosition(QPoint(x, y)); return *this; }
    // A plain Qt button icon for the off and on states of a toggle, default size.
    Row &toggleIcon(const char *offPath, const char *onPath) { m_object->setIcon(quarn::toggleIcon(offPath, onPath)); return *this; }

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
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setUpArrowNormal), upNormal);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setUpArrowPressed), upPressed);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setDownArrowNormal), downNormal);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setDownArrowPressed), downPressed);
        return *this;
    }
    Row &spinBackground(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setBackground), path); return *this; }
    Row &blocking(bool on = true) { m_object->setBlocking(on); return *this; }
    Row &cyclic(bool on = true) { m_object->setCyclic(on); return *this; }
    Row &fontSize(int points) { m_object->setFontSize(points); return *this; }
    Row &maxValue(int value) { m_object->setMaxValue(value); return *this; }

    // --- compasses and the sky view -------------------------------------------
    // Needles of the dial and of the strip compass, set green, yellow, red, blue.
    Row &needles(const char *green, const char *yellow, const char *red, const char *blue)
    {
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setGreenNeedle), green);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setYellowNeedle), yellow);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setRedNeedle), red);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setBlueNeedle), blue);
        return *this;
    }
    Row &compassRing(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setCompassRing), path); return *this; }
    Row &northImage(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setNorth), path); return *this; }
    Row &northArrowImage(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setArrow), path); return *this; }
    // The dial's pictures and placement are plain members, assigned directly.
    Row &targetIcon(const char *path) { detail::assignImage(m_object, detail::member<W, QPixmap>(&W::targetIcon), path); return *this; }
    Row &sunIcon(const char *path) { detail::assignImage(m_object, detail::member<W, QPixmap>(&W::sunIcon), path); return *this; }
    Row &moonIcon(const char *path) { detail::assignImage(m_object, detail::member<W, QPixmap>(&W::moonIcon), path); return *this; }
    Row &cardinalBadges(const char *north, const char *west, const char *south, const char *east)
    {
        detail::assignImage(m_object, detail::member<W, QPixmap>(&W::northBadge), north);
        detail::assignImage(m_object, detail::member<W, QPixmap>(&W::westBadge), west);
        detail::assignImage(m_object, detail::member<W, QPixmap>(&W::southBadge), south);
        detail::assignImage(m_object, detail::member<W, QPixmap>(&W::eastBadge), east);
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

    Row &stripBackground(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setStripBkgd), path); return *this; }
    Row &roadBackground(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setRoadBkgd), path); return *this; }
    Row &leftArrow(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setLeftArrow), path); return *this; }
    Row &rightArrow(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setRightArrow), path); return *this; }
    Row &destinationArrow(const char *path) { detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setDestArrow), path); return *this; }
    Row &objectImage(const char *path) { detail::assignImage(m_object, detail::member<W, QPixmap>(&W::objectImage), path); return *this; }
    Row &waypointImage(const char *path) { detail::assignImage(m_object, detail::member<W, QPixmap>(&W::waypointImage), path); return *this; }
    Row &moonImage(const char *path) { detail::assignImage(m_object, detail::member<W, QPixmap>(&W::moonImage), path); return *this; }
    Row &sunImage(const char *path) { detail::assignImage(m_object, detail::member<W, QPixmap>(&W::sunImage), path); return *this; }
    // The strip's letters in member order: west, north, east, south.
    Row &letterImages(const char *west, const char *north, const char *east, const char *south)
    {
        detail::assignImage(m_object, detail::member<W, QPixmap>(&W::westLetterImage), west);
        detail::assignImage(m_object, detail::member<W, QPixmap>(&W::northLetterImage), north);
        detail::assignImage(m_object, detail::member<W, QPixmap>(&W::eastLetterImage), east);
        detail::assignImage(m_object, detail::member<W, QPixmap>(&W::southLetterImage), south);
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
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setWeakSat), weak);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setMedSat), medium);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setStrongSat), strong);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setNoSat), none);
        return *this;
    }
    Row &sbasSatelliteImages(const char *weak, const char *medium, const char *strong, const char *none)
    {
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setSBASWeakSat), weak);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setSBASMedSat), medium);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setSBASStrongSat), strong);
        detail::setImage(m_object, detail::setter<W, const QPixmap &>(&W::setSBASNoSat), none);
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
    Row &modifiable(bool on = true) { m_object->setModifiable(on); return *this; }

    // --- pictures in labels, drop-down integers and animations ----------------
    Row &pixmap(const char *path) { m_object->setPixmap(quarn::image(path)); return *this; }
    // The combo box's first and second further integers.
    Row &popupItemMargin(int margin) { m_object->setPopupItemMargin(margin); return *this; }
    Row &popupItemSpacing(int spacing) { m_object->setPopupItemSpacing(spacing); return *this; }
    Row &animationImages(std::initializer_list<const char *> paths) { m_object->setImageList(imagePaths(paths)); return *this; }
    // --- animations, graphs, calendars and text editors ------------------------
    Row &interval(int milliseconds) { m_object->setInterval(milliseconds); return *this; }
    Row &drawingArea(int x, int y, int width, int height) { m_object->setDrawingArea(QRect(x, y, width, height)); return *this; }
    Row &drawCursorFlags(int flags) { m_object->setDrawCursorFlags(flags); return *this; }
    Row &dateEditEnabled(bool on) { m_object->setDateEditEnabled(on); return *this; }
    Row &locale(const QLocale &locale) { m_object->setLocale(locale); return *this; }
    Row &tabStopWidth(int pixels) { m_object->setTabStopDistance(pixels); return *this; }
    // The combo box's two popup integers, in member order.
    Row &popupItemMargins(int margin, int spacing)
    {
        m_object->setPopupItemMargin(margin);
        m_object->setPopupItemSpacing(spacing);
        return *this;
    }
    // --- keyboard, coordinate entry, palettes and animations -----------------
    Row &textInteraction(Qt::TextInteractionFlags flags) { m_object->setTextInteractionFlags(flags); return *this; }
    // Prompt images go by path; the control loads them itself.
    Row &promptImages(const char *normalPath, const char *focusedPath)
    {
        m_object->setNormalPromptImage(QString::fromUtf8(normalPath));
        m_object->setFocusedPromptImage(QString::fromUtf8(focusedPath));
        return *this;
    }
    Row &autoCompletion(bool on) { m_object->setAutoCompletion(on); return *this; }
    // A key's faces in the control's order: normal, focused, pressed, then the
    // disabled face where the key has one.
    Row &keyImages(const char *normalPath, const char *focusedPath, const char *pressedPath,
                   const char *disabledPath = nullptr)
    {
        m_object->setKeyNormal(quarn::image(normalPath));
        m_object->setKeyFocused(quarn::image(focusedPath));
        m_object->setKeyPressed(quarn::image(pressedPath));
        if (disabledPath)
            m_object->setKeyDisabled(quarn::image(disabledPath));
        return *this;
    }
    Row &keyCode(int key) { m_object->setKeyCode(key); return *this; }
    Row &secondKeyCode(int key) { m_object->setSecondKeyCode(key); return *this; }
    // Colours as six-digit hexadecimal RGB, in the order the control shows them.
    Row &paletteValues(std::initializer_list<const char *> values)
    {
        QStringList colours;
        for (const char *value : values)
            colours.append(QString::fromLatin1(value));
        m_object->setPaletteValues(colours);
        return *this;
    }

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

    // The graph's pens and brush are plain members, assigned in the order given.
    Row &curveBrush(const QBrush &brush) { m_object->curveBrush = brush; return *this; }
    Row &curveColor(const QColor &colour) { m_object->curveColor = colour; return *this; }
    Row &curveWidth(int width) { m_object->curveWidth = width; return *this; }
    Row &cursorLineColor(const QColor &colour) { m_object->cursorLineColor = colour; return *this; }
    Row &cursorLineWidth(int width) { m_object->cursorLineWidth = width; return *this; }
    Row &cursorImage(const char *path) { m_object->cursorImage = quarn::image(path); return *this; }
    Row &drawGrid(bool on) { m_object->drawGrid = on; return *this; }

    // --- shared looks ----------------------------------------------------------
    // Applies a look routine of core/construction to the object at this point
    // of its row.
    template <typename Look>
    Row &with(Look look) { look(m_object); return *this; }

    // --- dynamic properties --------------------------------------------------
    Row &property(const char *name, const QVariant &value) { detail::setProperty(m_object, name, value); return *this; }
    // Plain numbers and flags without a variant at every row.
    template <typename T, std::enable_if_t<std::is_same_v<T, int> || std::is_same_v<T, bool>, int> = 0>
    Row &property(const char *name, T value)
    {
        detail::setProperty(m_object, name, value);
        return *this;
    }
    Row &imageProperty(const char *name, const char *path) { detail::setImageProperty(m_object, name, path); return *this; }
    Row &imageListProperty(const char *name, const QStringList &paths) { return property(name, QVariant(paths)); }

private:
    W *m_object;
};

// Creates an object of the field's class under parent (none for a scroll
// area's content), stores it in the field and names it.
template <typename W>
Row<W> make(W *&field, QWidget *parent, const char *objectName)
{
    field = static_cast<W *>(detail::makeObject(&detail::construct<W>, parent, objectName));
    return Row<W>(field);
}

} // namespace quarn

#include "core/construction/row_looks.h"
