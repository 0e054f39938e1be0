#include "forms/geocaching/GeoCacheListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeoCacheListScreenClass &ui, QWidget *root)
{
    Root(root, "GeoCacheListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(169, 7, 71, 43);
    make(ui.pageMenu, nullptr, "pageMenu");
    make(ui.btnContextMenu, ui.pageMenu, "btnContextMenu").at(10, 0, 60, 43).contextMenuButton();
    make(ui.pageSave, nullptr, "pageSave").hidden();
    make(ui.btnSave, ui.pageSave, "btnSave")
        .at(10, 0, 55, 41)
        .normal(":/Buttons/b_KB_OK.mif")
        .pressed(":/Buttons/b_KB_OK_f.mif");
    make(ui.titleButton, root, "titleButton")
        .at(5, 26, 230, 42)
        .normal(":/Bkgd/bkgd_TitleArea.mif")
        .pressed(":/Bkgd/bkgd_TitleArea_h.mif")
        .focused(":/Bkgd/bkgd_TitleArea_f.mif");
    make(ui.backing, ui.titleButton, "backing").at(0, 0, 230, 42);
    make(ui.txtWaypoints, ui.backing, "txtWaypoints").at(34, 2, 132, 20).font(boldAA()).pixelSize(17);
    make(ui.txtNumOfCaches, ui.backing, "txtNumOfCaches")
        .at(170, 20, 55, 20)
        .font(boldAA())
        .scaledContents()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.txtFilter, ui.backing, "txtFilter")
        .at(6, 20, 161, 19)
        .font(boldAA())
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOnOfThree);
    make(ui.ItemIcon_Type, ui.backing, "ItemIcon_Type").at(4, 2, 26, 20).image(":/Icons/i_GeocacheIcons.mif");
    make(ui.txtCurPage, ui.backing, "txtCurPage")
        .at(170, 2, 53, 16)
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0/0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.listGeoCaches, root, "listGeoCaches").at(0, 80, 240, 265);

    addPages(ui.stackedWidget, {ui.pageMenu, ui.pageSave}, 0);

    ui.pageMenu->raise();
}

void retranslateUi(Ui_GeoCacheListScreenClass &ui, QWidget *)
{
    ui.txtWaypoints->setContent(QCoreApplication::translate("GeoCacheListScreenClass", "Geocaches"));
    //: Sample content, replaced by the host at run time.
    ui.txtFilter->setContent(QCoreApplication::translate("GeoCacheListScreenClass", "Filter will be here..."));
}

Form<Ui_GeoCacheListScreenClass, setupUi, retranslateUi> formGeoCacheListScreenClass;

} // namespace

FormLayout &GeoCacheListScreenClass()
{
    return formGeoCacheListScreenClass;
}

} // namespace quarn::forms
