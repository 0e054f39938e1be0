#include "forms/map/MapVehicleRouteScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapVehicleRouteScreenClass &ui, QWidget *root)
{
    Root(root, "MapVehicleRouteScreenClass")
        .size(240, 400)
        .point("NavFieldCountEditPosition", 93, 270)
        .property("NavFieldHeight", 50)
        .property("BaseNavFieldsY", 300)
        .property("NavFieldsHorizMargins", 0)
        .property("NavFieldsVertMargins", 0)
        .property("NavFieldsVertSpacing", 3)
        .property("NavFieldsHorizSpacing", 5)
        .property("NavFieldsUpperSpace", 0);

    mapControl(ui.zelMapControl, root);
    make(ui.icon, ui.zelMapControl, "icon")
        .at(0, 20, 240, 98)
        .palette(Colours().role(QPalette::WindowText, kWhite))
        .image(":/Bkgd/bkgd_QuickInfoBar_2.mif");
    make(ui.curManeuver, ui.icon, "curManeuver")
        .at(57, 5, 181, 21)
        .palette(Colours().role(QPalette::WindowText, kWhite))
        .scaledContents()
        .alignment(Qt::AlignCenter)
        .pixelSize(22);
    make(ui.distance, ui.icon, "distance")
        .at(0, 5, 55, 21)
        .palette(Colours().role(QPalette::WindowText, kWhite))
        .scaledContents()
        .alignment(Qt::AlignCenter)
        .pixelSize(22);
    make(ui.button, ui.icon, "button").at(2, 25, 43, 61);
    make(ui.manIndicator, ui.button, "manIndicator")
        .at(0, 10, 43, 46)
        .statusImages(
            {":/maneuvers/Icons/i_Man_01.mif", ":/maneuvers/Icons/i_Man_02.mif", ":/maneuvers/Icons/i_Man_03.mif",
             ":/maneuvers/Icons/i_Man_04.mif", ":/maneuvers/Icons/i_Man_05.mif", ":/maneuvers/Icons/i_Man_06.mif",
             ":/maneuvers/Icons/i_Man_07.mif", ":/maneuvers/Icons/i_Man_08.mif", ":/maneuvers/Icons/i_Man_09.mif",
             ":/maneuvers/Icons/i_Man_10.mif", ":/maneuvers/Icons/i_Man_11.mif", ":/maneuvers/Icons/i_Man_12.mif",
             ":/maneuvers/Icons/i_Man_13.mif", ":/maneuvers/Icons/i_Man_14.mif", ":/maneuvers/Icons/i_Man_15.mif",
             ":/maneuvers/Icons/i_Man_16.mif", ":/maneuvers/Icons/i_Man_17.mif", ":/maneuvers/Icons/i_Man_18.mif",
             ":/Icons/i_WayPoints.mif",        ":/Icons/i_WayPoints.mif",        ":/Icons/i_DestinationIcon.mif"});
    mapCompass(ui.compass, ui.zelMapControl, 0, 80);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    make(ui.dashboardBar, root, "dashboardBar")
        .at(6, 310, 230, 91)
        .property("minNumberOfDataFields", 0)
        .property("maxNumberOfDataFields", 4)
        .property("navFieldsCfg",
                  QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\" "
                             "standalone=\"no\"?>\n<NAV_FIELDS_CONFIGURATION>\n\t<CONFIGURATION_1>\n\t\t<FIELD row = "
                             "\"1\" col = \"1\" image = \":/Bkgd/bkgd_Dashboard_Field_230x50.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_230x50_h.mif\" colspan = \"\" fontSizeHeader=\"12\" "
                             "fontSizeData=\"20\"></FIELD>\n\t</CONFIGURATION_1>\n\n\t<CONFIGURATION_2>\n\t\t<FIELD "
                             "row = \"1\" col = \"1\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed "
                             "= \":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t\t<FIELD row = \"1\" col = "
                             "\"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t</"
                             "CONFIGURATION_2>\n\n\t<CONFIGURATION_3>\n\t\t<FIELD row = \"1\" col = \"1\" image = "
                             "\":/Bkgd/bkgd_Dashboard_Field_230x50.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_230x50_h.mif\" colspan = \"\" fontSizeHeader=\"12\" "
                             "fontSizeData=\"20\"></FIELD>\n\t\t<FIELD row = \"2\" col = \"1\" image = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t\t<FIELD row = \"2\" col = "
                             "\"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t</"
                             "CONFIGURATION_3>\n\n\t<CONFIGURATION_4>\n\t\t<FIELD row = \"1\" col = \"1\" image = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t\t<FIELD row = \"1\" col = "
                             "\"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t\t<FIELD row = \"2\" col = "
                             "\"1\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t\t<FIELD row = \"2\" col = "
                             "\"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t</CONFIGURATION_4>\n</"
                             "NAV_FIELDS_CONFIGURATION>"));
}

void retranslateUi(Ui_MapVehicleRouteScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapVehicleRouteScreenClass", ""));
    //: Sample content, replaced by the host at run time.
    ui.curManeuver->setContent(QCoreApplication::translate("MapVehicleRouteScreenClass", "CURRENT STREET NAME"));
    //: Sample content, replaced by the host at run time.
    ui.distance->setContent(QCoreApplication::translate("MapVehicleRouteScreenClass", "#DIST"));
    ui.compass->setProperty("northLetter", QCoreApplication::translate("MapVehicleRouteScreenClass", "N"));
    ui.compass->setProperty("westLetter", QCoreApplication::translate("MapVehicleRouteScreenClass", "W"));
    ui.compass->setProperty("southLetter", QCoreApplication::translate("MapVehicleRouteScreenClass", "S"));
    ui.compass->setProperty("eastLetter", QCoreApplication::translate("MapVehicleRouteScreenClass", "E"));
}

Form<Ui_MapVehicleRouteScreenClass, setupUi, retranslateUi> formMapVehicleRouteScreenClass;

} // namespace

FormLayout &MapVehicleRouteScreenClass()
{
    return formMapVehicleRouteScreenClass;
}

} // namespace quarn::forms
