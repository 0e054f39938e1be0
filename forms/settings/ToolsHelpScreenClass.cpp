#include "forms/settings/ToolsHelpScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsHelpScreenClass &ui, QWidget *root)
{
    Root(root, "ToolsHelpScreenClass").size(240, 400);

    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.ScrollButtonsWidget, ui.statusBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
    make(ui.icon, root, "icon").at(0, 21, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.labelName, ui.icon, "labelName").at(70, 7, 100, 31).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(191, 7, 47, 31).titlePageNumber();
    make(ui.iconTitle, ui.icon, "iconTitle").at(4, 4, 38, 38).image(":/Icons/i_Tutorial.mif");
    make(ui.list, root, "list").at(0, 80, 240, 265);
}

void retranslateUi(Ui_ToolsHelpScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("ToolsHelpScreenClass", "Help"));
    //: Number shown until the host fills it.
    ui.labelPage->setContent(QCoreApplication::translate("ToolsHelpScreenClass", "1/1"));
}

Form<Ui_ToolsHelpScreenClass, setupUi, retranslateUi> formToolsHelpScreenClass;

} // namespace

FormLayout &ToolsHelpScreenClass()
{
    return formToolsHelpScreenClass;
}

} // namespace quarn::forms
