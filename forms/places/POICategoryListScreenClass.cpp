#include "forms/places/POICategoryListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POICategoryListScreenClass &ui, QWidget *root)
{
    Root(root, "POICategoryListScreenClass").size(241, 400);

    make(ui.backing, root, "backing").at(5, 26, 230, 42);
    make(ui.backingNoObjects, root, "backingNoObjects").at(10, 140, 220, 32);
    make(ui.txtNoObjects, ui.backingNoObjects, "txtNoObjects")
        .at(0, 0, 220, 32)
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.bkgnd, root, "bkgnd").at(5, 26, 230, 42).palette(blackText()).image(":/Bkgd/bkgd_TitleArea.mif");
    make(ui.iconWpt, ui.bkgnd, "iconWpt").at(0, 1, 38, 38).image(":/Icons/i_poiicon.mif");
    make(ui.txtTitle, ui.bkgnd, "txtTitle").at(37, 3, 141, 17).caption().textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtSubtitle, ui.bkgnd, "txtSubtitle").at(40, 21, 141, 17).pixelSize(13).textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtCurPage, ui.bkgnd, "txtCurPage")
        .at(171, 3, 53, 16)
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("1/1")
        .pixelSize(13);
    make(ui.txtNumOfPOI, ui.bkgnd, "txtNumOfPOI")
        .at(189, 21, 35, 20)
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13);
    make(ui.listPOICategory, root, "listPOICategory").at(0, 80, 240, 265);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
}

void retranslateUi(Ui_POICategoryListScreenClass &ui, QWidget *)
{
    ui.txtNoObjects->setContent(QCoreApplication::translate("POICategoryListScreenClass", "No categories found"));
    ui.txtTitle->setContent(QCoreApplication::translate("POICategoryListScreenClass", "Points of interest"));
    ui.txtSubtitle->setContent(QCoreApplication::translate("POICategoryListScreenClass", "Nearest"));
}

Form<Ui_POICategoryListScreenClass, setupUi, retranslateUi> formPOICategoryListScreenClass;

} // namespace

FormLayout &POICategoryListScreenClass()
{
    return formPOICategoryListScreenClass;
}

} // namespace quarn::forms
