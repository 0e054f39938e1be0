#include "forms/map/MainMenuScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MainMenuScreenClass &ui, QWidget *root)
{
    Root(root, "MainMenuScreenClass")
        .size(240, 400)
        .property("font", QFont(menuScreenFont()))
        .property("palette", menuScreenPalette());

    make(ui.btnMaps, root, "btnMaps").at(6, 141, 74, 74).roundButton();
    make(ui.iconMaps, ui.btnMaps, "iconMaps").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_Maps.mif");
    make(ui.btnGC, root, "btnGC").at(83, 141, 74, 74).roundButton();
    make(ui.iconGC, ui.btnGC, "iconGC").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_Geocaches.mif");
    make(ui.btnRoutes, root, "btnRoutes").at(160, 141, 74, 74).roundButton();
    make(ui.iconRoutes, ui.btnRoutes, "iconRoutes").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_Routes.mif");
    make(ui.btnAddress, root, "btnAddress").at(6, 244, 74, 74).roundButton();
    make(ui.iconAddress, ui.btnAddress, "iconAddress").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_Address.mif");
    make(ui.btnCamera, root, "btnCamera").at(83, 244, 74, 74).roundButton();
    make(ui.iconCamera, ui.btnCamera, "iconCamera").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_Media.mif");
    make(ui.btnPOI, root, "btnPOI").at(160, 244, 74, 74).roundButton();
    make(ui.iconPOI, ui.btnPOI, "iconPOI").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_POI.mif");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnTools, ui.statusBar, "btnTools")
        .at(90, 7, 60, 43)
        .normal(":/Icons/i_ToolBar_Settings.mif")
        .pressed(":/Icons/i_ToolBar_Settings_h.mif");
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(Font().pointSize(10).bold().aa());
    make(ui.horizontalLayoutWidget, root, "horizontalLayoutWidget").at(5, 34, 316, 80);
    layout(ui.horizontalLayout_4, ui.horizontalLayoutWidget, "horizontalLayout_4")
        .sizeConstraint(QLayout::SetFixedSize);
    make(ui.btnStart, ui.horizontalLayoutWidget, "btnStart").roundButton();
    make(ui.iconStart, ui.btnStart, "iconStart").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_Start.mif");
    make(ui.btnStop, ui.horizontalLayoutWidget, "btnStop").roundButton();
    make(ui.iconStart_2, ui.btnStop, "iconStart_2").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_Stop.mif");
    make(ui.btnWaypoints, ui.horizontalLayoutWidget, "btnWaypoints").roundButton();
    make(ui.iconWpt, ui.btnWaypoints, "iconWpt").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_Waypoints.mif");
    make(ui.btnTracks, ui.horizontalLayoutWidget, "btnTracks").roundButton();
    make(ui.iconTracks, ui.btnTracks, "iconTracks").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_Tracks.mif");
    make(ui.backing, root, "backing").at(1, 111, 238, 30);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(0, 0, 238, 30);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    make(ui.label, ui.layoutWidget, "label").menuCaption();
    make(ui.label_8, ui.layoutWidget, "label_8").menuCaption();
    make(ui.label_2, ui.layoutWidget, "label_2").menuCaption();
    make(ui.label_3, ui.layoutWidget, "label_3").menuCaption().scaledContents();
    make(ui.backing_2, root, "backing_2").at(1, 215, 238, 30);
    make(ui.layoutWidget1, ui.backing_2, "layoutWidget1").at(0, 0, 238, 30);
    layout(ui.horizontalLayout_2, ui.layoutWidget1, "horizontalLayout_2").spacing(4);
    make(ui.label_4, ui.layoutWidget1, "label_4").menuCaption();
    make(ui.label_5, ui.layoutWidget1, "label_5").menuCaption();
    make(ui.label_6, ui.layoutWidget1, "label_6").menuCaption();
    make(ui.backing_3, root, "backing_3").at(1, 316, 238, 30);
    make(ui.layoutWidget2, ui.backing_3, "layoutWidget2").at(0, 0, 238, 30);
    layout(ui.horizontalLayout_3, ui.layoutWidget2, "horizontalLayout_3").spacing(4);
    make(ui.label_7, ui.layoutWidget2, "label_7").menuCaption();
    make(ui.label_10, ui.layoutWidget2, "label_10").menuCaption();
    make(ui.label_11, ui.layoutWidget2, "label_11").menuCaption();

    addMembers(ui.horizontalLayout_4, {ui.btnStart, ui.btnStop, ui.btnWaypoints, ui.btnTracks});
    addMembers(ui.horizontalLayout, {ui.label, ui.label_8, ui.label_2, ui.label_3});
    addMembers(ui.horizontalLayout_2, {ui.label_4, ui.label_5, ui.label_6});
    addMembers(ui.horizontalLayout_3, {ui.label_7, ui.label_10, ui.label_11});
}

void retranslateUi(Ui_MainMenuScreenClass &ui, QWidget *)
{
    ui.label->setContent(QCoreApplication::translate("MainMenuScreenClass", "Start"));
    ui.label_8->setContent(QCoreApplication::translate("MainMenuScreenClass", "Save"));
    ui.label_2->setContent(QCoreApplication::translate("MainMenuScreenClass", "Waypoints"));
    ui.label_3->setContent(QCoreApplication::translate("MainMenuScreenClass", "Tracks"));
    ui.label_4->setContent(QCoreApplication::translate("MainMenuScreenClass", "Maps"));
    ui.label_5->setContent(QCoreApplication::translate("MainMenuScreenClass", "Geocaches"));
    ui.label_6->setContent(QCoreApplication::translate("MainMenuScreenClass", "Routes"));
    ui.label_7->setContent(QCoreApplication::translate("MainMenuScreenClass", "Address"));
    ui.label_10->setContent(QCoreApplication::translate("MainMenuScreenClass", "Media"));
    ui.label_11->setContent(QCoreApplication::translate("MainMenuScreenClass", "POI"));
}

Form<Ui_MainMenuScreenClass, setupUi, retranslateUi> formMainMenuScreenClass;

} // namespace

FormLayout &MainMenuScreenClass()
{
    return formMainMenuScreenClass;
}

} // namespace quarn::forms
