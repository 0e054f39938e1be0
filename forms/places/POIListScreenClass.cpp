#include "forms/places/POIListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIListScreenClass &ui, QWidget *root)
{
    Root(root, "POIListScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 26, 230, 42);
    make(ui.backingNoObjects, root, "backingNoObjects").at(10, 140, 220, 32);
    make(ui.txtNoObjects, ui.backingNoObjects, "txtNoObjects")
        .at(0, 0, 220, 32)
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.listPOI, root, "listPOI").at(0, 80, 240, 265);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
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
    make(ui.ProgressAnimation, ui.bkgnd, "ProgressAnimation")
        .at(193, 5, 33, 34)
        .animationImages({":/Icons/i_ETAanimation1.mif", ":/Icons/i_ETAanimation2.mif", ":/Icons/i_ETAanimation3.mif",
                          ":/Icons/i_ETAanimation4.mif", ":/Icons/i_ETAanimation5.mif", ":/Icons/i_ETAanimation6.mif",
                          ":/Icons/i_ETAanimation7.mif", ":/Icons/i_ETAanimation8.mif"});
}

void retranslateUi(Ui_POIListScreenClass &ui, QWidget *)
{
    ui.txtNoObjects->setContent(QCoreApplication::translate("POIListScreenClass", "No objects found"));
    ui.txtTitle->setContent(QCoreApplication::translate("POIListScreenClass", "Points of interest"));
    ui.txtSubtitle->setContent(QCoreApplication::translate("POIListScreenClass", "Nearest"));
}

Form<Ui_POIListScreenClass, setupUi, retranslateUi> formPOIListScreenClass;

} // namespace

FormLayout &POIListScreenClass()
{
    return formPOIListScreenClass;
}

} // namespace quarn::forms
