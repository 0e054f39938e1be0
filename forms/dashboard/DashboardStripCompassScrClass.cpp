#include "forms/dashboard/DashboardStripCompassScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_DashboardStripCompassScrClass &ui, QWidget *root)
{
    Root(root, "DashboardStripCompassScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnMenu, ui.statusBar, "btnMenu").at(180, 7, 60, 43).contextMenuButton();
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_StripCompass.mif")
        .pressed(":/Icons/i_ToolBar_StripCompass_h.mif");
    make(ui.stripCompass, root, "stripCompass")
        .at(0, 204, 240, 150)
        .stripBackground(":/Bkgd/bkgd_StripCompassBar.mif")
        .leftArrow(":/Icons/i_StripcompassWest.mif")
        .rightArrow(":/Icons/i_StripCompassEast.mif")
        .destinationArrow(":/Icons/i_RoadCompass_arrow.mif")
        .imageProperty("moonImage", ":/Icons/i_Moon.mif")
        .imageProperty("sunImage", ":/Icons/i_Sun.mif")
        .imageProperty("westLetterImage", ":/Icons/i_Compass_W.mif")
        .imageProperty("northLetterImage", ":/Icons/i_Compass_N.mif")
        .imageProperty("eastLetterImage", ":/Icons/i_Compass_E.mif")
        .imageProperty("southLetterImage", ":/Icons/i_Compass_S.mif")
        .property("needleOffset", -10)
        .property("stripTop", 20)
        .property("letterOffset", -5)
        .needles(":/Icons/i_Compass_Arrow_Green.mif", ":/Icons/i_Compass_Arrow_Yellow.mif",
                 ":/Icons/i_Compass_Arrow_Red.mif", ":/Icons/i_Compass_Arrow_Blue.mif");
}

void retranslateUi(Ui_DashboardStripCompassScrClass &, QWidget *)
{
}

Form<Ui_DashboardStripCompassScrClass, setupUi, retranslateUi> formDashboardStripCompassScrClass;

} // namespace

FormLayout &DashboardStripCompassScrClass()
{
    return formDashboardStripCompassScrClass;
}

} // namespace quarn::forms
