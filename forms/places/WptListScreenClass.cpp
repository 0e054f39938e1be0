#include "forms/places/WptListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptListScreenClass &ui, QWidget *root)
{
    Root(root, "WptListScreenClass").size(240, 400).property("font", QFont());

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(170, 7, 70, 43);
    stackPage(ui.pageMenu, ui.stackedWidget, "pageMenu");
    make(ui.btnContextMenu, ui.pageMenu, "btnContextMenu").at(10, 0, 60, 43).contextMenuButton();
    stackPage(ui.pageNext, ui.stackedWidget, "pageNext");
    make(ui.btnNext, ui.pageNext, "btnNext").at(-5, -1, 76, 43).font(aaFont()).actionButton();
    make(ui.label, ui.btnNext, "label")
        .at(8, 6, 62, 31)
        .palette(Colours().role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(boldAA())
        .pixelSize(16)
        .alignment(align::Centre);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.listWpt, root, "listWpt").at(0, 80, 240, 265);
    make(ui.titleButton, root, "titleButton")
        .at(5, 26, 230, 42)
        .faces(":/Bkgd/bkgd_TitleArea.mif", ":/Bkgd/bkgd_TitleArea_h.mif")
        .focused(":/Bkgd/bkgd_TitleArea_f.mif");
    make(ui.backing, ui.titleButton, "backing").at(0, 0, 230, 42);
    make(ui.txtWaypoints, ui.backing, "txtWaypoints").at(40, 3, 142, 19).font(boldAA()).pixelSize(17);
    make(ui.iconWpt, ui.backing, "iconWpt").at(0, 0, 38, 38).image(":/Icons/i_WayPoints.mif");
    make(ui.txtCurPage, ui.backing, "txtCurPage")
        .at(184, 4, 41, 17)
        .font(boldAA())
        .pixelSize(13)
        .alignment(align::RightVCentre)
        .content("1/1");
    make(ui.txtSortFilterType, ui.backing, "txtSortFilterType")
        .at(40, 22, 143, 17)
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("Nearest");
    make(ui.txtNumOfWpt, ui.backing, "txtNumOfWpt")
        .at(184, 22, 41, 20)
        .font(boldAA())
        .pixelSize(13)
        .alignment(align::RightVCentre)
        .content("0");

    ui.stackedWidget->setCurrentIndex(0);
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
