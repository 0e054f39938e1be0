#include "forms/places/AbAddressScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AbAddressScreenClass &ui, QWidget *root)
{
    Root(root, "AbAddressScreenClass").size(240, 400);

    listHeaderButton(ui.btnListHeader, root);
    make(ui.iconWpt, ui.btnListHeader, "iconWpt").at(2, 3, 38, 38).image(":/Icons/i_assignlocation_Address.mif");
    make(ui.txtAddressBook, ui.btnListHeader, "txtAddressBook")
        .at(50, 3, 181, 41)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(Font().family("MS Shell Dlg 2").bold().aa())
        .pixelSize(16);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.listAddress, root, "listAddress").at(0, 80, 240, 265);
}

void retranslateUi(Ui_AbAddressScreenClass &ui, QWidget *)
{
    ui.txtAddressBook->setContent(QCoreApplication::translate("AbAddressScreenClass", "Address"));
}

Form<Ui_AbAddressScreenClass, setupUi, retranslateUi> formAbAddressScreenClass;

} // namespace

FormLayout &AbAddressScreenClass()
{
    return formAbAddressScreenClass;
}

} // namespace quarn::forms
