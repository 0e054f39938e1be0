#include "forms/places/WptListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptListScreenClass &ui, QWidget *root)
{
    Root(root, "WptListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(170, 7, 70, 43);
    make(ui.pageMenu, nullptr, "pageMenu");
    make(ui.btnContextMenu, ui.pageMenu, "btnContextMenu").at(10, 0, 60, 43).contextMenuButton();
    make(ui.pageNext, nullptr, "pageNext").hidden();
    make(ui.btnNext, ui.pageNext, "btnNext").at(-5, -1, 76, 43).labelledActionButton();
    make(ui.label, ui.btnNext, "label").at(8, 6, 62, 31).actionButtonLabel();
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.listWpt, root, "listWpt").at(0, 80, 240, 265);
    make(ui.titleButton, root, "titleButton")
        .at(5, 26, 230, 42)
        .normal(":/Bkgd/bkgd_TitleArea.mif")
        .pressed(":/Bkgd/bkgd_TitleArea_h.mif")
        .focused(":/Bkgd/bkgd_TitleArea_f.mif");
    make(ui.backing, ui.titleButton, "backing").at(0, 0, 230, 42);
    make(ui.txtWaypoints, ui.backing, "txtWaypoints").at(40, 3, 142, 19).font(boldAA()).pixelSize(17);
    make(ui.iconWpt, ui.backing, "iconWpt").at(0, 0, 38, 38).image(":/Icons/i_WayPoints.mif");
    make(ui.txtCurPage, ui.backing, "txtCurPage")
        .at(184, 4, 41, 17)
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("1/1")
        .pixelSize(13);
    make(ui.txtSortFilterType, ui.backing, "txtSortFilterType")
        .at(40, 22, 143, 17)
        .content("Nearest")
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtNumOfWpt, ui.backing, "txtNumOfWpt")
        .at(184, 22, 41, 20)
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13);

    addPages(ui.stackedWidget, {ui.pageMenu, ui.pageNext}, 0);

    ui.pageMenu->raise();
}

void retranslateUi(Ui_WptListScreenClass &ui, QWidget *)
{
    ui.label->setContent(QCoreApplication::translate("WptListScreenClass", "Next>"));
    ui.txtWaypoints->setContent(QCoreApplication::translate("WptListScreenClass", "Waypoints"));
}

Form<Ui_WptListScreenClass, setupUi, retranslateUi> formWptListScreenClass;

} // namespace

FormLayout &WptListScreenClass()
{
    return formWptListScreenClass;
}

} // namespace quarn::forms
