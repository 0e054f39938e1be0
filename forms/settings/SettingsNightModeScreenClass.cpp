#include "forms/settings/SettingsNightModeScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsNightModeScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsNightModeScreenClass").size(240, 400);

    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName_4, ui.icon, "labelName_4").at(45, 4, 192, 38).titleText().wordWrap();
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_Night Mode.mif");
    make(ui.button_Auto, root, "button_Auto")
        .at(5, 72, 230, 44)
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .checkedImage(":/Icons/i_RadioButton_sel.mif")
        .uncheckedImage(":/Icons/i_RadioButton.mif")
        .markPosition(11, 8);
    make(ui.textBox, ui.button_Auto, "textBox").at(45, 10, 173, 25).settingCaption();
    make(ui.button_ON, root, "button_ON")
        .at(5, 121, 230, 44)
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .checkedImage(":/Icons/i_RadioButton_sel.mif")
        .uncheckedImage(":/Icons/i_RadioButton.mif")
        .markPosition(11, 8);
    make(ui.textBox_2, ui.button_ON, "textBox_2").at(45, 10, 173, 25).settingCaption();
    make(ui.button_OFF, root, "button_OFF")
        .at(5, 170, 230, 44)
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton_h.mif")
        .checkedImage(":/Icons/i_RadioButton_sel.mif")
        .uncheckedImage(":/Icons/i_RadioButton.mif")
        .markPosition(11, 8);
    make(ui.textBox_3, ui.button_OFF, "textBox_3").at(45, 10, 173, 25).settingCaption();
}

void retranslateUi(Ui_SettingsNightModeScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.labelName_4->setContent(QCoreApplication::translate("SettingsNightModeScreenClass", "Night Mode"));
    ui.textBox->setContent(QCoreApplication::translate("SettingsNightModeScreenClass", "Auto"));
    ui.textBox_2->setContent(QCoreApplication::translate("SettingsNightModeScreenClass", "ON"));
    ui.textBox_3->setContent(QCoreApplication::translate("SettingsNightModeScreenClass", "OFF"));
}

Form<Ui_SettingsNightModeScreenClass, setupUi, retranslateUi> formSettingsNightModeScreenClass;

} // namespace

FormLayout &SettingsNightModeScreenClass()
{
    return formSettingsNightModeScreenClass;
}

} // namespace quarn::forms
