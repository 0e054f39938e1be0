#include "forms/map/MapVehicleModeScreenClass.h"

#include "core/construction/construction.h"

namespace quarn::forms {
namespace {

void setupUi(Ui_MapVehicleModeScreenClass &ui, QWidget *root)
{
    Root(root, "MapVehicleModeScreenClass")
        .size(240, 400)
        .navigationFieldBarPlacement();

    mapControl(ui.zelMapControl, root);
    mapInfoBar(ui.icon, ui.zelMapControl, "icon");
    mapInfoLine(ui.curStreet, ui.icon, "curStreet");
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    mapCompass(ui.compass, ui.zelMapControl, 0, 80);
    navigationFieldBar(ui.dashboardBar, root, vehicleModeDataFields());

    ui.compass->raise();
    ui.icon->raise();
    ui.ZoomIn->raise();
    ui.ZoomOut->raise();
}

void retranslateUi(Ui_MapVehicleModeScreenClass &ui, QWidget *root)
{
    const Translator tr("MapVehicleModeScreenClass");
    root->setProperty("windowTitle", tr.emptyText());
    ui.curStreet->setContent(tr("CURRENT STREET NAME"));
    retranslateCompassLetters(ui.compass, tr);
}

Form<Ui_MapVehicleModeScreenClass, setupUi, retranslateUi> form;

} // namespace

FormLayout &MapVehicleModeScreenClass()
{
    return form;
}

} // namespace quarn::forms
