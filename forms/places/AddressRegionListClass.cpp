#include "forms/places/AddressRegionListClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AddressRegionListClass &ui, QWidget *root)
{
    Root(root, "AddressRegionListClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.list, root, "list").at(0, 80, 240, 265);
    make(ui.icon_2, root, "icon_2").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.txtCurPage, ui.icon_2, "txtCurPage")
        .at(182, 3, 51, 20)
        .palette(whiteText())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0/0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.txtNumOfAddress, ui.icon_2, "txtNumOfAddress")
        .at(198, 23, 35, 20)
        .palette(whiteText())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOnOfThree);
    make(ui.textBox, ui.icon_2, "textBox")
        .at(10, 10, 171, 31)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .scaledContents()
        .pixelSize(22);
}

void retranslateUi(Ui_AddressRegionListClass &ui, QWidget *)
{
    ui.textBox->setContent(QCoreApplication::translate("AddressRegionListClass", "Regions"));
}

Form<Ui_AddressRegionListClass, setupUi, retranslateUi> formAddressRegionListClass;

} // namespace

FormLayout &AddressRegionListClass()
{
    return formAddressRegionListClass;
}

} // namespace quarn::forms
