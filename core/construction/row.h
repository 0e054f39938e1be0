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
// a row costs a few calls, not the inlined work of each setting. The settings
// come in parts by control family (row_*.h); every part returns the Row, so a
// row's settings chain across them.

#include "core/construction/row_buttons.h"
#include "core/construction/row_combo.h"
#include "core/construction/row_entry.h"
#include "core/construction/row_images.h"
#include "core/construction/row_instruments.h"
#include "core/construction/row_setters.h"
#include "core/construction/row_text.h"
#include "core/construction/row_widget.h"

#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <type_traits>

namespace quarn {

template <typename W>
class Row : public WidgetSettings<W, Row<W>>,
            public TextSettings<W, Row<W>>,
            public ImageSettings<W, Row<W>>,
            public ButtonSettings<W, Row<W>>,
            public ComboSettings<W, Row<W>>,
            public EntrySettings<W, Row<W>>,
            public InstrumentSettings<W, Row<W>>
{
public:
    explicit Row(W *object)
        : m_object(object)
    {
    }

    operator W *() const { return m_object; }
    W *object() const { return m_object; }

    // --- shared looks, out of line in row_looks.h -------------------------------
    // The standard combo box; a row that passes its events on says so.
    Row &standardComboBox();
    // The 99 x 44 unit chooser of the barometer calibration.
    Row &smallComboBox();
    // The standard map compass (ring, icons, badges and dial; no needles).
    Row &standardMapCompass();
    // Text on the light panel, list and toggle faces: black (dimmed when
    // disabled), bold antialiased; its size is the row's.
    Row &panelText();
    // The title text: white, bold antialiased 16 px, centred.
    Row &titleText();
    // The round 74 x 74 menu button face, shifting one pixel when pressed.
    Row &roundButton();
    // A caption under the round menu buttons: at least 70 px wide, plain
    // text, centred, wrapped, 14 px.
    Row &menuCaption();
    // The wide panel button face of the detail pages: normal, pressed, focused.
    Row &panelButton();
    // The toggle button face of the option screens: normal, pressed, focused.
    Row &toggleButton();
    // An exclusive choice on a toggle-button face, its mark at 10, 8.
    Row &radioChoice();
    // The Go and map-preview toolbar faces: normal and pressed.
    Row &goButton();
    Row &mapPreviewButton();
    // The route combo boxes of the option screens: toggle-button face, the
    // keyboard's down arrow at 195, 15, the standard drop-down items.
    Row &routeComboBox();
    // The caption over a setting's control: bold antialiased 14 px, scaled.
    Row &settingCaption();
    // The read-outs of the quick-info bars: white, dim when disabled, bold
    // antialiased 12 px, scaled, left and vertically centred.
    Row &quickInfoText();
    // The media file details: a field's name (bold 13 px, left), its value
    // (bold 13 px, right) and the small print of a position (12 px, right).
    Row &mediaInfoName();
    Row &mediaInfoValue();
    Row &mediaInfoSmallPrint();
    // The name and value columns of the track information: white text, dim
    // when disabled, 14 px, top left; names wrap, values are bold.
    Row &trackInfoName();
    Row &trackInfoValue();
    // One number of a user datum or grid, entered in a 16 pt font.
    Row &numericParameterEntry();
    // The panel button face of the screens that give it no focus picture.
    Row &plainPanelButton();
    // The 76 x 43 text button of the bottom bars (Next, Save, OK): normal, pressed.
    Row &actionButton();
    // The toolbar icon that opens the options menu: normal, pressed.
    Row &contextMenuButton();
    // The bar that opens a closed page of the geocache lists and filters:
    // normal, pressed, focused, written as properties by name like the rest
    // of those rows' properties.
    Row &closedPageButton();
    // The full-width list button face: normal, pressed, focused.
    Row &listButton();
    // A check box on the list button face, its mark at 12, 12; no focus picture.
    Row &listCheckBox();
    // Text on the light panel and button faces in the normal weight: black
    // (dimmed when disabled); its size is the row's.
    Row &plainPanelText();
    // A caption: of a setting, a status line or a button, in the colour of
    // what it stands on.
    Row &caption();
    // The small caption beside a detail's icon, or a small read-out.
    Row &smallCaption();
    // The label on a button face.
    Row &buttonLabel();
    // The name line of a list row; its size is the row's.
    Row &listItemName();
    // The small second line of a list row: a distance or a change of elevation.
    Row &listItemDetail();
    // The headings and read-outs of the distance, direction and elevation bar.
    Row &distanceBarText();
    // The name of a parameter of the user datum, and of the user grid.
    Row &datumParameterName();
    Row &gridParameterName();
    // The coordinates line of the map pop-ups.
    Row &popupCoordinates();
    // A coordinate or its datum on the location pages.
    Row &locationCoordinate();
    // The page count in a title band.
    Row &titlePageNumber();
    // The page and item count on a list's header bar.
    Row &listHeaderCount();
    // The chosen values of a geocache filter, on the filter's button, written
    // as properties by name like the rest of those rows' properties.
    Row &filterChoice();
    // A value read out in the regular weight: a memory size, a geofence's value.
    Row &regularValue();
    // The name of a memory figure (Total, Map, ...).
    Row &memoryFigureName();
    // The labels of the geofence alert buttons.
    Row &geofenceAlertLabel();
    // A caption on the media menu.
    Row &mediaMenuCaption();
    // A page that scrolls up and down, its bar always shown.
    Row &scrollingPage();
    // The cross that closes a pop-up.
    Row &closeButton();
    // A toggle-button face that shows neither press nor focus.
    Row &flatToggleButton();
    // A coordinate shown, not edited.
    Row &coordinateDisplay();
    // The words on a wide action button (accept, decline, next): white, bold.
    Row &actionButtonLabel();
    // The action button face under a font of its own, for a button with a
    // label or icon laid on it.
    Row &labelledActionButton();
    // The names and the values of the distance, direction and elevation page.
    Row &distancePageName();
    Row &distancePageValue();
    // A value at the right of an information pane: a coordinate, a length.
    Row &paneValue();
    // A caption in large bold type that wraps.
    Row &largeCaption();
    // A caption of the brightness and volume settings.
    Row &levelCaption();
    // A caption on a geocache filter's button, black.
    Row &filterButtonCaption();

    // Applies a look routine of core/construction to the object at this point
    // of its row.
    template <typename Look>
    Row &with(Look look)
    {
        look(m_object);
        return *this;
    }

    // --- dynamic properties, last in a row --------------------------------------
    Row &property(const char *name, const QVariant &value)
    {
        detail::setProperty(m_object, name, value);
        return *this;
    }
    // Plain numbers and flags without a variant at every row.
    template <typename T, std::enable_if_t<std::is_same_v<T, int> || std::is_same_v<T, bool>, int> = 0>
    Row &property(const char *name, T value)
    {
        detail::setProperty(m_object, name, value);
        return *this;
    }
    Row &imageProperty(const char *name, const char *path)
    {
        detail::setImageProperty(m_object, name, path);
        return *this;
    }
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
