#include "forms/settings/SettingsLanguageScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsLanguageScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsLanguageScreenClass").size(240, 400);

    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    make(ui.btnNext, ui.bottomBar, "btnNext")
        .at(186, 7, 60, 43)
        .normal(":/Buttons/b_Next.mif")
        .pressed(":/Buttons/b_Next_h.mif");
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.bottomBar);
    titleHeader(ui.icon, root, "icon");
    make(ui.lblTitle, ui.icon, "lblTitle").at(45, 10, 148, 26).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(191, 10, 47, 26).palette(whiteText()).smallCaption();
    make(ui.icon_2, ui.icon, "icon_2").at(4, 4, 41, 41).image(":/Icons/i_Language.mif");
    make(ui.listLanguages, root, "listLanguages").at(0, 80, 240, 265);
    serviceStatusBand(ui.iconTitleBar, root, "iconTitleBar", 0);
}

void retranslateUi(Ui_SettingsLanguageScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblTitle->setContent(QCoreApplication::translate("SettingsLanguageScreenClass", "Language"));
    ui.labelPage->setContent(QString());
}

Form<Ui_SettingsLanguageScreenClass, setupUi, retranslateUi> formSettingsLanguageScreenClass;

} // namespace

FormLayout &SettingsLanguageScreenClass()
{
    return formSettingsLanguageScreenClass;
}

} // namespace quarn::forms
