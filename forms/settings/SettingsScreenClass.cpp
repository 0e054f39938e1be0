#include "forms/settings/SettingsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsScreenClass").size(240, 400);

    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.bottomBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.ScrollButtonsWidget, ui.bottomBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
    make(ui.listSettings, root, "listSettings").at(0, 80, 240, 265);
    make(ui.icon, root, "icon").at(0, 21, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.labelName, ui.icon, "labelName").at(60, 10, 120, 26).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(191, 10, 47, 26).titlePageNumber();
    make(ui.icon_2, ui.icon, "icon_2").at(4, 4, 38, 38).image(":/Icons/i_settings.mif");
}

void retranslateUi(Ui_SettingsScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("SettingsScreenClass", "Settings"));
}

Form<Ui_SettingsScreenClass, setupUi, retranslateUi> formSettingsScreenClass;

} // namespace

FormLayout &SettingsScreenClass()
{
    return formSettingsScreenClass;
}

} // namespace quarn::forms
