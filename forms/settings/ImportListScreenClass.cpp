#include "forms/settings/ImportListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ImportListScreenClass &ui, QWidget *root)
{
    Root(root, "ImportListScreenClass").size(240, 400);

    listHeaderButton(ui.btnListHeader, root);
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
    bottomBar(ui.statusBar, root);
    make(ui.btnClose, ui.statusBar, "btnClose").at(195, 10, 40, 40).closeButton();
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
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
