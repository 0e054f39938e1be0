#include "forms/places/AddressEnterScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AddressEnterScreenClass &ui, QWidget *root)
{
    Root(root, "AddressEnterScreenClass").size(240, 400);

    make(ui.KeyboardContainer, root, "KeyboardContainer").at(0, 75, 240, 286);
    bottomBar(ui.statusBar, root);
    make(ui.btnOK, ui.statusBar, "btnOK")
        .at(180, 10, 55, 41)
        .font(aaFont())
        .normal(":/Buttons/b_KB_OK.mif")
        .pressed(":/Buttons/b_KB_OK_h.mif");
    backButton(ui.btnBack, ui.statusBar);
    make(ui.SelectRegion, ui.statusBar, "SelectRegion")
        .at(55, 10, 107, 41)
        .normal(":/Buttons/b_KB_OK&Cancel.mif")
        .pressed(":/Buttons/b_KB_OK&Cancel_h.mif")
        .focused(":/Buttons/b_KB_OK&Cancel_f.mif");
    make(ui.Region, ui.SelectRegion, "Region")
        .at(7, 2, 93, 33)
        .popupCoordinates()
        .alignment(Qt::AlignCenter)
        .wordWrap();
    make(ui.btnBackspace, root, "btnBackspace")
        .at(185, 30, 45, 38)
        .sizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum)
        .minSize(45, 38)
        .autoRepeat()
        .autoRepeatDelay(100)
        .normal(":/Buttons/b_KB_BackSpace_2.mif")
        .pressed(":/Buttons/b_KB_BackSpace_2_h.mif")
        .focused(":/Buttons/b_KB_BackSpace_2_f.mif");
    make(ui.prompt, root, "prompt").at(10, 30, 175, 38).normal(":/Bkgd/bkgd_KB_EntryField_01.mif");
    make(ui.editField, ui.prompt, "editField")
        .at(3, 3, 165, 31)
        .scaledContents()
        .pixelSize(18)
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
}

void retranslateUi(Ui_AddressEnterScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("AddressEnterScreenClass", "AddressEnterScreen"));
    ui.Region->setContent(QString());
    ui.editField->setContent(QString());
}

Form<Ui_AddressEnterScreenClass, setupUi, retranslateUi> formAddressEnterScreenClass;

} // namespace

FormLayout &AddressEnterScreenClass()
{
    return formAddressEnterScreenClass;
}

} // namespace quarn::forms
