#include "core/construction/furniture.h"

#include "core/construction/look.h"

namespace quarn {

Row<ZelIcon> bottomBar(ZelIcon *&field, QWidget *root, const char *objectName)
{
    return make(field, root, objectName).at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
}

Row<ZelPushButton> backButton(ZelPushButton *&field, QWidget *bottomBar)
{
    return make(field, bottomBar, "btnBack").at(0, 7, 60, 43).faces(":/Buttons/b_Back.mif", ":/Buttons/b_Back_h.mif");
}

Row<ZelPushButton> contextMenuButton(ZelPushButton *&field, QWidget *bottomBar, const char *objectName)
{
    return make(field, bottomBar, objectName)
        .at(180, 7, 60, 43)
        .faces(":/Icons/i_ToolBar_Menu.mif", ":/Icons/i_ToolBar_Menu_h.mif");
}

Row<ZelPushButton> contextMenuButton(ZelPushButton *&field, QWidget *bottomBar, const QFont &font,
                                     const char *objectName)
{
    return make(field, bottomBar, objectName)
        .at(180, 7, 60, 43)
        .font(font)
        .faces(":/Icons/i_ToolBar_Menu.mif", ":/Icons/i_ToolBar_Menu_h.mif");
}

Row<ZelPushButton> barMapButton(ZelPushButton *&field, QWidget *bottomBar)
{
    return make(field, bottomBar, "btnMap")
        .at(60, 7, 60, 43)
        .faces(":/Icons/i_ToolBar_PreviewRouteOnMap.mif", ":/Icons/i_ToolBar_PreviewRouteOnMap_h.mif");
}

Row<ZelPushButton> barGoButton(ZelPushButton *&field, QWidget *bottomBar)
{
    return make(field, bottomBar, "btnGo").at(120, 7, 60, 43).faces(":/Icons/i_ToolBar_Go.mif", ":/Icons/i_ToolBar_Go_h.mif");
}

Row<QWidget> scrollButtonSlot(QWidget *&field, QWidget *bottomBar)
{
    return make(field, bottomBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
}

Row<ZelIcon> titleHeader(ZelIcon *&field, QWidget *root, const char *objectName)
{
    return make(field, root, objectName).at(0, 21, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
}

Row<ZelIcon> titleIcon(ZelIcon *&field, QWidget *titleHeader, const char *objectName, const char *imagePath)
{
    return make(field, titleHeader, objectName).at(4, 4, 38, 38).image(imagePath);
}

Row<ZelPushButton> listHeaderButton(ZelPushButton *&field, QWidget *root)
{
    return make(field, root, "btnListHeader")
        .at(0, 20, 240, 46)
        .normal(":/Bkgd/bkgd_TitleAreaIndicator_big.mif")
        .shiftOnPress(0, 0);
}

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
    comboBox->setNormal(image(faces.normal));
    comboBox->setFocused(image(faces.focused));
    comboBox->setPressed(image(faces.pressed));
    comboBox->setArrowNormal(image(":/Icons/i_DropDown_Arrow.mif"));
    comboBox->setArrowPressed(image(":/Icons/i_DropDown_Arrow_h.mif"));
    comboBox->setArrowOrigin(QPoint(180, faces.arrowTop));
    comboBox->setItemNormal(image(faces.itemNormal));
    comboBox->setItemFocused(image(faces.itemFocused));
    comboBox->setItemPressed(image(faces.itemPressed));
}

} // namespace

void applyStandardComboBox(ZelComboBox *comboBox)
{
    applyComboBoxFaces(comboBox, {":/Buttons/b_ToggleButton.mif", ":/Buttons/b_ToggleButtons_f.mif",
                                  ":/Buttons/b_ToggleButton_h.mif", ":/Buttons/b_DropDown_Item.mif",
                                  ":/Buttons/b_DropDown_Item_f.mif", ":/Buttons/b_DropDown_Item_h.mif", 3});
    comboBox->setTextMargin(16);
    comboBox->setEventPropagation(true);
}

void applySmallComboBox(ZelComboBox *comboBox)
{
    applyComboBoxFaces(comboBox, {":/Buttons/b_ToggleButton_small.mif", ":/Buttons/b_ToggleButtons_small_f.mif",
                                  ":/Buttons/b_ToggleButton_small_h.mif", ":/Buttons/b_DropDown_Item_small.mif",
                                  ":/Buttons/b_DropDown_Item_small_f.mif", ":/Buttons/b_DropDown_Item_small_h.mif", 5});
    comboBox->setPopupItemMargin(10);
    comboBox->setPopupItemSpacing(5);
}

void applyRoundButton(ZelPushButton *button)
{
    button->setNormal(image(":/Buttons/b_RoundButton.mif"));
    button->setPressed(image(":/Buttons/b_RoundButton_h.mif"));
    button->setShiftOnPress(QPoint(1, 1));
}

void applyTitleText(ZelTextBox *textBox)
{
    textBox->setPalette(whiteText());
    textBox->setFont(boldAA());
    textBox->setAlignment(align::Centre);
    textBox->setFontPixelSize(16);
}

void applyPanelButton(ZelPushButton *button, bool withEventPropagation)
{
    button->setNormal(image(":/Buttons/b_Panel_01.mif"));
    button->setPressed(image(":/Buttons/b_Panel_01_h.mif"));
    button->setFocused(image(":/Buttons/b_Panel_01_f.mif"));
    if (withEventPropagation)
        button->setEventPropagation(true);
}

void applyRadioChoice(ZelAbstractCheckButton *button)
{
    button->setCheckedImg(image(":/Icons/i_RadioButton_sel.mif"));
    button->setUncheckedImg(image(":/Icons/i_RadioButton.mif"));
    button->setMarkPosition(QPoint(10, 8));
    button->setNormal(image(":/Buttons/b_ToggleButton.mif"));
    button->setPressed(image(":/Buttons/b_ToggleButton_h.mif"));
    button->setFocused(image(":/Buttons/b_ToggleButtons_f.mif"));
}

} // namespace quarn
