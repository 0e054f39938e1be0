#include "forms/map/MapVehicleRouteScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapVehicleRouteScreenClass &ui, QWidget *root)
{
    Root(root, "MapVehicleRouteScreenClass").size(240, 400).navigationFieldBarPlacement();

    mapControl(ui.zelMapControl, root);
    make(ui.icon, ui.zelMapControl, "icon")
        .at(0, 20, 240, 98)
        .palette(Colours().role(QPalette::WindowText, kWhite))
        .image(":/Bkgd/bkgd_QuickInfoBar_2.mif");
    make(ui.curManeuver, ui.icon, "curManeuver")
        .at(57, 5, 181, 21)
        .palette(Colours().role(QPalette::WindowText, kWhite))
        .scaledContents()
        .alignment(Qt::AlignCenter)
        .pixelSize(22);
    make(ui.distance, ui.icon, "distance")
        .at(0, 5, 55, 21)
        .palette(Colours().role(QPalette::WindowText, kWhite))
        .scaledContents()
        .alignment(Qt::AlignCenter)
        .pixelSize(22);
    make(ui.button, ui.icon, "button").at(2, 25, 43, 61);
    make(ui.manIndicator, ui.button, "manIndicator").at(0, 10, 43, 46).statusImages(manoeuvreImages());
    mapCompass(ui.compass, ui.zelMapControl, 0, 80);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    navigationFieldBar(ui.dashboardBar, root, vehicleModeDataFields());
}

void retranslateUi(Ui_MapVehicleRouteScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapVehicleRouteScreenClass", ""));
    //: Sample content, replaced by the host at run time.
    ui.curManeuver->setContent(QCoreApplication::translate("MapVehicleRouteScreenClass", "CURRENT STREET NAME"));
    //: Sample content, replaced by the host at run time.
    ui.distance->setContent(QCoreApplication::translate("MapVehicleRouteScreenClass", "#DIST"));
    retranslateCompassLetters(ui.compass,
                              {QCoreApplication::translate("MapVehicleRouteScreenClass", "N"),
                               QCoreApplication::translate("MapVehicleRouteScreenClass", "W"),
                               QCoreApplication::translate("MapVehicleRouteScreenClass", "S"),
                               QCoreApplication::translate("MapVehicleRouteScreenClass", "E")});
}

Form<Ui_MapVehicleRouteScreenClass, setupUi, retranslateUi> formMapVehicleRouteScreenClass;

} // namespace

FormLayout &MapVehicleRouteScreenClass()
{
    return formMapVehicleRouteScreenClass;
}

} // namespace quarn::forms
