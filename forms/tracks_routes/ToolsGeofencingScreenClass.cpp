#include "forms/tracks_routes/ToolsGeofencingScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsGeofencingScreenClass &ui, QWidget *root)
{
    Root(root, "ToolsGeofencingScreenClass").size(240, 400);

    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(50, 10, 140, 26).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(191, 2, 47, 20).titlePageNumber();
    titleIcon(ui.iconTitle, ui.icon, "iconTitle", ":/Icons/i_GeoFencing.mif");
    make(ui.labelNumber, ui.icon, "labelNumber")
        .at(191, 24, 47, 20)
        .palette(whiteText())
        .smallCaption()
        .alignment(Qt::AlignTrailing | Qt::AlignTop);
    make(ui.listGeofences, root, "listGeofences").at(0, 80, 240, 265);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
}

void retranslateUi(Ui_ToolsGeofencingScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("ToolsGeofencingScreenClass", "GeoFencing"));
    //: Number shown until the host fills it.
    ui.labelPage->setContent(QCoreApplication::translate("ToolsGeofencingScreenClass", "1/1"));
    ui.labelNumber->setContent(QString());
}

Form<Ui_ToolsGeofencingScreenClass, setupUi, retranslateUi> formToolsGeofencingScreenClass;

} // namespace

FormLayout &ToolsGeofencingScreenClass()
{
    return formToolsGeofencingScreenClass;
}

} // namespace quarn::forms
