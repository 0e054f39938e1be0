#include "forms/dashboard/DashboardSatelliteScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_DashboardSatelliteScreenClass &ui, QWidget *root)
{
    Root(root, "DashboardSatelliteScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnMenu, ui.statusBar, "btnMenu").at(180, 7, 60, 43).contextMenuButton();
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 8, 60, 43)
        .normal(":/Icons/i_ToolBar_Satellite.mif")
        .pressed(":/Icons/i_ToolBar_Satellite_h.mif");
    make(ui.satelliteView, root, "satelliteView")
        .at(0, 20, 240, 265)
        .satelliteImages(":/Icons/i_Satellite_Red.mif", ":/Icons/i_Satellite_Yellow.mif",
                         ":/Icons/i_Satellite_Green.mif", ":/Icons/i_Satellite_White.mif")
        .sbasSatelliteImages(":/Icons/i_Satellite_Red.mif", ":/Icons/i_Satellite_Yellow.mif",
                             ":/Icons/i_Satellite_Green.mif", ":/Icons/i_Satellite_White.mif");
    make(ui.dashboardBar, root, "dashboardBar")
        .at(5, 290, 240, 70)
        .property("minNumberOfDataFields", 2)
        .property("maxNumberOfDataFields", 2)
        .property("navFieldsCfg",
                  QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\" "
                             "standalone=\"no\"?>\n<NAV_FIELDS_CONFIGURATION>\n\t<CONFIGURATION_1>\n\t\t<FIELD row = "
                             "\"1\" col = \"1\" image = \":/Bkgd/bkgd_Satellite_Field_148x67.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Satellite_Field_148x67.mif\"></FIELD>\n\t</"
                             "CONFIGURATION_1>\n\n\t<CONFIGURATION_2>\n\t\t<FIELD row = \"1\" col = \"1\" image = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x60.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x60_h.mif\"></FIELD>\n\t\t<FIELD row = \"1\" col = "
                             "\"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x60.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x60_h.mif\"></FIELD>\n\t</CONFIGURATION_2>\n</"
                             "NAV_FIELDS_CONFIGURATION>"));
}

void retranslateUi(Ui_DashboardSatelliteScreenClass &, QWidget *)
{
}

Form<Ui_DashboardSatelliteScreenClass, setupUi, retranslateUi> formDashboardSatelliteScreenClass;

} // namespace

FormLayout &DashboardSatelliteScreenClass()
{
    return formDashboardSatelliteScreenClass;
}

} // namespace quarn::forms
