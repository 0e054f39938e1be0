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
    make(ui.btnMenu, ui.statusBar, "btnMenu").at(180, 7, 60, 43).contextMenuButton();
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_Compass.mif")
        .pressed(":/Icons/i_ToolBar_Compass_h.mif");
    mapCompass(ui.compass, root, 0, 114)
        .needles(":/Icons/i_Dashboard_Compass_Arrow_Green_small.mif",
                 ":/Icons/i_Dashboard_Compass_Arrow_Yellow_small.mif",
                 ":/Icons/i_Dashboard_Compass_Arrow_Red_small.mif", ":/Icons/i_Dashboard_Compass_Arrow_Blue_small.mif");
}

void retranslateUi(Ui_DashboardCompassScrClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("DashboardCompassScrClass", "DashboardCompassScr"));
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
