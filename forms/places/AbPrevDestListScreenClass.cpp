#include "forms/places/AbPrevDestListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AbPrevDestListScreenClass &ui, QWidget *root)
{
    Root(root, "AbPrevDestListScreenClass").size(240, 400);

    listHeaderButton(ui.btnListHeader, root);
    make(ui.iconWpt, ui.btnListHeader, "iconWpt").at(2, 3, 38, 38).image(":/Icons/i_assignlocation_Previous.mif");
    make(ui.txtCurPage, ui.btnListHeader, "txtCurPage").at(185, 4, 51, 20).listHeaderCount().content("1/1");
    make(ui.txtNumOfDests, ui.btnListHeader, "txtNumOfDests").at(185, 23, 51, 20).listHeaderCount().content("0");
    make(ui.txPrevDests, ui.btnListHeader, "txPrevDests")
        .at(43, 4, 151, 41)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(Font().family("MS Shell Dlg 2").bold().aa())
        .pixelSize(12);
    make(ui.listDests, root, "listDests").at(0, 80, 240, 265);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
}

void retranslateUi(Ui_AbPrevDestListScreenClass &ui, QWidget *)
{
    ui.txPrevDests->setContent(QCoreApplication::translate("AbPrevDestListScreenClass", "Previous Destinations"));
}

Form<Ui_AbPrevDestListScreenClass, setupUi, retranslateUi> formAbPrevDestListScreenClass;

} // namespace

FormLayout &AbPrevDestListScreenClass()
{
    return formAbPrevDestListScreenClass;
}

} // namespace quarn::forms
