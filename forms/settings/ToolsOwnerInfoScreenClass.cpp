#include "forms/settings/ToolsOwnerInfoScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsOwnerInfoScreenClass &ui, QWidget *root)
{
    Root(root, "ToolsOwnerInfoScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 72, 230, 253);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(46, 4, 191, 38).palette(whiteText()).largeCaption();
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_OwnerInformation.mif");
    make(ui.lblPhone, root, "lblPhone").at(20, 200, 211, 20).settingCaption();
    make(ui.lblAdress, root, "lblAdress").at(20, 140, 211, 20).settingCaption();
    make(ui.btnEmail, root, "btnEmail")
        .at(20, 280, 175, 38)
        .normal(":/Bkgd/bkgd_KB_EntryField_01.mif")
        .eventPropagation();
    make(ui.txtEmail, ui.btnEmail, "txtEmail").at(10, 9, 155, 20).smallCaption();
    make(ui.btnFullName, root, "btnFullName")
        .at(20, 100, 175, 38)
        .normal(":/Bkgd/bkgd_KB_EntryField_01.mif")
        .eventPropagation();
    make(ui.txtFullName, ui.btnFullName, "txtFullName").at(10, 9, 155, 20).smallCaption();
    make(ui.btnPhone, root, "btnPhone")
        .at(20, 220, 175, 38)
        .normal(":/Bkgd/bkgd_KB_EntryField_01.mif")
        .eventPropagation();
    make(ui.txtPhone, ui.btnPhone, "txtPhone").at(10, 9, 155, 20).smallCaption();
    make(ui.lblEmail, root, "lblEmail").at(20, 260, 211, 20).settingCaption();
    make(ui.btnAddress, root, "btnAddress")
        .at(20, 160, 175, 38)
        .normal(":/Bkgd/bkgd_KB_EntryField_01.mif")
        .eventPropagation();
    make(ui.txtAddress, ui.btnAddress, "txtAddress").at(10, 9, 155, 20).smallCaption();
    make(ui.lblFullName, root, "lblFullName").at(20, 80, 211, 20).settingCaption();
}

void retranslateUi(Ui_ToolsOwnerInfoScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.labelName->setContent(QCoreApplication::translate("ToolsOwnerInfoScreenClass", "Owner Information"));
    ui.lblPhone->setContent(QCoreApplication::translate("ToolsOwnerInfoScreenClass", "Phone #"));
    ui.lblAdress->setContent(QCoreApplication::translate("ToolsOwnerInfoScreenClass", "Address"));
    ui.txtEmail->setContent(QString());
    ui.txtPhone->setContent(QString());
    ui.lblEmail->setContent(QCoreApplication::translate("ToolsOwnerInfoScreenClass", "E-mail"));
    ui.txtAddress->setContent(QString());
    ui.lblFullName->setContent(QCoreApplication::translate("ToolsOwnerInfoScreenClass", "Full Name"));
}

Form<Ui_ToolsOwnerInfoScreenClass, setupUi, retranslateUi> formToolsOwnerInfoScreenClass;

} // namespace

FormLayout &ToolsOwnerInfoScreenClass()
{
    return formToolsOwnerInfoScreenClass;
}

} // namespace quarn::forms
