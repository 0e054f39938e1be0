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
    make(ui.btnMenu, ui.statusBar, "btnMenu").at(180, 7, 60, 43).contextMenuButton();
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_RoadCompass.mif")
        .pressed(":/Icons/i_ToolBar_RoadCompass_h.mif");
    make(ui.stripCompass, root, "stripCompass")
        .at(0, 124, 240, 236)
        .stripBackground(":/Bkgd/bkgd_StripCompassBar.mif")
        .roadBackground(":/Bkgd/bkgd_RoadCompass.mif")
        .leftArrow(":/Icons/i_StripcompassWest.mif")
        .rightArrow(":/Icons/i_StripCompassEast.mif")
        .destinationArrow(":/Icons/i_RoadCompass_arrow.mif")
        .property("isRoadCompassMode", true)
        .imageProperty("objectImage", ":/Icons/i_StripCcompass_Object.mif")
        .imageProperty("waypointImage", ":/Icons/i_MenuIcon_ViewWaypoints.mif")
        .imageProperty("moonImage", ":/Icons/i_Moon.mif")
        .imageProperty("sunImage", ":/Icons/i_Sun.mif")
        .imageProperty("westLetterImage", ":/Icons/i_Compass_W.mif")
        .imageProperty("northLetterImage", ":/Icons/i_Compass_N.mif")
        .imageProperty("eastLetterImage", ":/Icons/i_Compass_E.mif")
        .imageProperty("southLetterImage", ":/Icons/i_Compass_S.mif")
        .property("needleOffset", -5)
        .property("stripTop", 30)
        .property("roadTop", 138)
        .property("letterOffset", -10)
        .property("headingLineWidth", 4)
        .property("tickWidth", 2)
        .property("tickLength", 12)
        .property("arrowMargin", 32)
        .property("markerSize", 20);
    make(ui.btnZoomIn, root, "btnZoomIn")
        .at(182, 124, 58, 58)
        .focusPolicy(Qt::NoFocus)
        .normal(":/Buttons/b_Pan_In.mif")
        .pressed(":/Buttons/b_Pan_In_h.mif");
    make(ui.btnZoomOut, root, "btnZoomOut")
        .at(182, 196, 58, 58)
        .focusPolicy(Qt::NoFocus)
        .normal(":/Buttons/b_Pan_Out.mif")
        .pressed(":/Buttons/b_Pan_Out_h.mif");
}

void retranslateUi(Ui_DashboardRoadCompassScrClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("DashboardRoadCompassScrClass", "DashboardRoadCompassScr"));
}

Form<Ui_DashboardRoadCompassScrClass, setupUi, retranslateUi> formDashboardRoadCompassScrClass;

} // namespace

FormLayout &DashboardRoadCompassScrClass()
{
    return formDashboardRoadCompassScrClass;
}

} // namespace quarn::forms
