#include "forms/dashboard/DashboardStripCompassScrClass.h"

#include "core/construction/construction.h"

namespace quarn::forms {
namespace {

void setupUi(Ui_DashboardStripCompassScrClass &ui, QWidget *root)
{
    Root(root, "DashboardStripCompassScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnMenu, ui.statusBar, "btnMenu");
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .faces(":/Icons/i_ToolBar_StripCompass.mif", ":/Icons/i_ToolBar_StripCompass_h.mif");
    // No road picture here: of the strip's layout integers, roadTop and the last three keep the widget's values.
    make(ui.stripCompass, root, "stripCompass")
        .at(0, 204, 240, 150)
        .needles(":/Icons/i_Compass_Arrow_Green.mif", ":/Icons/i_Compass_Arrow_Yellow.mif",
                 ":/Icons/i_Compass_Arrow_Red.mif", ":/Icons/i_Compass_Arrow_Blue.mif")
        .stripBackground(":/Bkgd/bkgd_StripCompassBar.mif")
        .leftArrow(":/Icons/i_StripcompassWest.mif")
        .rightArrow(":/Icons/i_StripCompassEast.mif")
        .destinationArrow(":/Icons/i_RoadCompass_arrow.mif")
        .moonImage(":/Icons/i_Moon.mif")
        .sunImage(":/Icons/i_Sun.mif")
        .letterImages(":/Icons/i_Compass_W.mif", ":/Icons/i_Compass_N.mif", ":/Icons/i_Compass_E.mif",
                      ":/Icons/i_Compass_S.mif")
        .heading(0.0f)
        .angles(0.0f, 90.0f, 90.0f)
        .fullCircle(360)
        .needleOffset(-10)
        .stripTop(20)
        .letterOffset(-5)
        .headingLineWidth(1)
        .tickWidth(1);
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
