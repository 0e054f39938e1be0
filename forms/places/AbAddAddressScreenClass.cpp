#include "forms/places/AbAddAddressScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AbAddAddressScreenClass &ui, QWidget *root)
{
    Root(root, "AbAddAddressScreenClass").size(240, 400);

    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.listCreateAddress, root, "listCreateAddress").at(0, 80, 240, 265);
    make(ui.btnListHeader, root, "btnListHeader").at(0, 20, 240, 46).normal(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.iconWpt, ui.btnListHeader, "iconWpt").at(2, 3, 38, 38).image(":/Icons/i_AddAddress38.mif");
    make(ui.txtAddressBook, ui.btnListHeader, "txtAddressBook")
        .at(50, 2, 181, 41)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(Font().family("MS Shell Dlg 2").bold().aa())
        .pixelSize(16);
}

void retranslateUi(Ui_AbAddAddressScreenClass &ui, QWidget *)
{
    ui.txtAddressBook->setContent(QCoreApplication::translate("AbAddAddressScreenClass", "Add Address"));
}

Form<Ui_AbAddAddressScreenClass, setupUi, retranslateUi> formAbAddAddressScreenClass;

} // namespace

FormLayout &AbAddAddressScreenClass()
{
    return formAbAddAddressScreenClass;
}

} // namespace quarn::forms
