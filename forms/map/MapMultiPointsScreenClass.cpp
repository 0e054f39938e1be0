#include "forms/map/MapMultiPointsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapMultiPointsScreenClass &ui, QWidget *root)
{
    Root(root, "MapMultiPointsScreenClass").size(240, 400).zoomPositions(64, 124);

    mapControl(ui.zelMapControl, root);
    northUpIndicator(ui.NorthUp, ui.zelMapControl, 0, 302);
    scaleBar(ui.widgetScale, ui.zelMapControl, 160, 330);
    scaleBracket(ui.iconScale, ui.widgetScale);
    scaleTextShadow(ui.txtScaleShadow, ui.widgetScale);
    scaleText(ui.txtScale, ui.widgetScale);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    mapBottomPanel(ui.panelBottom, root, 0, 346, 240, 54);
    mapBackButton(ui.btnBack, root, 0, 348, 90, 52);
    make(ui.btnOK, root, "btnOK")
        .at(174, 351, 67, 56)
        .focusPolicy(Qt::NoFocus)
        .normal(":/Buttons/b_KB_OK.mif")
        .pressed(":/Buttons/b_KB_OK_h.mif");
    mapInfoBar(ui.iconLatLong, root, "iconLatLong");
    mapInfoLine(ui.txtLatLon, ui.iconLatLong, "txtLatLon").content("--- / ---");
}

void retranslateUi(Ui_MapMultiPointsScreenClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapMultiPointsScreenClass", ""));
}

Form<Ui_MapMultiPointsScreenClass, setupUi, retranslateUi> formMapMultiPointsScreenClass;

} // namespace

FormLayout &MapMultiPointsScreenClass()
{
    return formMapMultiPointsScreenClass;
}

} // namespace quarn::forms
