#include "forms/settings/ToolsProfilesScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsProfilesScreenClass &ui, QWidget *root)
{
    Root(root, "ToolsProfilesScreenClass").size(240, 400);

    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 7, 60, 43).font(aaFont()).contextMenuButton();
    make(ui.ScrollButtonsWidget, ui.statusBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_Profiles.mif")
        .pressed(":/Icons/i_ToolBar_Profiles_h.mif");
    make(ui.icon, root, "icon").at(0, 21, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
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
    make(ui.icon_2, ui.icon, "icon_2").at(4, 4, 38, 38).image(":/Icons/i_Profiles.mif");
    make(ui.listProfiles, root, "listProfiles").at(0, 80, 240, 265);
}

void retranslateUi(Ui_ToolsProfilesScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("ToolsProfilesScreenClass", "Profiles"));
}

Form<Ui_ToolsProfilesScreenClass, setupUi, retranslateUi> formToolsProfilesScreenClass;

} // namespace

FormLayout &ToolsProfilesScreenClass()
{
    return formToolsProfilesScreenClass;
}

} // namespace quarn::forms
