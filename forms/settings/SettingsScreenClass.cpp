#include "forms/settings/SettingsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsScreenClass").size(240, 400);

    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.bottomBar);
    make(ui.listSettings, root, "listSettings").at(0, 80, 240, 265);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(60, 10, 120, 26).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(191, 10, 47, 26).titlePageNumber();
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_settings.mif");
}

void retranslateUi(Ui_SettingsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.labelName->setContent(QCoreApplication::translate("SettingsScreenClass", "Settings"));
    ui.labelPage->setContent(QString());
}

Form<Ui_SettingsScreenClass, setupUi, retranslateUi> formSettingsScreenClass;

} // namespace

FormLayout &SettingsScreenClass()
{
    return formSettingsScreenClass;
}

} // namespace quarn::forms
