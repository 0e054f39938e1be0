#pragma once

// Looks shared by many rows, kept out of line so every form uses one copy.
//
// The form generator (quarn-layout code) writes a look wherever a row has all
// of its settings; add a look here and to its table in
// tools/quarn-layout/generator/looks.cpp together. Rows that repeat without being
// a look, and why they stay so:
// - a single picture (.image(":/Icons/i_Favorite.mif"), a button's normal and
//   pressed faces): the path already says what is shown;
// - a named font or palette alone, or with a size (.font(tableCellFont()),
//   .panelText().pixelSize(12)): the size is the row's own, the rest is named;
// - a look or picture with sizing or event propagation (.minSize(60,
//   43).maxSize(60, 43).goButton(), .panelButton().eventPropagation()): a look
//   holds no geometry or behaviour;
// - a look with one alignment, wrap or text-box flag of the row's own
//   (.smallCaption().textBoxFlags(TextBoxFlags::FirstOn),
//   .panelText().wordWrap().pixelSize(12)): the look is named, the one setting
//   says itself, and what the flags select is the widget library's;
// - a lone setting (.hidden(), .alignment(Qt::AlignCenter)): nothing to name.

class QObject;
class ZelAbstractCheckButton;
class ZelComboBox;
class ZelPushButton;
class ZelScrollArea;
class ZelTextArea;
class ZelTextBox;
class zelCompass;
class zelCoordEntryWidget;

namespace quarn {

void applyStandardComboBox(ZelComboBox *comboBox);
void applySmallComboBox(ZelComboBox *comboBox);
void applyPanelText(ZelTextBox *text);
void applyTitleText(ZelTextBox *textBox);
void applyRoundButton(ZelPushButton *button);
void applyMenuCaption(ZelTextBox *caption);
void applyPanelButton(ZelPushButton *button);
void applyToggleButton(ZelPushButton *button);
void applyRadioChoice(ZelAbstractCheckButton *button);
void applyGoButton(ZelPushButton *button);
void applyMapPreviewButton(ZelPushButton *button);
void applyRouteComboBox(ZelComboBox *comboBox);
void applySettingCaption(ZelTextBox *caption);
void applyQuickInfoText(ZelTextBox *text);
void applyMediaInfoName(ZelTextBox *name);
void applyMediaInfoValue(ZelTextBox *value);
void applyMediaInfoSmallPrint(ZelTextBox *text);
void applyTrackInfoName(ZelTextBox *name);
void applyTrackInfoValue(ZelTextBox *value);
void applyNumericParameterEntry(zelCoordEntryWidget *entry);
void applyPlainPanelButton(ZelPushButton *button);
void applyActionButton(ZelPushButton *button);
void applyContextMenuButton(ZelPushButton *button);
void applyClosedPageButton(QObject *button);
void applyListButton(ZelPushButton *button);
void applyListCheckBox(ZelAbstractCheckButton *button);
// Ring, target, sun and moon, white north and black other badges, heading and
// bearing 0, turning with the heading, radius 82 about (120, 130); then repaints.
// Parent and geometry stay the form's; the dashboards' own dials are written
// out row by row. Defined in compass.cpp.
void applyStandardMapCompass(zelCompass *compass);
void applyPlainPanelText(ZelTextBox *text);
void applyCaption(ZelTextBox *caption);
void applySmallCaption(ZelTextBox *caption);
void applySmallCaption(ZelTextArea *caption);
void applyButtonLabel(ZelTextBox *label);
void applyListItemName(ZelTextBox *name);
void applyListItemDetail(ZelTextBox *detail);
void applyDistanceBarText(ZelTextBox *text);
void applyDatumParameterName(ZelTextBox *name);
void applyGridParameterName(ZelTextBox *name);
void applyPopupCoordinates(ZelTextBox *text);
void applyLocationCoordinate(ZelTextBox *text);
void applyTitlePageNumber(ZelTextBox *text);
void applyListHeaderCount(ZelTextBox *text);
void applyFilterChoice(ZelTextBox *text);
void applyRegularValue(ZelTextBox *value);
void applyMemoryFigureName(ZelTextBox *name);
void applyGeofenceAlertLabel(ZelTextBox *label);
void applyMediaMenuCaption(ZelTextBox *caption);
void applyScrollingPage(ZelScrollArea *scrollArea);
void applyCloseButton(ZelPushButton *button);
void applyFlatToggleButton(ZelPushButton *button);
void applyCoordinateDisplay(zelCoordEntryWidget *entry);
void applyActionButtonLabel(ZelTextBox *label);
void applyLabelledActionButton(ZelPushButton *button);
void applyDistancePageName(ZelTextBox *name);
void applyDistancePageValue(ZelTextBox *value);
void applyPaneValue(ZelTextBox *value);
void applyLargeCaption(ZelTextBox *caption);
void applyLevelCaption(ZelTextBox *caption);
void applyFilterButtonCaption(ZelTextBox *caption);

template <typename W>
Row<W> &Row<W>::standardComboBox()
{
    applyStandardComboBox(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::smallComboBox()
{
    applySmallComboBox(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::panelText()
{
    applyPanelText(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::titleText()
{
    applyTitleText(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::standardMapCompass()
{
    applyStandardMapCompass(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::roundButton()
{
    applyRoundButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::menuCaption()
{
    applyMenuCaption(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::panelButton()
{
    applyPanelButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::radioChoice()
{
    applyRadioChoice(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::toggleButton()
{
    applyToggleButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::goButton()
{
    applyGoButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::mapPreviewButton()
{
    applyMapPreviewButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::routeComboBox()
{
    applyRouteComboBox(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::settingCaption()
{
    applySettingCaption(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::quickInfoText()
{
    applyQuickInfoText(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::mediaInfoName()
{
    applyMediaInfoName(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::mediaInfoValue()
{
    applyMediaInfoValue(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::mediaInfoSmallPrint()
{
    applyMediaInfoSmallPrint(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::trackInfoName()
{
    applyTrackInfoName(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::trackInfoValue()
{
    applyTrackInfoValue(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::numericParameterEntry()
{
    applyNumericParameterEntry(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::plainPanelButton()
{
    applyPlainPanelButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::actionButton()
{
    applyActionButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::contextMenuButton()
{
    applyContextMenuButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::closedPageButton()
{
    applyClosedPageButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::listButton()
{
    applyListButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::listCheckBox()
{
    applyListCheckBox(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::plainPanelText()
{
    applyPlainPanelText(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::caption()
{
    applyCaption(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::smallCaption()
{
    applySmallCaption(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::buttonLabel()
{
    applyButtonLabel(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::listItemName()
{
    applyListItemName(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::listItemDetail()
{
    applyListItemDetail(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::distanceBarText()
{
    applyDistanceBarText(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::datumParameterName()
{
    applyDatumParameterName(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::gridParameterName()
{
    applyGridParameterName(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::popupCoordinates()
{
    applyPopupCoordinates(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::locationCoordinate()
{
    applyLocationCoordinate(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::titlePageNumber()
{
    applyTitlePageNumber(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::listHeaderCount()
{
    applyListHeaderCount(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::filterChoice()
{
    applyFilterChoice(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::regularValue()
{
    applyRegularValue(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::memoryFigureName()
{
    applyMemoryFigureName(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::geofenceAlertLabel()
{
    applyGeofenceAlertLabel(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::mediaMenuCaption()
{
    applyMediaMenuCaption(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::scrollingPage()
{
    applyScrollingPage(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::closeButton()
{
    applyCloseButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::flatToggleButton()
{
    applyFlatToggleButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::coordinateDisplay()
{
    applyCoordinateDisplay(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::actionButtonLabel()
{
    applyActionButtonLabel(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::labelledActionButton()
{
    applyLabelledActionButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::distancePageName()
{
    applyDistancePageName(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::distancePageValue()
{
    applyDistancePageValue(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::paneValue()
{
    applyPaneValue(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::largeCaption()
{
    applyLargeCaption(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::levelCaption()
{
    applyLevelCaption(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::filterButtonCaption()
{
    applyFilterButtonCaption(m_object);
    return *this;
}

} // namespace quarn
