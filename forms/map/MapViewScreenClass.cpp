#include "forms/map/MapViewScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapViewScreenClass &ui, QWidget *root)
{
    Root(root, "MapViewScreenClass").size(240, 400).zoomPositions(64, 124);

    mapControl(ui.zelMapControl, root);
    northUpIndicator(ui.NorthUp, ui.zelMapControl, 0, 302);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    scaleBar(ui.widgetScale, ui.zelMapControl, 160, 330);
    scaleBracket(ui.iconScale, ui.widgetScale);
    scaleTextShadow(ui.txtScaleShadow, ui.widgetScale);
    scaleText(ui.txtScale, ui.widgetScale);
    goButton(ui.btnBigGo, ui.zelMapControl).layoutDirection(Qt::RightToLeft);
    goText(ui.textBox, ui.btnBigGo).layoutDirection(Qt::RightToLeft);
    mapBottomPanel(ui.panelBottom, root, 0, 346, 240, 54);
    mapBackButton(ui.btnBack, root, 0, 348, 90, 52);
    mapContextMenuButton(ui.btnContextMenu, root, 150, 347, 91, 52);
    mapInfoBar(ui.iconLatLong, root, "iconLatLong");
    mapInfoLine(ui.txtLatLon, ui.iconLatLong, "txtLatLon").content("--- / ---");
}

void retranslateUi(Ui_MapViewScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapViewScreenClass", ""));
    ui.textBox->setContent(QCoreApplication::translate("MapViewScreenClass", "GO"));
}

Form<Ui_MapViewScreenClass, setupUi, retranslateUi> formMapViewScreenClass;

} // namespace

FormLayout &MapViewScreenClass()
{
    return formMapViewScreenClass;
}

} // namespace quarn::forms
