#include "forms/places/POICategoryListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POICategoryListScreenClass &ui, QWidget *root)
{
    Root(root, "POICategoryListScreenClass").size(241, 400);

    make(ui.bkgnd, root, "bkgnd").at(5, 26, 230, 42).palette(blackText()).image(":/Bkgd/bkgd_TitleArea.mif");
    make(ui.iconWpt, ui.bkgnd, "iconWpt").at(0, 1, 38, 38).image(":/Icons/i_poiicon.mif");
    make(ui.txtTitle, ui.bkgnd, "txtTitle")
        .at(37, 3, 141, 17)
        .font(boldAA())
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtSubtitle, ui.bkgnd, "txtSubtitle").at(40, 21, 141, 17).pixelSize(13).textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtCurPage, ui.bkgnd, "txtCurPage")
        .at(171, 3, 53, 16)
        .pixelSize(13)
        .alignment(align::RightVCentre)
        .content("1/1");
    make(ui.txtNumOfPOI, ui.bkgnd, "txtNumOfPOI")
        .at(189, 21, 35, 20)
        .pixelSize(13)
        .alignment(align::RightVCentre)
        .content("0");
    make(ui.listPOICategory, root, "listPOICategory").at(0, 80, 240, 265);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.backing, root, "backing").at(5, 26, 230, 42);
    make(ui.backingNoObjects, root, "backingNoObjects").at(10, 140, 220, 32);
    make(ui.txtNoObjects, ui.backingNoObjects, "txtNoObjects").at(0, 0, 220, 32).pixelSize(16).alignment(align::Centre);

    ui.bkgnd->raise();
    ui.backing->raise();
    ui.backingNoObjects->raise();
    ui.bkgnd->raise();
    ui.listPOICategory->raise();
    ui.statusBar->raise();
}

void retranslateUi(Ui_POICategoryListScreenClass &ui, QWidget *)
{
    ui.txtTitle->setContent(QCoreApplication::translate("POICategoryListScreenClass", "Points of interest"));
    ui.txtSubtitle->setContent(QCoreApplication::translate("POICategoryListScreenClass", "Nearest"));
    ui.txtNoObjects->setContent(QCoreApplication::translate("POICategoryListScreenClass", "No categories found"));
}

Form<Ui_POICategoryListScreenClass, setupUi, retranslateUi> formPOICategoryListScreenClass;

} // namespace

FormLayout &POICategoryListScreenClass()
{
    return formPOICategoryListScreenClass;
}

} // namespace quarn::forms
