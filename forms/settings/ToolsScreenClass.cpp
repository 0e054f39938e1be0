#include "forms/settings/ToolsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsScreenClass &ui, QWidget *root)
{
    Root(root, "ToolsScreenClass").size(240, 400);

    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(60, 6, 140, 34).titleText().wordWrap();
    make(ui.labelPage, ui.icon, "labelPage").at(210, 7, 27, 31).titlePageNumber();
    make(ui.iconTitle, ui.icon, "iconTitle").at(0, 0, 60, 43).image(":/Icons/i_ToolBar_Settings.mif");
    make(ui.listTools, root, "listTools").at(0, 80, 240, 265);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
}

void retranslateUi(Ui_ToolsScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("ToolsScreenClass", "Tools"));
    //: Number shown until the host fills it.
    ui.labelPage->setContent(QCoreApplication::translate("ToolsScreenClass", "1/1"));
}

Form<Ui_ToolsScreenClass, setupUi, retranslateUi> formToolsScreenClass;

} // namespace

FormLayout &ToolsScreenClass()
{
    return formToolsScreenClass;
}

} // namespace quarn::forms
