#include "forms/settings/SettingsTimeZoneScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsTimeZoneScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsTimeZoneScreenClass").size(240, 400);

    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName_4, ui.icon, "labelName_4").at(0, 10, 240, 26).titleText();
    make(ui.backing, root, "backing").at(0, 72, 240, 278);
    make(ui.chkDaylightSavings, ui.backing, "chkDaylightSavings")
        .at(10, 110, 221, 50)
        .checkedImage(":/Icons/i_Checkbox_sel.mif")
        .uncheckedImage(":/Icons/i_Checkbox.mif")
        .markPosition(0, 10);
    make(ui.lblDaylightSavings, ui.chkDaylightSavings, "lblDaylightSavings").at(40, 9, 171, 31).caption().wordWrap();
    make(ui.comboTimeZone, ui.backing, "comboTimeZone").at(5, 6, 230, 44).standardComboBox();
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(7, 251, 226, 25);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout");
    make(ui.lblDate, ui.layoutWidget, "lblDate");
    make(ui.lblTime, ui.layoutWidget, "lblTime").alignment(Qt::AlignCenter);
    make(ui.lblTimeZoneShift, ui.layoutWidget, "lblTimeZoneShift").alignment(Qt::AlignCenter);

    addMembers(ui.horizontalLayout, {ui.lblDate, ui.lblTime, ui.lblTimeZoneShift});
}

void retranslateUi(Ui_SettingsTimeZoneScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.labelName_4->setContent(QCoreApplication::translate("SettingsTimeZoneScreenClass", "Time Zone"));
    ui.lblDaylightSavings->setContent(QCoreApplication::translate("SettingsTimeZoneScreenClass", "Daylight Savings"));
}

Form<Ui_SettingsTimeZoneScreenClass, setupUi, retranslateUi> formSettingsTimeZoneScreenClass;

} // namespace

FormLayout &SettingsTimeZoneScreenClass()
{
    return formSettingsTimeZoneScreenClass;
}

} // namespace quarn::forms
