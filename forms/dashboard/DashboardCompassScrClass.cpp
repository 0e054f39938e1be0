#include "forms/dashboard/DashboardCompassScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_DashboardCompassScrClass &ui, QWidget *root)
{
    Root(root, "DashboardCompassScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnMenu, ui.statusBar, "btnMenu");
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .faces(":/Icons/i_ToolBar_Compass.mif", ":/Icons/i_ToolBar_Compass_h.mif");
    // The map compass's dial with the dashboard's needles; set in the dashboard's order.
    make(ui.compass, root, "compass")
        .at(0, 114, 240, 240)
        .needles(":/Icons/i_Dashboard_Compass_Arrow_Green_small.mif",
                 ":/Icons/i_Dashboard_Compass_Arrow_Yellow_small.mif",
                 ":/Icons/i_Dashboard_Compass_Arrow_Red_small.mif", ":/Icons/i_Dashboard_Compass_Arrow_Blue_small.mif")
        .targetIcon(":/Icons/i_DashboardTarget.mif")
        .sunIcon(":/Icons/i_Sun.mif")
        .moonIcon(":/Icons/i_Moon.mif")
        .compassRing(":/Bkgd/bkgd_Compass_1.mif")
        .cardinalBadges(":/Icons/i_Compass_WhiteCardinal.mif", ":/Icons/i_Compass_BlackCardinal.mif",
                        ":/Icons/i_Compass_BlackCardinal.mif", ":/Icons/i_Compass_BlackCardinal.mif")
        .headingAndBearing(0, 0)
        .northUp(false)
        .dial(82, 120, 130)
        .update();
}

void retranslateUi(Ui_DashboardCompassScrClass &ui, QWidget *root)
{
    root->setProperty("windowTitle", QCoreApplication::translate("DashboardCompassScrClass", "DashboardCompassScr"));
    retranslateCompassLetters(ui.compass,
                              {QCoreApplication::translate("DashboardCompassScrClass", "N"),
                               QCoreApplication::translate("DashboardCompassScrClass", "W"),
                               QCoreApplication::translate("DashboardCompassScrClass", "S"),
                               QCoreApplication::translate("DashboardCompassScrClass", "E")});
}

Form<Ui_DashboardCompassScrClass, setupUi, retranslateUi> formDashboardCompassScrClass;

} // namespace

FormLayout &DashboardCompassScrClass()
{
    return formDashboardCompassScrClass;
}

} // namespace quarn::forms
