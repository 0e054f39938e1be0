#include "core/construction/row.h"

#include "core/construction/images.h"
#include "core/construction/look.h"
#include "controls/zel_abstract_check_button.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_coord_entry_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"

namespace quarn {

namespace {

// What tells the standard and the small combo box apart.
struct ComboBoxFaces {
    const char *normal;
    const char *focused;
    const char *pressed;
    const char *itemNormal;
    const char *itemFocused;
    const char *itemPressed;
    int arrowTop;
};

void applyComboBoxFaces(ZelComboBox *comboBox, const ComboBoxFaces &faces)
{
    comboBox->QWidget::setFont(Font().bold());
    comboBox->setFontPixelSize(14);
    comboBox->setNormal(picture(faces.normal));
    comboBox->setFocused(picture(faces.focused));
    comboBox->setPressed(picture(faces.pressed));
    comboBox->setArrowNormal(picture(":/Icons/i_DropDown_Arrow.mif"));
    comboBox->setArrowPressed(picture(":/Icons/i_DropDown_Arrow_h.mif"));
    comboBox->setArrowOrigin(QPoint(180, faces.arrowTop));
    comboBox->setItemNormal(picture(faces.itemNormal));
    comboBox->setItemFocused(picture(faces.itemFocused));
    comboBox->setItemPressed(picture(faces.itemPressed));
}

} // namespace

void looks::standardComboBox(ZelComboBox *comboBox)
{
    applyComboBoxFaces(comboBox,
                       {":/Buttons/b_ToggleButton.mif", ":/Buttons/b_ToggleButtons_f.mif",
                        ":/Buttons/b_ToggleButton_h.mif", ":/Buttons/b_DropDown_Item.mif",
                        ":/Buttons/b_DropDown_Item_f.mif", ":/Buttons/b_DropDown_Item_h.mif", 3});
    comboBox->setTextMargin(16);
}

void looks::smallComboBox(ZelComboBox *comboBox)
{
    applyComboBoxFaces(comboBox,
                       {":/Buttons/b_ToggleButton_small.mif", ":/Buttons/b_ToggleButtons_small_f.mif",
                        ":/Buttons/b_ToggleButton_small_h.mif", ":/Buttons/b_DropDown_Item_small.mif",
                        ":/Buttons/b_DropDown_Item_small_f.mif", ":/Buttons/b_DropDown_Item_small_h.mif", 5});
    comboBox->setPopupItemMargin(10);
    comboBox->setPopupItemSpacing(5);
}

void looks::roundButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Buttons/b_RoundButton.mif"));
    button->setPressed(picture(":/Buttons/b_RoundButton_h.mif"));
    button->setShiftOnPress(QPoint(1, 1));
}

void looks::panelText(ZelTextBox *text)
{
    text->setPalette(blackText());
    text->setFont(boldAA());
}

void looks::titleText(ZelTextBox *textBox)
{
    textBox->setPalette(whiteText());
    textBox->setFont(boldAA());
    textBox->setAlignment(align::Centre);
    textBox->setFontPixelSize(16);
}

void looks::panelButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Buttons/b_Panel_01.mif"));
    button->setPressed(picture(":/Buttons/b_Panel_01_h.mif"));
    button->setFocused(picture(":/Buttons/b_Panel_01_f.mif"));
}

void looks::plainPanelButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Buttons/b_Panel_01.mif"));
    button->setPressed(picture(":/Buttons/b_Panel_01_h.mif"));
}

void looks::actionButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Buttons/b_Menu.mif"));
    button->setPressed(picture(":/Buttons/b_Menu_h.mif"));
}

void looks::contextMenuButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Icons/i_ToolBar_Menu.mif"));
    button->setPressed(picture(":/Icons/i_ToolBar_Menu_h.mif"));
}

void looks::closedPageButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Buttons/b_Geocache_Details_PageClosed.mif"));
    button->setPressed(picture(":/Buttons/b_Geocache_Details_PageClosed_h.mif"));
    button->setFocused(picture(":/Buttons/b_Geocache_Details_PageClosed_f.mif"));
}

void looks::listButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Buttons/b_list.mif"));
    button->setPressed(picture(":/Buttons/b_list_h.mif"));
    button->setFocused(picture(":/Buttons/b_list_f.mif"));
}

void looks::listCheckBox(ZelAbstractCheckButton *button)
{
    button->setCheckedImg(picture(":/Icons/i_Checkbox_sel.mif"));
    button->setUncheckedImg(picture(":/Icons/i_Checkbox.mif"));
    button->setMarkPosition(QPoint(12, 12));
    button->setNormal(picture(":/Buttons/b_list.mif"));
    button->setPressed(picture(":/Buttons/b_list_h.mif"));
}

void looks::toggleButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Buttons/b_ToggleButton.mif"));
    button->setPressed(picture(":/Buttons/b_ToggleButton_h.mif"));
    button->setFocused(picture(":/Buttons/b_ToggleButtons_f.mif"));
}

void looks::goButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Icons/i_ToolBar_Go.mif"));
    button->setPressed(picture(":/Icons/i_ToolBar_Go_h.mif"));
}

void looks::mapPreviewButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Icons/i_ToolBar_PreviewRouteOnMap.mif"));
    button->setPressed(picture(":/Icons/i_ToolBar_PreviewRouteOnMap_h.mif"));
}

void looks::radioChoice(ZelAbstractCheckButton *button)
{
    button->setCheckedImg(picture(":/Icons/i_RadioButton_sel.mif"));
    button->setUncheckedImg(picture(":/Icons/i_RadioButton.mif"));
    button->setMarkPosition(QPoint(10, 8));
    looks::toggleButton(button);
}

void looks::routeComboBox(ZelComboBox *comboBox)
{
    comboBox->setNormal(picture(":/Buttons/b_ToggleButton.mif"));
    comboBox->setFocused(picture(":/Buttons/b_ToggleButtons_f.mif"));
    comboBox->setPressed(picture(":/Buttons/b_ToggleButton_h.mif"));
    comboBox->setArrowNormal(picture(":/Buttons/b_KB_AdjustDown_off.mif"));
    comboBox->setArrowPressed(picture(":/Buttons/b_KB_AdjustDown_on.mif"));
    comboBox->setArrowOrigin(QPoint(195, 15));
    comboBox->setItemNormal(picture(":/Buttons/b_DropDown_Item.mif"));
    comboBox->setItemFocused(picture(":/Buttons/b_DropDown_Item_f.mif"));
    comboBox->setItemPressed(picture(":/Buttons/b_DropDown_Item_h.mif"));
}

void looks::settingCaption(ZelTextBox *caption)
{
    caption->setFont(boldAA());
    caption->setScaledContents(true);
    caption->setFontPixelSize(14);
}

void looks::quickInfoText(ZelTextBox *text)
{
    text->setPalette(whiteTextDimDisabled());
    text->setFont(boldAA());
    text->setScaledContents(true);
    text->setAlignment(align::LeftVCentre);
    text->setFontPixelSize(12);
}

namespace {

void applyMediaInfoText(ZelTextBox *text, const QFont &font, Qt::Alignment alignment, int pixels)
{
    text->setFont(font);
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(alignment);
    text->setFontPixelSize(pixels);
}

} // namespace

void looks::mediaInfoName(ZelTextBox *name)
{
    applyMediaInfoText(name, boldAA(), align::LeftVCentre, 13);
    name->setTextBoxFlags(true, false);
    name->setTextBoxNumber(int(TextBoxNumber::MediaInfo));
}

void looks::mediaInfoValue(ZelTextBox *value)
{
    applyMediaInfoText(value, boldAA(), align::RightVCentre, 13);
    value->setTextBoxNumber(int(TextBoxNumber::MediaInfo));
}

void looks::mediaInfoSmallPrint(ZelTextBox *text)
{
    applyMediaInfoText(text, aaFont(), align::RightVCentre, 12);
    text->setTextBoxNumber(int(TextBoxNumber::MediaInfo));
}

void looks::trackInfoName(ZelTextBox *name)
{
    name->setPalette(whiteTextRoleDimDisabled());
    name->setFontPixelSize(14);
    name->setAlignment(align::LeftTop);
    name->setWordWrap(true);
}

void looks::trackInfoValue(ZelTextBox *value)
{
    value->setPalette(whiteTextRoleDimDisabled());
    value->setFont(boldAA());
    value->setFontPixelSize(14);
    value->setAlignment(align::LeftTop);
}

void looks::numericParameterEntry(zelCoordEntryWidget *entry)
{
    entry->setFont(Font().pointSize(16));
    entry->setCoordType(int(CoordType::NumericParameter));
}

// Black, grey when disabled, in the antialiased normal weight.
void looks::plainPanelText(ZelTextBox *text)
{
    text->setPalette(blackText());
    text->setFont(normalWeightAA());
}

// Bold antialiased 14 px.
void looks::caption(ZelTextBox *caption)
{
    caption->setFont(boldAA());
    caption->setFontPixelSize(14);
}

namespace {

template <typename Text>
void applySmallBoldText(Text *text)
{
    text->setFont(boldAA());
    text->setFontPixelSize(12);
}

} // namespace

// Bold antialiased 12 px.
void looks::smallCaption(ZelTextBox *caption)
{
    applySmallBoldText(caption);
}

void looks::smallCaption(ZelTextArea *caption)
{
    applySmallBoldText(caption);
}

// Bold antialiased 14 px, centred.
void looks::buttonLabel(ZelTextBox *label)
{
    label->setFont(boldAA());
    label->setAlignment(align::Centre);
    label->setFontPixelSize(14);
}

// Bold antialiased, the first display flag on.
void looks::listItemName(ZelTextBox *name)
{
    name->setFont(boldAA());
    name->setTextBoxFlags(true, false);
}

// Normal-weight antialiased 11 px, the first display flag on.
void looks::listItemDetail(ZelTextBox *detail)
{
    detail->setFont(normalWeightAA());
    detail->setFontPixelSize(11);
    detail->setTextBoxFlags(true, false);
}

// Black text and button text, grey when disabled, bold antialiased 12 px.
void looks::distanceBarText(ZelTextBox *text)
{
    text->setPalette(blackText().role(QPalette::ButtonText, kBlack, kDisabledText));
    text->setFont(boldAA());
    text->setFontPixelSize(12);
}

// Bold antialiased 14 px, the two display flags off.
void looks::datumParameterName(ZelTextBox *name)
{
    name->setFont(boldAA());
    name->setFontPixelSize(14);
    name->setTextBoxFlags(false, false);
}

// Bold antialiased 14 px, wrapped, the three display flags off.
void looks::gridParameterName(ZelTextBox *name)
{
    name->setFont(boldAA());
    name->setWordWrap(true);
    name->setFontPixelSize(14);
    name->setTextBoxFlags(false, false, false);
}

// Bold antialiased 12 px, scaled, left and vertically centred.
void looks::popupCoordinates(ZelTextBox *text)
{
    text->setFont(boldAA());
    text->setScaledContents(true);
    text->setAlignment(align::LeftVCentre);
    text->setFontPixelSize(12);
}

// Bold antialiased 14 px on one line, right and vertically centred, the first
// display flag on.
void looks::locationCoordinate(ZelTextBox *text)
{
    text->setFont(boldAA());
    text->setFontPixelSize(14);
    text->setAlignment(align::RightVCentre);
    text->setWordWrap(false);
    text->setTextBoxFlags(true, false);
}

// White, bold antialiased 12 px, right and vertically centred.
void looks::titlePageNumber(ZelTextBox *text)
{
    text->setPalette(whiteText());
    text->setFont(boldAA());
    text->setAlignment(align::RightVCentre);
    text->setFontPixelSize(12);
}

// White button text, grey when disabled, 12 px, right and vertically centred.
void looks::listHeaderCount(ZelTextBox *text)
{
    text->setPalette(Colours().role(QPalette::ButtonText, kWhite, kDisabledText));
    text->setFontPixelSize(12);
    text->setAlignment(align::RightVCentre);
}

// Normal-weight antialiased 14 px, cut short with an ellipsis.
void looks::filterChoice(ZelTextBox *text)
{
    text->setFont(normalWeightAA());
    detail::setProperty(text, "fontPixelSize", 14);
    detail::setProperty(text, "ellipsis", true);
}

// Antialiased 14 px in the default weight.
void looks::regularValue(ZelTextBox *value)
{
    value->setFont(aaFont());
    value->setFontPixelSize(14);
}

// Antialiased 14 px in the default weight, scaled.
void looks::memoryFigureName(ZelTextBox *name)
{
    name->setFont(aaFont());
    name->setScaledContents(true);
    name->setFontPixelSize(14);
}

// Normal-weight antialiased 18 px, left and vertically centred.
void looks::geofenceAlertLabel(ZelTextBox *label)
{
    label->setFont(normalWeightAA());
    label->setFontPixelSize(18);
    label->setAlignment(align::LeftVCentre);
}

// Bold antialiased 14 px plain text, centred and wrapped.
void looks::mediaMenuCaption(ZelTextBox *caption)
{
    caption->setFont(boldAA());
    caption->setTextFormat(Qt::PlainText);
    caption->setAlignment(align::Centre);
    caption->setWordWrap(true);
    caption->setFontPixelSize(14);
}

// Vertical bar always on, horizontal never, the page sized to the area.
void looks::scrollingPage(ZelScrollArea *scrollArea)
{
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setWidgetResizable(true);
}

// The contextual menu's cross: normal, pressed.
void looks::closeButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Buttons/b_ContextualMenu_Close.mif"));
    button->setPressed(picture(":/Buttons/b_ContextualMenu_Close_h.mif"));
}

// The toggle-button face in every state, not shifting when pressed.
void looks::flatToggleButton(ZelPushButton *button)
{
    button->setNormal(picture(":/Buttons/b_ToggleButton.mif"));
    button->setPressed(picture(":/Buttons/b_ToggleButton.mif"));
    button->setFocused(picture(":/Buttons/b_ToggleButton.mif"));
    button->setShiftOnPress(QPoint(0, 0));
}

// A 13 pt font, read-only and not modifiable.
void looks::coordinateDisplay(zelCoordEntryWidget *entry)
{
    entry->setFont(Font().pointSize(13));
    entry->setReadOnly(true);
    entry->setModifiable(false);
}

// White bold antialiased 16 px, centred.
void looks::actionButtonLabel(ZelTextBox *label)
{
    label->setPalette(whiteButtonText());
    label->setFont(boldAA());
    label->setAlignment(align::Centre);
    label->setFontPixelSize(16);
}

void looks::labelledActionButton(ZelPushButton *button)
{
    button->setFont(aaFont());
    looks::actionButton(button);
}

// Normal weight 13 px, at the top left, wrapped.
void looks::distancePageName(ZelTextBox *name)
{
    looks::plainPanelText(name);
    name->setAlignment(align::LeftTop);
    name->setWordWrap(true);
    name->setFontPixelSize(13);
}

// Bold 14 px, at the top left.
void looks::distancePageValue(ZelTextBox *value)
{
    looks::panelText(value);
    value->setAlignment(align::LeftTop);
    value->setFontPixelSize(14);
}

// Bold 14 px, right and vertically centred.
void looks::paneValue(ZelTextBox *value)
{
    looks::panelText(value);
    value->setAlignment(align::RightVCentre);
    value->setFontPixelSize(14);
}

// Bold antialiased 16 px, wrapped.
void looks::largeCaption(ZelTextBox *caption)
{
    caption->setFont(boldAA());
    caption->setWordWrap(true);
    caption->setFontPixelSize(16);
}

// The brightness screens' font at 14 px, scaled to the box.
void looks::levelCaption(ZelTextBox *caption)
{
    caption->setFont(brightnessScreenFont());
    caption->setScaledContents(true);
    caption->setFontPixelSize(14);
}

// The setting caption in black.
void looks::filterButtonCaption(ZelTextBox *caption)
{
    caption->setPalette(blackText());
    looks::settingCaption(caption);
}

} // namespace quarn
