#include "forms/tracks_routes/ToolsGeofencingMapAreasScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsGeofencingMapAreasScreenClass &ui, QWidget *root)
{
    Root(root, "ToolsGeofencingMapAreasScreenClass").size(240, 400);

    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(50, 10, 140, 26).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(191, 2, 47, 20).titlePageNumber();
    make(ui.iconTitle, ui.icon, "iconTitle").at(0, 0, 38, 38).image(":/Icons/i_GeoFencing.mif");
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

void retranslateUi(Ui_ToolsGeofencingMapAreasScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("ToolsGeofencingMapAreasScreenClass", "Add GeoFence"));
    //: Number shown until the host fills it.
    ui.labelPage->setContent(QCoreApplication::translate("ToolsGeofencingMapAreasScreenClass", "1/1"));
    ui.labelNumber->setContent(QString());
}

Form<Ui_ToolsGeofencingMapAreasScreenClass, setupUi, retranslateUi> formToolsGeofencingMapAreasScreenClass;

} // namespace

FormLayout &ToolsGeofencingMapAreasScreenClass()
{
    return formToolsGeofencingMapAreasScreenClass;
}

} // namespace quarn::forms
