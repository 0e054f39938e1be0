#include "forms/map/MapRegularScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

const std::vector<navfields::Configuration> kMapRegularDataFields = [] {
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
    scaleTextShadow(ui.txtScaleShadow, ui.widgetScale);
    scaleText(ui.txtScale, ui.widgetScale);
    mapCompass(ui.compass, ui.zelMapControl, 0, 150);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    navigationFieldBar(ui.dashboardBar, root, kMapRegularDataFields);
}

void retranslateUi(Ui_MapRegularScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapRegularScreenClass", ""));
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
