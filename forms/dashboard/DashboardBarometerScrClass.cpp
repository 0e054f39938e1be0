#include "forms/dashboard/DashboardBarometerScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_DashboardBarometerScrClass &ui, QWidget *root)
{
    Root(root, "DashboardBarometerScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_Barometer.mif")
        .pressed(":/Icons/i_ToolBar_Barometer_h.mif");
    make(ui.icon, root, "icon").at(2, 38, 25, 22).image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.graphView, root, "graphView")
        .at(0, 100, 240, 250)
        .palette(Colours().role(QPalette::Base, QColor(255, 255, 255, 200), QColor(212, 208, 200)));
    make(ui.btnZoomOut, root, "btnZoomOut")
        .at(180, 84, 60, 60)
        .normal(":/Buttons/b_Pan_Out.mif")
        .pressed(":/Buttons/b_Pan_Out_h.mif");
    make(ui.btnZoomIn, root, "btnZoomIn")
        .at(180, 24, 60, 60)
        .normal(":/Buttons/b_Pan_In.mif")
        .pressed(":/Buttons/b_Pan_In_h.mif");
    make(ui.backing, root, "backing").at(30, 40, 150, 22);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(0, 0, 151, 24);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout");
    make(ui.lblCurrent, ui.layoutWidget, "lblCurrent")
        .maxSize(54, QWIDGETSIZE_MAX)
        .font(Font().pointSize(10).bold().aa())
        .scaledContents();
    make(ui.textBoxCurrent, ui.layoutWidget, "textBoxCurrent").font(Font().pointSize(10).bold().aa()).scaledContents();
    make(ui.backing_2, root, "backing_2").at(30, 66, 150, 22);
    make(ui.layoutWidget_2, ui.backing_2, "layoutWidget_2").at(0, 0, 151, 24);
    layout(ui.horizontalLayout_2, ui.layoutWidget_2, "horizontalLayout_2");
    make(ui.lblChange, ui.layoutWidget_2, "lblChange")
        .maxSize(54, QWIDGETSIZE_MAX)
        .font(Font().pointSize(10).bold().aa());
    make(ui.textBoxChange, ui.layoutWidget_2, "textBoxChange").font(Font().pointSize(10).bold().aa());

    addMembers(ui.horizontalLayout, {ui.lblCurrent, ui.textBoxCurrent});
    addMembers(ui.horizontalLayout_2, {ui.lblChange, ui.textBoxChange});
}

void retranslateUi(Ui_DashboardBarometerScrClass &ui, QWidget *)
{
    ui.lblCurrent->setContent(QCoreApplication::translate("DashboardBarometerScrClass", "Current:"));
    ui.textBoxCurrent->setContent(QString());
    ui.lblChange->setContent(QCoreApplication::translate("DashboardBarometerScrClass", "Change:"));
    ui.textBoxChange->setContent(QString());
}

Form<Ui_DashboardBarometerScrClass, setupUi, retranslateUi> formDashboardBarometerScrClass;

} // namespace

FormLayout &DashboardBarometerScrClass()
{
    return formDashboardBarometerScrClass;
}

} // namespace quarn::forms
