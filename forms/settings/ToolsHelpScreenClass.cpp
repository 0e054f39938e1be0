#include "forms/settings/ToolsHelpScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsHelpScreenClass &ui, QWidget *root)
{
    Root(root, "ToolsHelpScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(70, 7, 100, 31).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(191, 7, 47, 31).titlePageNumber();
    titleIcon(ui.iconTitle, ui.icon, "iconTitle", ":/Icons/i_Tutorial.mif");
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
