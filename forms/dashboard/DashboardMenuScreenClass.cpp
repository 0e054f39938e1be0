#include "forms/dashboard/DashboardMenuScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_DashboardMenuScreenClass &ui, QWidget *root)
{
    Root(root, "DashboardMenuScreenClass")
        .size(240, 400)
        .property("font", QFont(menuScreenFont()))
        .property("palette", menuScreenPalette());

    make(ui.btnSatellite, root, "btnSatellite").at(6, 141, 74, 74).roundButton();
    make(ui.iconSatellite, ui.btnSatellite, "iconSatellite").at(0, 0, 74, 74).image(":/Icons/i_DashMenu_Satellite.mif");
    make(ui.btnBarometer, root, "btnBarometer").at(83, 141, 74, 74).roundButton();
    make(ui.iconBarometer, ui.btnBarometer, "iconBarometer").at(0, 0, 74, 74).image(":/Icons/i_DashMenu_Barometer.mif");
    make(ui.btnAltimeter, root, "btnAltimeter").at(160, 141, 74, 74).roundButton();
    make(ui.iconAltimeter, ui.btnAltimeter, "iconAltimeter").at(0, 0, 74, 74).image(":/Icons/i_DashMenu_Altimeter.mif");
    make(ui.btnDashboard, root, "btnDashboard").at(6, 244, 74, 74).roundButton();
    make(ui.iconDashboard, ui.btnDashboard, "iconDashboard").at(0, 0, 74, 74).image(":/Icons/i_DashMenu_Dashboard.mif");
    make(ui.btnDataFields, root, "btnDataFields").at(83, 244, 74, 74).roundButton();
    make(ui.iconDataFields, ui.btnDataFields, "iconDataFields")
        .at(0, 0, 74, 74)
        .image(":/Icons/i_DashMenu_DataFieldsOnly.mif");
    make(ui.btnProfiles, root, "btnProfiles").at(160, 244, 74, 74).roundButton();
    make(ui.iconProfiles, ui.btnProfiles, "iconProfiles").at(0, 0, 74, 74).image(":/Icons/i_DashMenu_Profiles.mif");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(Font().pointSize(10).bold().aa());
    make(ui.horizontalLayoutWidget, root, "horizontalLayoutWidget").at(5, 34, 316, 80);
    layout(ui.horizontalLayout_4, ui.horizontalLayoutWidget, "horizontalLayout_4")
        .sizeConstraint(QLayout::SetFixedSize);
    make(ui.btnCompass, ui.horizontalLayoutWidget, "btnCompass").roundButton();
    make(ui.iconCompass, ui.btnCompass, "iconCompass").at(-1, 0, 74, 74).image(":/Icons/i_DashMenu_Compass.mif");
    make(ui.btnRoadCompass, ui.horizontalLayoutWidget, "btnRoadCompass").roundButton();
    make(ui.iconRoadCompass, ui.btnRoadCompass, "iconRoadCompass")
        .at(0, 0, 74, 74)
        .image(":/Icons/i_DashMenu_RoadCompass.mif");
    make(ui.btnStripCompass, ui.horizontalLayoutWidget, "btnStripCompass").roundButton();
    make(ui.iconStripCompass, ui.btnStripCompass, "iconStripCompass")
        .at(0, 0, 74, 74)
        .image(":/Icons/i_DashMenu_StripCompass.mif");
    make(ui.btnTracks, ui.horizontalLayoutWidget, "btnTracks").roundButton();
    make(ui.iconTracks, ui.btnTracks, "iconTracks").at(0, 0, 74, 74).image(":/Icons/i_MainMenu_Tracks.mif");
    make(ui.backing, root, "backing").at(1, 111, 238, 30);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(2, 0, 235, 29);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout");
    make(ui.label, ui.layoutWidget, "label").menuCaption();
    make(ui.label_8, ui.layoutWidget, "label_8").menuCaption();
    make(ui.label_2, ui.layoutWidget, "label_2").menuCaption();
    make(ui.backing_2, root, "backing_2").at(1, 215, 238, 30);
    make(ui.layoutWidget1, ui.backing_2, "layoutWidget1").at(1, 0, 235, 30);
    layout(ui.horizontalLayout_2, ui.layoutWidget1, "horizontalLayout_2");
    make(ui.satelliteLabel, ui.layoutWidget1, "satelliteLabel").menuCaption();
    make(ui.barometerLabel, ui.layoutWidget1, "barometerLabel").menuCaption();
    make(ui.altimeterLabel, ui.layoutWidget1, "altimeterLabel").menuCaption();
    make(ui.backing_3, root, "backing_3").at(1, 316, 238, 32);
    make(ui.layoutWidget2, ui.backing_3, "layoutWidget2").at(3, 1, 235, 30);
    layout(ui.horizontalLayout_3, ui.layoutWidget2, "horizontalLayout_3");
    make(ui.label_6, ui.layoutWidget2, "label_6").menuCaption();
    make(ui.label_10, ui.layoutWidget2, "label_10").menuCaption();
    make(ui.label_5, ui.layoutWidget2, "label_5").menuCaption();

    addMembers(ui.horizontalLayout_4, {ui.btnCompass, ui.btnRoadCompass, ui.btnStripCompass, ui.btnTracks});
    addMembers(ui.horizontalLayout, {ui.label, ui.label_8, ui.label_2});
    addMembers(ui.horizontalLayout_2, {ui.satelliteLabel, ui.barometerLabel, ui.altimeterLabel});
    addMembers(ui.horizontalLayout_3, {ui.label_6, ui.label_10, ui.label_5});
}

void retranslateUi(Ui_DashboardMenuScreenClass &ui, QWidget *)
{
    ui.label->setContent(QCoreApplication::translate("DashboardMenuScreenClass", "Compass"));
    ui.label_8->setContent(QCoreApplication::translate("DashboardMenuScreenClass", "Road"));
    ui.label_2->setContent(QCoreApplication::translate("DashboardMenuScreenClass", "Strip"));
    ui.satelliteLabel->setContent(QCoreApplication::translate("DashboardMenuScreenClass", "Satellite"));
    ui.barometerLabel->setContent(QCoreApplication::translate("DashboardMenuScreenClass", "Barometer"));
    ui.altimeterLabel->setContent(QCoreApplication::translate("DashboardMenuScreenClass", "Altimeter"));
    ui.label_6->setContent(QCoreApplication::translate("DashboardMenuScreenClass", "Dashboard"));
    ui.label_10->setContent(QCoreApplication::translate("DashboardMenuScreenClass", "Data Only"));
    ui.label_5->setContent(QCoreApplication::translate("DashboardMenuScreenClass", "Profiles"));
}

Form<Ui_DashboardMenuScreenClass, setupUi, retranslateUi> formDashboardMenuScreenClass;

} // namespace

FormLayout &DashboardMenuScreenClass()
{
    return formDashboardMenuScreenClass;
}

} // namespace quarn::forms
