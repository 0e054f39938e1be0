#include "forms/settings/BravikEditItemScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_BravikEditItemScrClass &ui, QWidget *root)
{
    Root(root, "BravikEditItemScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.header, root, "header").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.labelName_4, ui.header, "labelName_4").at(0, 13, 241, 21).titleText();
    make(ui.icon, ui.header, "icon").at(2, 6, 41, 38).image(":/Icons/i_assigntype_Location.mif");
    make(ui.btnName, root, "btnName").at(10, 87, 175, 38).normal(":/Bkgd/bkgd_KB_EntryField_01.mif").eventPropagation();
    make(ui.txtName, ui.btnName, "txtName").at(9, 8, 150, 20).caption();
    make(ui.lblFullName, root, "lblFullName").at(10, 67, 211, 20).caption();
    make(ui.btnLocation, root, "btnLocation").at(6, 160, 223, 53).listButton();
    make(ui.txtUp, ui.btnLocation, "txtUp").at(55, 7, 153, 20).font(boldAA()).pixelSize(16);
    make(ui.txtUpFunc, ui.btnLocation, "txtUpFunc").at(55, 26, 153, 20).font(boldAA()).pixelSize(13);
    make(ui.icon_2, ui.btnLocation, "icon_2").at(13, 7, 38, 38).image(":/Icons/i_assigntype_Location.mif");
    make(ui.btnSearch, root, "btnSearch").at(6, 270, 223, 53).listButton();
    make(ui.txtUp_4, ui.btnSearch, "txtUp_4").at(55, 7, 153, 20).font(boldAA()).pixelSize(16);
    make(ui.txtUpFunc_4, ui.btnSearch, "txtUpFunc_4")
        .at(55, 26, 153, 20)
        .smallCaption()
        .textBoxNumber(TextBoxNumber::FunctionCaption);
    make(ui.icon_5, ui.btnSearch, "icon_5").at(13, 7, 38, 38).image(":/Icons/i_assigntype_Search.mif");
    make(ui.btnFunction, root, "btnFunction").at(6, 215, 223, 53).listButton();
    make(ui.txtUp_3, ui.btnFunction, "txtUp_3").at(55, 7, 153, 20).font(boldAA()).pixelSize(16);
    make(ui.txtUpFunc_3, ui.btnFunction, "txtUpFunc_3").at(55, 26, 153, 20).font(boldAA()).pixelSize(13);
    make(ui.icon_4, ui.btnFunction, "icon_4").at(13, 7, 38, 38).image(":/Icons/i_assigntype_Function.mif");
    make(ui.lblFullName_2, root, "lblFullName_2").at(10, 139, 211, 20).caption();
}

void retranslateUi(Ui_BravikEditItemScrClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.labelName_4->setContent(QCoreApplication::translate("BravikEditItemScrClass", "Edit Bravik"));
    ui.lblFullName->setContent(QCoreApplication::translate("BravikEditItemScrClass", "Name:"));
    ui.txtUp->setContent(QCoreApplication::translate("BravikEditItemScrClass", "Location"));
    ui.txtUpFunc->setContent(QCoreApplication::translate("BravikEditItemScrClass", "e.g., work address"));
    ui.txtUp_4->setContent(QCoreApplication::translate("BravikEditItemScrClass", "Search"));
    ui.txtUpFunc_4->setContent(QCoreApplication::translate("BravikEditItemScrClass", "e.g., nearest Geocache"));
    ui.txtUp_3->setContent(QCoreApplication::translate("BravikEditItemScrClass", "Function"));
    ui.txtUpFunc_3->setContent(QCoreApplication::translate("BravikEditItemScrClass", "e.g., Compass"));
    ui.lblFullName_2->setContent(QCoreApplication::translate("BravikEditItemScrClass", "Reassign Type:"));
}

Form<Ui_BravikEditItemScrClass, setupUi, retranslateUi> formBravikEditItemScrClass;

} // namespace

FormLayout &BravikEditItemScrClass()
{
    return formBravikEditItemScrClass;
}

} // namespace quarn::forms
