#include "forms/dashboard/DashboardSatelliteScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

const std::vector<navfields::Configuration> kDashboardSatelliteDataFields = [] {
    using namespace navfields;
    return std::vector<Configuration>{
        {{satellite()}},
        {{half(60), half(60)}},
    };
}();

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
        .property("navFieldsCfg", navfields::document(kDashboardSatelliteDataFields));
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
