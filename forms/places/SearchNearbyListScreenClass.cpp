#include "forms/places/SearchNearbyListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SearchNearbyListScreenClass &ui, QWidget *root)
{
    Root(root, "SearchNearbyListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.lvRoutes, root, "lvRoutes").at(0, 80, 240, 265);
    make(ui.icon_2, root, "icon_2").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.txtCurPage, ui.icon_2, "txtCurPage")
        .at(182, 3, 51, 20)
        .palette(whiteText())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0/0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.txtNumOfCaches, ui.icon_2, "txtNumOfCaches")
        .at(198, 23, 35, 20)
        .palette(whiteText())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOnOfThree);
    make(ui.textBox, ui.icon_2, "textBox")
        .at(10, 10, 171, 31)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .scaledContents()
        .pixelSize(18);
    make(ui.ProgressAnimation, ui.icon_2, "ProgressAnimation")
        .at(207, 7, 33, 34)
        .animationImages({":/Icons/i_ETAanimation1.mif", ":/Icons/i_ETAanimation2.mif", ":/Icons/i_ETAanimation3.mif",
                          ":/Icons/i_ETAanimation4.mif", ":/Icons/i_ETAanimation5.mif", ":/Icons/i_ETAanimation6.mif",
                          ":/Icons/i_ETAanimation7.mif", ":/Icons/i_ETAanimation8.mif"});
    make(ui.backingNoObjects, root, "backingNoObjects").at(10, 140, 220, 32);
    make(ui.txtNoObjects, ui.backingNoObjects, "txtNoObjects")
        .at(0, 0, 220, 32)
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
}

void retranslateUi(Ui_SearchNearbyListScreenClass &ui, QWidget *)
{
    ui.textBox->setContent(QCoreApplication::translate("SearchNearbyListScreenClass", "Nearby Search Result"));
    ui.txtNoObjects->setContent(QCoreApplication::translate("SearchNearbyListScreenClass", "No objects found"));
}

Form<Ui_SearchNearbyListScreenClass, setupUi, retranslateUi> formSearchNearbyListScreenClass;

} // namespace

FormLayout &SearchNearbyListScreenClass()
{
    return formSearchNearbyListScreenClass;
}

} // namespace quarn::forms
