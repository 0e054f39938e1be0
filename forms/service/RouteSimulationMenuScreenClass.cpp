#include "forms/service/RouteSimulationMenuScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteSimulationMenuScreenClass &ui, QWidget *root)
{
    Root(root, "RouteSimulationMenuScreenClass").size(240, 400);

    make(ui.icon, root, "icon").at(0, 0, 240, 33).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 5, 241, 23)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    make(ui.btnStart, root, "btnStart")
        .at(10, 235, 55, 70)
        .normal(":/Buttons/b_KB_01.mif")
        .pressed(":/Buttons/b_KB_01_h.mif")
        .focused(":/Buttons/b_KB_01.mif")
        .eventPropagation();
    make(ui.lblName_2, ui.btnStart, "lblName_2").at(-3, 12, 61, 20).buttonLabel();
    make(ui.ItemIcon, ui.btnStart, "ItemIcon").at(17, 39, 21, 22).image(":/Icons/i_Go.mif");
    make(ui.btnStop, root, "btnStop")
        .at(174, 235, 55, 70)
        .normal(":/Buttons/b_KB_01.mif")
        .pressed(":/Buttons/b_KB_01_h.mif")
        .focused(":/Buttons/b_KB_01.mif")
        .eventPropagation();
    make(ui.lblName, ui.btnStop, "lblName").at(-2, 12, 61, 20).buttonLabel();
    make(ui.ItemIcon_2, ui.btnStop, "ItemIcon_2").at(13, 32, 30, 28).image(":/Buttons/b_ContextualMenu_Close.mif");
    make(ui.chkSpeed_10, root, "chkSpeed_10")
        .at(36, 72, 28, 29)
        .checkedImage(":/Icons/i_RadioButton_sel.mif")
        .uncheckedImage(":/Icons/i_RadioButton.mif");
    make(ui.lblSpeed_10, root, "lblSpeed_10").at(33, 106, 34, 20).buttonLabel();
    make(ui.icon_CurrentStatus, root, "icon_CurrentStatus").at(0, 171, 240, 28).image(":/Bkgd/bkgd_TitleBar.mif");
    make(ui.labelCurrentStatus, ui.icon_CurrentStatus, "labelCurrentStatus")
        .at(0, 0, 241, 21)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.lblCurrentStatus, root, "lblCurrentStatus").at(4, 150, 191, 16).caption();
    make(ui.btnRestart, root, "btnRestart")
        .at(84, 235, 73, 45)
        .normal(":/Buttons/b_KB_02.mif")
        .pressed(":/Buttons/b_KB_02_h.mif")
        .focused(":/Buttons/b_KB_02.mif")
        .eventPropagation();
    make(ui.lblName_3, ui.btnRestart, "lblName_3").at(5, 12, 61, 20).buttonLabel();
    make(ui.lblSpeedFactor, root, "lblSpeedFactor").at(4, 42, 191, 16).caption();
    make(ui.lblSpeed_15, root, "lblSpeed_15").at(102, 106, 39, 20).buttonLabel();
    make(ui.chkSpeed_15, root, "chkSpeed_15")
        .at(107, 72, 28, 29)
        .checkedImage(":/Icons/i_RadioButton_sel.mif")
        .uncheckedImage(":/Icons/i_RadioButton.mif");
    make(ui.lblSpeed_20, root, "lblSpeed_20").at(176, 106, 30, 20).buttonLabel();
    make(ui.chkSpeed_20, root, "chkSpeed_20")
        .at(176, 72, 28, 29)
        .checkedImage(":/Icons/i_RadioButton_sel.mif")
        .uncheckedImage(":/Icons/i_RadioButton.mif");
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
