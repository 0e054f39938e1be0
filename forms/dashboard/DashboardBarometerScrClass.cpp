#include "forms/dashboard/DashboardBarometerScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

// The graph's base shows the screen through it.
const Colours kGraphBase = Colours().role(QPalette::Base, QColor(255, 255, 255, 200), QColor(212, 208, 200));

void setupUi(Ui_DashboardBarometerScrClass &ui, QWidget *root)
{
    Root(root, "DashboardBarometerScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar, aaFont());
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .faces(":/Icons/i_ToolBar_Barometer.mif", ":/Icons/i_ToolBar_Barometer_h.mif");
    make(ui.icon, root, "icon").at(2, 38, 25, 22).image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.graphView, root, "graphView").at(0, 100, 240, 250).palette(kGraphBase);
    make(ui.btnZoomOut, root, "btnZoomOut")
        .at(180, 84, 60, 60)
        .faces(":/Buttons/b_Pan_Out.mif", ":/Buttons/b_Pan_Out_h.mif");
    make(ui.btnZoomIn, root, "btnZoomIn")
        .at(180, 24, 60, 60)
        .faces(":/Buttons/b_Pan_In.mif", ":/Buttons/b_Pan_In_h.mif");
    make(ui.backing, root, "backing").at(30, 40, 150, 22);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(0, 0, 151, 24);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(6);
    make(ui.lblCurrent, ui.layoutWidget, "lblCurrent")
        .maxSize(54, QWIDGETSIZE_MAX)
        .font(boldAA().pointSize(10))
        .scaledContents();
    make(ui.textBoxCurrent, ui.layoutWidget, "textBoxCurrent").font(boldAA().pointSize(10)).scaledContents();
    make(ui.backing_2, root, "backing_2").at(30, 66, 150, 22);
    make(ui.layoutWidget_2, ui.backing_2, "layoutWidget_2").at(0, 0, 151, 24);
    layout(ui.horizontalLayout_2, ui.layoutWidget_2, "horizontalLayout_2").spacing(6);
    make(ui.lblChange, ui.layoutWidget_2, "lblChange").maxSize(54, QWIDGETSIZE_MAX).font(boldAA().pointSize(10));
    make(ui.textBoxChange, ui.layoutWidget_2, "textBoxChange").font(boldAA().pointSize(10));

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
