#include "forms/places/AddressListClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AddressListClass &ui, QWidget *root)
{
    Root(root, "AddressListClass").size(240, 400);

    listHeaderButton(ui.btnListHeader, root);
    make(ui.txtLabel, ui.btnListHeader, "txtLabel")
        .at(5, 5, 141, 31)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(boldAA())
        .pixelSize(16);
    make(ui.txtCurPage, ui.btnListHeader, "txtCurPage").at(170, 4, 66, 17).listHeaderCount().content("1/1");
    make(ui.txtNumOfAddress, ui.btnListHeader, "txtNumOfAddress").at(170, 23, 66, 17).listHeaderCount().content("0");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnSortType, ui.statusBar, "btnSortType")
        .at(60, 7, 176, 43)
        .normal(":/Buttons/b_BottomButton.mif")
        .pressed(":/Buttons/b_BottomButton_h.mif")
        .focused(":/Buttons/b_BottomButton_f.mif");
    make(ui.lblSortType, ui.btnSortType, "lblSortType")
        .at(8, 6, 161, 31)
        .palette(whiteButtonText())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(13);
    make(ui.list, root, "list").at(0, 80, 240, 265);
}

void retranslateUi(Ui_AddressListClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("AddressListClass", "AddressList"));
    ui.txtLabel->setContent(QCoreApplication::translate("AddressListClass", "Select"));
    ui.lblSortType->setContent(QString());
}

Form<Ui_AddressListClass, setupUi, retranslateUi> formAddressListClass;

} // namespace

FormLayout &AddressListClass()
{
    return formAddressListClass;
}

} // namespace quarn::forms
