#include "forms/settings/ImportListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ImportListScreenClass &ui, QWidget *root)
{
    Root(root, "ImportListScreenClass").size(240, 400);

    make(ui.btnListHeader, root, "btnListHeader").at(0, 20, 240, 46).normal(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.txtPath, ui.btnListHeader, "txtPath")
        .at(43, 23, 145, 17)
        .palette(whiteButtonText())
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtCurPage, ui.btnListHeader, "txtCurPage").at(195, 4, 41, 20).listHeaderCount().content("1/1");
    make(ui.txtNumOfItems, ui.btnListHeader, "txtNumOfItems").at(195, 23, 41, 20).listHeaderCount().content("0");
    make(ui.txtImportFrom, ui.btnListHeader, "txtImportFrom")
        .at(43, 4, 145, 17)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(Font().family("MS Shell Dlg 2").bold().aa())
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconImport, ui.btnListHeader, "iconImport").at(2, 3, 38, 38).image(":/Icons/i_Import.mif");
    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnClose, ui.statusBar, "btnClose").at(195, 10, 40, 40).closeButton();
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.ScrollButtonsWidget, ui.statusBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
    make(ui.listItems, root, "listItems").at(0, 80, 240, 265);
}

void retranslateUi(Ui_ImportListScreenClass &ui, QWidget *)
{
    ui.txtImportFrom->setContent(QCoreApplication::translate("ImportListScreenClass", "Import from Device"));
}

Form<Ui_ImportListScreenClass, setupUi, retranslateUi> formImportListScreenClass;

} // namespace

FormLayout &ImportListScreenClass()
{
    return formImportListScreenClass;
}

} // namespace quarn::forms
