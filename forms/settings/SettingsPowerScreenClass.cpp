#include "forms/settings/SettingsPowerScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsPowerScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsPowerScreenClass").size(240, 400);

    titleHeader(ui.icon_2, root, "icon_2");
    make(ui.lblOffCourse_2, ui.icon_2, "lblOffCourse_2")
        .at(47, 4, 183, 38)
        .palette(whiteTextDimDisabled())
        .largeCaption()
        .alignment(Qt::AlignCenter);
    titleIcon(ui.icon, ui.icon_2, "icon", ":/Icons/i_Power.mif");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.backing, root, "backing").at(5, 72, 230, 278);
    make(ui.scrollArea, ui.backing, "scrollArea")
        .at(0, 0, 230, 278)
        .frameShape(QFrame::NoFrame)
        .frameShadow(QFrame::Plain)
        .lineWidth(0)
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff)
        .widgetResizable();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, 0, 240, 278)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Minimum)
        .minSize(240, 278);
    make(ui.lblActiveSuspendTimer, ui.scrollAreaWidgetContents, "lblActiveSuspendTimer").at(5, 5, 191, 16).caption();
    make(ui.comboSuspendTimer, ui.scrollAreaWidgetContents, "comboSuspendTimer")
        .at(0, 25, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblActiveSuspendTimerInfo, ui.scrollAreaWidgetContents, "lblActiveSuspendTimerInfo")
        .at(5, 74, 222, 61)
        .font(normalWeightAA())
        .wordWrap()
        .pixelSize(14);
    make(ui.comboBatteryType, ui.scrollAreaWidgetContents, "comboBatteryType")
        .at(0, 233, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblPowerOffTimer, ui.scrollAreaWidgetContents, "lblPowerOffTimer").at(5, 139, 220, 24).settingCaption();
    make(ui.comboPowerOffTimer, ui.scrollAreaWidgetContents, "comboPowerOffTimer")
        .at(0, 159, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblBatteryType, ui.scrollAreaWidgetContents, "lblBatteryType").at(5, 211, 217, 24).settingCaption();

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
}

void retranslateUi(Ui_SettingsPowerScreenClass &ui, QWidget *)
{
    ui.lblOffCourse_2->setContent(QCoreApplication::translate("SettingsPowerScreenClass", "Power"));
    ui.lblActiveSuspendTimer->setContent(
        QCoreApplication::translate("SettingsPowerScreenClass", "Active Suspend Timer"));
    ui.lblActiveSuspendTimerInfo->setContent(QCoreApplication::translate(
        "SettingsPowerScreenClass",
        "Active Suspend puts the unit in power save mode and continues logging your track."));
    ui.lblPowerOffTimer->setContent(QCoreApplication::translate("SettingsPowerScreenClass", "Power Off Timer"));
    ui.lblBatteryType->setContent(QCoreApplication::translate("SettingsPowerScreenClass", "Battery Type"));
}

Form<Ui_SettingsPowerScreenClass, setupUi, retranslateUi> formSettingsPowerScreenClass;

} // namespace

FormLayout &SettingsPowerScreenClass()
{
    return formSettingsPowerScreenClass;
}

} // namespace quarn::forms
