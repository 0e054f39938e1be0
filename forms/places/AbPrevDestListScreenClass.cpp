#include "forms/places/AbPrevDestListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AbPrevDestListScreenClass &ui, QWidget *root)
{
    Root(root, "AbPrevDestListScreenClass").size(240, 400);

    make(ui.btnListHeader, root, "btnListHeader").at(0, 20, 240, 46).normal(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
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
    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 7, 60, 43).contextMenuButton();
    make(ui.ScrollButtonsWidget, ui.statusBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
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
