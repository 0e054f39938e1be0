#include "forms/service/RouteSimulationMenuScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteSimulationMenuScreenClass &ui, QWidget *root)
{
    Root(root, "RouteSimulationMenuScreenClass").size(240, 400);

    serviceTitleStrip(ui.icon, root, 0);
    serviceTitle(ui.labelName, ui.icon);
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    keyButton(ui.btnStart, root, "btnStart", 10, 235, 55, 70, KeyFace::Tall);
    make(ui.lblName_2, ui.btnStart, "lblName_2").at(-3, 12, 61, 20).buttonLabel();
    make(ui.ItemIcon, ui.btnStart, "ItemIcon").at(17, 39, 21, 22).image(":/Icons/i_Go.mif");
    keyButton(ui.btnStop, root, "btnStop", 174, 235, 55, 70, KeyFace::Tall);
    make(ui.lblName, ui.btnStop, "lblName").at(-2, 12, 61, 20).buttonLabel();
    make(ui.ItemIcon_2, ui.btnStop, "ItemIcon_2").at(13, 32, 30, 28).image(":/Buttons/b_ContextualMenu_Close.mif");
    serviceRadioButton(ui.chkSpeed_10, root, "chkSpeed_10", 36, 72);
    make(ui.lblSpeed_10, root, "lblSpeed_10").at(33, 106, 34, 20).buttonLabel();
    serviceStatusBand(ui.icon_CurrentStatus, root, "icon_CurrentStatus", 171);
    serviceStatusText(ui.labelCurrentStatus, ui.icon_CurrentStatus, "labelCurrentStatus");
    make(ui.lblCurrentStatus, root, "lblCurrentStatus").at(4, 150, 191, 16).caption();
    keyButton(ui.btnRestart, root, "btnRestart", 84, 235, 73, 45, KeyFace::Medium);
    make(ui.lblName_3, ui.btnRestart, "lblName_3").at(5, 12, 61, 20).buttonLabel();
    make(ui.lblSpeedFactor, root, "lblSpeedFactor").at(4, 42, 191, 16).caption();
    make(ui.lblSpeed_15, root, "lblSpeed_15").at(102, 106, 39, 20).buttonLabel();
    serviceRadioButton(ui.chkSpeed_15, root, "chkSpeed_15", 107, 72);
    make(ui.lblSpeed_20, root, "lblSpeed_20").at(176, 106, 30, 20).buttonLabel();
    serviceRadioButton(ui.chkSpeed_20, root, "chkSpeed_20", 176, 72);
}

void retranslateUi(Ui_RouteSimulationMenuScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("RouteSimulationMenuScreenClass", "Route Simulation"));
    ui.lblName_2->setContent(QCoreApplication::translate("RouteSimulationMenuScreenClass", "Start"));
    ui.lblName->setContent(QCoreApplication::translate("RouteSimulationMenuScreenClass", "Stop"));
    //: Number, not prose; change only how the language writes it.
    ui.lblSpeed_10->setContent(QCoreApplication::translate("RouteSimulationMenuScreenClass", "1x"));
    ui.labelCurrentStatus->setContent(QCoreApplication::translate("RouteSimulationMenuScreenClass", "No Simulation"));
    ui.lblCurrentStatus->setContent(QCoreApplication::translate("RouteSimulationMenuScreenClass", "Current Status:"));
    ui.lblName_3->setContent(QCoreApplication::translate("RouteSimulationMenuScreenClass", "Restart"));
    ui.lblSpeedFactor->setContent(QCoreApplication::translate("RouteSimulationMenuScreenClass", "Speed Factor:"));
    //: Number, not prose; change only how the language writes it.
    ui.lblSpeed_15->setContent(QCoreApplication::translate("RouteSimulationMenuScreenClass", "1.5x"));
    //: Number, not prose; change only how the language writes it.
    ui.lblSpeed_20->setContent(QCoreApplication::translate("RouteSimulationMenuScreenClass", "2x"));
}

Form<Ui_RouteSimulationMenuScreenClass, setupUi, retranslateUi> formRouteSimulationMenuScreenClass;

} // namespace

FormLayout &RouteSimulationMenuScreenClass()
{
    return formRouteSimulationMenuScreenClass;
}

} // namespace quarn::forms
