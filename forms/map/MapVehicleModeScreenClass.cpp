#include "forms/map/MapVehicleModeScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapVehicleModeScreenClass &ui, QWidget *root)
{
    Root(root, "MapVehicleModeScreenClass")
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
    mapCompass(ui.compass, ui.zelMapControl, 0, 80);
    mapInfoBar(ui.icon, ui.zelMapControl, "icon");
    mapInfoLine(ui.curStreet, ui.icon, "curStreet");
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
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

void retranslateUi(Ui_MapVehicleModeScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapVehicleModeScreenClass", ""));
    ui.compass->setProperty("northLetter", QCoreApplication::translate("MapVehicleModeScreenClass", "N"));
    ui.compass->setProperty("westLetter", QCoreApplication::translate("MapVehicleModeScreenClass", "W"));
    ui.compass->setProperty("southLetter", QCoreApplication::translate("MapVehicleModeScreenClass", "S"));
    ui.compass->setProperty("eastLetter", QCoreApplication::translate("MapVehicleModeScreenClass", "E"));
    //: Sample content, replaced by the host at run time.
    ui.curStreet->setContent(QCoreApplication::translate("MapVehicleModeScreenClass", "CURRENT STREET NAME"));
}

Form<Ui_MapVehicleModeScreenClass, setupUi, retranslateUi> formMapVehicleModeScreenClass;

} // namespace

FormLayout &MapVehicleModeScreenClass()
{
    return formMapVehicleModeScreenClass;
}

} // namespace quarn::forms
