#include "forms/places/POIPicturesScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIPicturesScreenClass &ui, QWidget *root)
{
    Root(root, "POIPicturesScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.horizontalLayoutWidget, root, "horizontalLayoutWidget").at(3, 20, 232, 51);
    layout(ui.layoutTitle, ui.horizontalLayoutWidget, "layoutTitle").spacing(0);
    make(ui.iconCap, ui.horizontalLayoutWidget, "iconCap").image(":/Bkgd/bkgd_TitleArea_Left_02.mif");
    make(ui.iconPOI, ui.iconCap, "iconPOI")
        .at(11, 4, 37, 38)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_WP_Coordinates.mif")
        .pixelSize(12);
    make(ui.iconName, ui.horizontalLayoutWidget, "iconName").image(":/Bkgd/bkgd_TitleArea_Right_02.mif");
    make(ui.txtPOIName, ui.iconName, "txtPOIName")
        .at(10, 10, 141, 21)
        .listItemName()
        .content("TextLabel")
        .pixelSize(13);
    make(ui.picBar, root, "picBar").at(5, 71, 226, 44).image(":/Buttons/b_Panel_01.mif");
    make(ui.labelPic, ui.picBar, "labelPic").at(14, 13, 81, 16).smallCaption();
    make(ui.txtPictNum, ui.picBar, "txtPictNum").at(101, 14, 111, 16).content("0").pixelSize(12);

    addMembers(ui.layoutTitle, {ui.iconCap, ui.iconName});
}

void retranslateUi(Ui_POIPicturesScreenClass &ui, QWidget *)
{
    ui.iconPOI->setContent(QString());
    ui.labelPic->setContent(QCoreApplication::translate("POIPicturesScreenClass", "Pictures"));
}

Form<Ui_POIPicturesScreenClass, setupUi, retranslateUi> formPOIPicturesScreenClass;

} // namespace

FormLayout &POIPicturesScreenClass()
{
    return formPOIPicturesScreenClass;
}

} // namespace quarn::forms
