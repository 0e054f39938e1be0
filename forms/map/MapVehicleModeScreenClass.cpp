#include "forms/map/MapVehicleModeScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapVehicleModeScreenClass &ui, QWidget *root)
{
    Root(root, "MapVehicleModeScreenClass").size(240, 400).navigationFieldBarPlacement();

    mapControl(ui.zelMapControl, root);
    mapCompass(ui.compass, ui.zelMapControl, 0, 80);
    mapInfoBar(ui.icon, ui.zelMapControl, "icon");
    mapInfoLine(ui.curStreet, ui.icon, "curStreet");
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    navigationFieldBar(ui.dashboardBar, root, vehicleModeDataFields());
}

void retranslateUi(Ui_MapVehicleModeScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapVehicleModeScreenClass", ""));
    retranslateCompassLetters(ui.compass,
                              {QCoreApplication::translate("MapVehicleModeScreenClass", "N"),
                               QCoreApplication::translate("MapVehicleModeScreenClass", "W"),
                               QCoreApplication::translate("MapVehicleModeScreenClass", "S"),
                               QCoreApplication::translate("MapVehicleModeScreenClass", "E")});
    //: Sample content, replaced by the host at run time.
    ui.curStreet->setContent(QCoreApplication::translate("MapVehicleModeScreenClass", "CURRENT STREET NAME"));
}

Form<Ui_MapVehicleModeScreenClass, setupUi, retranslateUi> formMapVehicleModeScreenClass;

} // namespace

FormLayout &MapVehicleModeScreenClass()
{
    return formMapVehicleModeScreenClass;
}

} // namespace quarn::forms
