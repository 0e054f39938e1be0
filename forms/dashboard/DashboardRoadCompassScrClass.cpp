#include "forms/dashboard/DashboardRoadCompassScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_DashboardRoadCompassScrClass &ui, QWidget *root)
{
    Root(root, "DashboardRoadCompassScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnMenu, ui.statusBar, "btnMenu");
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .faces(":/Icons/i_ToolBar_RoadCompass.mif", ":/Icons/i_ToolBar_RoadCompass_h.mif");
    make(ui.stripCompass, root, "stripCompass")
        .at(0, 124, 240, 236)
        .stripBackground(":/Bkgd/bkgd_StripCompassBar.mif")
        .roadBackground(":/Bkgd/bkgd_RoadCompass.mif")
        .leftArrow(":/Icons/i_StripcompassWest.mif")
        .rightArrow(":/Icons/i_StripCompassEast.mif")
        .objectImage(":/Icons/i_StripCcompass_Object.mif")
        .destinationArrow(":/Icons/i_RoadCompass_arrow.mif")
        .waypointImage(":/Icons/i_MenuIcon_ViewWaypoints.mif")
        .moonImage(":/Icons/i_Moon.mif")
        .sunImage(":/Icons/i_Sun.mif")
        .letterImages(":/Icons/i_Compass_W.mif", ":/Icons/i_Compass_N.mif", ":/Icons/i_Compass_E.mif",
                      ":/Icons/i_Compass_S.mif")
        .heading(0.0f)
        .angles(0.0f, 90.0f, 90.0f)
        .fullCircle(360)
        .stripLayout(-5, 30, 138, -10, 4, 2, 12, 32, 20)
        .property("isRoadCompassMode", true);
    make(ui.btnZoomIn, root, "btnZoomIn")
        .at(182, 124, 58, 58)
        .noFocus()
        .faces(":/Buttons/b_Pan_In.mif", ":/Buttons/b_Pan_In_h.mif");
    make(ui.btnZoomOut, root, "btnZoomOut")
        .at(182, 196, 58, 58)
        .noFocus()
        .faces(":/Buttons/b_Pan_Out.mif", ":/Buttons/b_Pan_Out_h.mif");
}

void retranslateUi(Ui_DashboardRoadCompassScrClass &, QWidget *root)
{
    root->setProperty("windowTitle",
                      QCoreApplication::translate("DashboardRoadCompassScrClass", "DashboardRoadCompassScr"));
}

Form<Ui_DashboardRoadCompassScrClass, setupUi, retranslateUi> formDashboardRoadCompassScrClass;

} // namespace

FormLayout &DashboardRoadCompassScrClass()
{
    return formDashboardRoadCompassScrClass;
}

} // namespace quarn::forms
