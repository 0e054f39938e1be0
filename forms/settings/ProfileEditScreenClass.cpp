#include "forms/settings/ProfileEditScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ProfileEditScreenClass &ui, QWidget *root)
{
    Root(root, "ProfileEditScreenClass").size(240, 400);

    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 7, 60, 43).font(aaFont()).contextMenuButton();
    make(ui.icon, root, "icon").at(0, 21, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.lblProfileName, ui.icon, "lblProfileName").at(45, 4, 190, 38).titleText().wordWrap();
    make(ui.iconItem, ui.icon, "iconItem").at(4, 4, 38, 38);
    make(ui.listSettings, root, "listSettings").at(0, 67, 234, 283);
}

void retranslateUi(Ui_ProfileEditScreenClass &, QWidget *)
{
}

Form<Ui_ProfileEditScreenClass, setupUi, retranslateUi> formProfileEditScreenClass;

} // namespace

FormLayout &ProfileEditScreenClass()
{
    return formProfileEditScreenClass;
}

} // namespace quarn::forms
