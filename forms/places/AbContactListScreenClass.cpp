#include "forms/places/AbContactListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AbContactListScreenClass &ui, QWidget *root)
{
    Root(root, "AbContactListScreenClass").size(240, 400);

    listHeaderButton(ui.btnListHeader, root);
    make(ui.iconWpt, ui.btnListHeader, "iconWpt").at(2, 3, 38, 38).image(":/Icons/i_AddressBook.mif");
    make(ui.txtSortType, ui.btnListHeader, "txtSortType").at(43, 23, 131, 17).palette(whiteButtonText()).pixelSize(12);
    make(ui.txtCurPage, ui.btnListHeader, "txtCurPage").at(170, 4, 66, 17).listHeaderCount().content("1/1");
    make(ui.txtNumOfContacts, ui.btnListHeader, "txtNumOfContacts").at(170, 23, 66, 17).listHeaderCount().content("0");
    make(ui.txtAddressBook, ui.btnListHeader, "txtAddressBook")
        .at(43, 4, 134, 20)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(Font().family("MS Shell Dlg 2").bold().aa())
        .pixelSize(16);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.listContacts, root, "listContacts").at(0, 80, 240, 265);
}

void retranslateUi(Ui_AbContactListScreenClass &ui, QWidget *)
{
    ui.txtSortType->setContent(QCoreApplication::translate("AbContactListScreenClass", "Name"));
    ui.txtAddressBook->setContent(QCoreApplication::translate("AbContactListScreenClass", "Address Book"));
}

Form<Ui_AbContactListScreenClass, setupUi, retranslateUi> formAbContactListScreenClass;

} // namespace

FormLayout &AbContactListScreenClass()
{
    return formAbContactListScreenClass;
}

} // namespace quarn::forms
