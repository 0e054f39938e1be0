#include "forms/tracks_routes/ToolsGeofenceDetailsScreen.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsGeofenceDetailsScreen &ui, QWidget *root)
{
    Root(root, "ToolsGeofenceDetailsScreen").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnSave, ui.statusBar, "btnSave").at(164, 7, 76, 43).labelledActionButton();
    make(ui.iconSave, ui.btnSave, "iconSave").at(22, 7, 32, 32).image(":/Icons/i_MenuIcon_Save.mif");
    make(ui.btnDelete, ui.statusBar, "btnDelete").at(164, 7, 76, 43).actionButton();
    make(ui.iconDelete, ui.btnDelete, "iconDelete").at(22, 7, 32, 32).image(":/Icons/i_MenuIcon_Delete.mif");
    make(ui.iconTitleBar, root, "iconTitleBar").at(0, 21, 240, 33).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.lblGeofenceAreaName, ui.iconTitleBar, "lblGeofenceAreaName")
        .at(0, 7, 240, 20)
        .titleText()
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.comboProximityAlert, root, "comboProximityAlert")
        .at(7, 210, 230, 44)
        .font(Font().pointSize(9).bold())
        .normal(":/Buttons/b_ToggleButton.mif")
        .focused(":/Buttons/b_ToggleButtons_f.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .arrowNormal(":/Icons/i_DropDown_Arrow.mif")
        .arrowPressed(":/Icons/i_DropDown_Arrow_h.mif")
        .arrowOrigin(180, 3)
        .itemNormal(":/Buttons/b_DropDown_Item.mif")
        .itemFocused(":/Buttons/b_DropDown_Item_f.mif")
        .itemPressed(":/Buttons/b_DropDown_Item_h.mif")
        .textMargin(16)
        .eventPropagation()
        .pixelSize(-1);
    make(ui.buttonBorderAlert, root, "buttonBorderAlert")
        .at(7, 66, 230, 44)
        .toggleIcon(":/Buttons/b_ToggleButton.mif", ":/Buttons/b_ToggleButton_h.mif")
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .focused(":/Buttons/b_ToggleButton.mif")
        .stateImage(":/Buttons/b_ToggleButton.mif");
    make(ui.lblShowOnMap_2, ui.buttonBorderAlert, "lblShowOnMap_2").at(41, -2, 121, 44).geofenceAlertLabel();
    make(ui.icon, ui.buttonBorderAlert, "icon")
        .at(2, 2, 38, 38)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_BaseMap.mif");
    make(ui.lblBorderAlert, ui.buttonBorderAlert, "lblBorderAlert").at(167, -2, 41, 44).geofenceAlertLabel();
    make(ui.buttonProximityAlert, root, "buttonProximityAlert")
        .at(7, 117, 230, 44)
        .toggleIcon(":/Buttons/b_ToggleButton.mif", ":/Buttons/b_ToggleButton_h.mif")
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .focused(":/Buttons/b_ToggleButton.mif")
        .stateImage(":/Buttons/b_ToggleButton.mif");
    make(ui.lblShowOnMap_3, ui.buttonProximityAlert, "lblShowOnMap_3").at(41, -1, 121, 44).geofenceAlertLabel();
    make(ui.icon_2, ui.buttonProximityAlert, "icon_2")
        .at(2, 3, 38, 38)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_BaseMap.mif");
    make(ui.lblProximityAlert, ui.buttonProximityAlert, "lblProximityAlert").at(167, -1, 41, 44).geofenceAlertLabel();
    make(ui.chkShowOnMap, root, "chkShowOnMap")
        .at(7, 260, 230, 44)
        .toggleIcon(":/Buttons/b_ToggleButton.mif", ":/Buttons/b_ToggleButton_h.mif")
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .focused(":/Buttons/b_ToggleButton.mif")
        .stateImage(":/Buttons/b_ToggleButton.mif")
        .checkedImage(":/Icons/i_Checkbox_sel.mif")
        .uncheckedImage(":/Icons/i_Checkbox.mif")
        .markPosition(10, 9);
    make(ui.lblShowOnMap_7, ui.chkShowOnMap, "lblShowOnMap_7").at(47, 0, 151, 44).geofenceAlertLabel();
    make(ui.backing, root, "backing").at(14, 171, 215, 32);
    make(ui.lblShowOnMap_6, ui.backing, "lblShowOnMap_6").at(5, 0, 121, 31).geofenceAlertLabel();
}

void retranslateUi(Ui_ToolsGeofenceDetailsScreen &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblGeofenceAreaName->setContent(QString());
    ui.lblShowOnMap_2->setContent(QCoreApplication::translate("ToolsGeofenceDetailsScreen", "Border Alert"));
    ui.lblBorderAlert->setContent(QString());
    ui.lblShowOnMap_3->setContent(QCoreApplication::translate("ToolsGeofenceDetailsScreen", "Proximity Alert"));
    ui.lblProximityAlert->setContent(QString());
    ui.lblShowOnMap_7->setContent(QCoreApplication::translate("ToolsGeofenceDetailsScreen", "Show on Map"));
    ui.lblShowOnMap_6->setContent(QCoreApplication::translate("ToolsGeofenceDetailsScreen", "Distance"));
}

Form<Ui_ToolsGeofenceDetailsScreen, setupUi, retranslateUi> formToolsGeofenceDetailsScreen;

} // namespace

FormLayout &ToolsGeofenceDetailsScreen()
{
    return formToolsGeofenceDetailsScreen;
}

} // namespace quarn::forms
