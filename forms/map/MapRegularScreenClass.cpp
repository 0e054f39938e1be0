#include "forms/map/MapRegularScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

const std::vector<navfields::Configuration> kMapDataFields = [] {
    using namespace navfields;
    return std::vector<Configuration>{
        {{full(50, 12, 16)}},
        {{half(45), half(45)}},
        {{full(50, 12, 16)}, {half(45), half(45)}},
        {{half(45), half(45)}, {half(45), half(45)}},
    };
}();

void setupUi(Ui_MapRegularScreenClass &ui, QWidget *root)
{
    Root(root, "MapRegularScreenClass").size(240, 400).navigationFieldBarPlacement();

    mapControl(ui.zelMapControl, root);
    northUpIndicator(ui.NorthUp, ui.zelMapControl, 0, 352);
    scaleBar(ui.widgetScale, ui.zelMapControl, 160, 380);
    scaleBracket(ui.iconScale, ui.widgetScale);
    scaleText(ui.txtScale, ui.widgetScale);
    scaleTextShadow(ui.txtScaleShadow, ui.widgetScale);
    mapCompass(ui.compass, ui.zelMapControl, 0, 150);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    navigationFieldBar(ui.dashboardBar, root, kMapDataFields);

    ui.iconScale->raise();
    ui.txtScaleShadow->raise();
    ui.txtScale->raise();
    ui.NorthUp->raise();
    ui.widgetScale->raise();
    ui.compass->raise();
    ui.ZoomOut->raise();
    ui.ZoomIn->raise();
}

void retranslateUi(Ui_MapRegularScreenClass &ui, QWidget *root)
{
    root->setProperty("windowTitle", QCoreApplication::translate("MapRegularScreenClass", ""));
    retranslateCompassLetters(ui.compass,
                              {QCoreApplication::translate("MapRegularScreenClass", "N"),
                               QCoreApplication::translate("MapRegularScreenClass", "W"),
                               QCoreApplication::translate("MapRegularScreenClass", "S"),
                               QCoreApplication::translate("MapRegularScreenClass", "E")});
}

Form<Ui_MapRegularScreenClass, setupUi, retranslateUi> formMapRegularScreenClass;

} // namespace

FormLayout &MapRegularScreenClass()
{
    return formMapRegularScreenClass;
}

} // namespace quarn::forms
