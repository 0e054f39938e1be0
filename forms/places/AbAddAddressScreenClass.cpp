#include "forms/places/AbAddAddressScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AbAddAddressScreenClass &ui, QWidget *root)
{
    Root(root, "AbAddAddressScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.listCreateAddress, root, "listCreateAddress").at(0, 80, 240, 265);
    listHeaderButton(ui.btnListHeader, root);
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
