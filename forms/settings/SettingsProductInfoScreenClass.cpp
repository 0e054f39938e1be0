#include "forms/settings/SettingsProductInfoScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsProductInfoScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsProductInfoScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 72, 230, 36);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.icon, root, "icon").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.labelName, ui.icon, "labelName").at(43, 4, 158, 38).titleText().wordWrap();
    make(ui.labelPage, ui.icon, "labelPage").at(204, 11, 33, 26).titlePageNumber();
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_ProductInfo.mif");
    make(ui.listSettings, root, "listSettings").at(0, 140, 240, 190);
    make(ui.textBoxSN, root, "textBoxSN")
        .at(10, 80, 74, 20)
        .settingCaption()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter);
    make(ui.textBoxSNValue, root, "textBoxSNValue").at(85, 80, 150, 20).pixelSize(14);
}

void retranslateUi(Ui_SettingsProductInfoScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("SettingsProductInfoScreenClass", "Product Info"));
    ui.labelPage->setContent(QString());
    ui.textBoxSN->setContent(QCoreApplication::translate("SettingsProductInfoScreenClass", "Serial #:"));
}

Form<Ui_SettingsProductInfoScreenClass, setupUi, retranslateUi> formSettingsProductInfoScreenClass;

} // namespace

FormLayout &SettingsProductInfoScreenClass()
{
    return formSettingsProductInfoScreenClass;
}

} // namespace quarn::forms
