#include "forms/places/AbContactListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AbContactListScreenClass &ui, QWidget *root)
{
    Root(root, "AbContactListScreenClass").size(240, 400);

    make(ui.btnListHeader, root, "btnListHeader").at(0, 20, 240, 46).normal(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
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
    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 7, 60, 43).contextMenuButton();
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.ScrollButtonsWidget, ui.statusBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
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
