#include "forms/settings/ToolsProfilesScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsProfilesScreenClass &ui, QWidget *root)
{
    Root(root, "ToolsProfilesScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_Profiles.mif")
        .pressed(":/Icons/i_ToolBar_Profiles_h.mif");
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(50, 13, 140, 20).titleText();
    make(ui.labelPage, ui.icon, "labelPage")
        .at(191, 2, 47, 20)
        .palette(whiteText())
        .smallCaption()
        .alignment(Qt::AlignTrailing | Qt::AlignBottom);
    make(ui.labelNumber, ui.icon, "labelNumber")
        .at(191, 24, 47, 20)
        .palette(whiteText())
        .smallCaption()
        .alignment(Qt::AlignTrailing | Qt::AlignTop);
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_Profiles.mif");
    make(ui.listProfiles, root, "listProfiles").at(0, 80, 240, 265);
}

void retranslateUi(Ui_ToolsProfilesScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.labelName->setContent(QCoreApplication::translate("ToolsProfilesScreenClass", "Profiles"));
    ui.labelPage->setContent(QString());
    ui.labelNumber->setContent(QString());
}

Form<Ui_ToolsProfilesScreenClass, setupUi, retranslateUi> formToolsProfilesScreenClass;

} // namespace

FormLayout &ToolsProfilesScreenClass()
{
    return formToolsProfilesScreenClass;
}

} // namespace quarn::forms
