#include "forms/map/MapControlsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapControlsScreenClass &ui, QWidget *root)
{
    Root(root, "MapControlsScreenClass").size(240, 400);

    mapControl(ui.zelMapControl, root);
    scaleBar(ui.widgetScale, ui.zelMapControl, 160, 330);
    scaleBracket(ui.iconScale, ui.widgetScale);
    scaleTextShadow(ui.txtScaleShadow, ui.widgetScale);
    scaleText(ui.txtScale, ui.widgetScale);
    northUpIndicator(ui.NorthUp, ui.zelMapControl, 0, 302);
    mapCompass(ui.compass, ui.zelMapControl, 0, 150);
    make(ui.panelTop, root, "panelTop").at(0, 21, 240, 54).image(":/Bkgd/bkgd_Map_Control_Top.mif");
    make(ui.btnDashBoard, ui.panelTop, "btnDashBoard")
        .at(0, 0, 90, 54)
        .normal(":/Icons/i_Map_Dashboard.mif")
        .pressed(":/Icons/i_Map_Dashboard_h.mif");
    make(ui.btnBravik, ui.panelTop, "btnBravik")
        .at(150, 0, 90, 54)
        .normal(":/Icons/i_Map_Bravik.mif")
        .pressed(":/Icons/i_Map_Bravik_h.mif");
    mapBottomPanel(ui.panelBottom, root, 0, 346, 240, 55);
    zoomInButton(ui.ZoomIn, root);
    zoomOutButton(ui.ZoomOut, root);
    mapContextMenuButton(ui.btnContextMenu, root, 150, 349, 90, 50);
    make(ui.btnMain, root, "btnMain")
        .at(0, 349, 90, 50)
        .focusPolicy(Qt::NoFocus)
        .normal(":/Icons/i_Map_Main.mif")
        .pressed(":/Icons/i_Map_Main_h.mif");
}

void retranslateUi(Ui_MapControlsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapControlsScreenClass", ""));
    retranslateCompassLetters(ui.compass,
                              {QCoreApplication::translate("MapControlsScreenClass", "N"),
                               QCoreApplication::translate("MapControlsScreenClass", "W"),
                               QCoreApplication::translate("MapControlsScreenClass", "S"),
                               QCoreApplication::translate("MapControlsScreenClass", "E")});
}

Form<Ui_MapControlsScreenClass, setupUi, retranslateUi> formMapControlsScreenClass;

} // namespace

FormLayout &MapControlsScreenClass()
{
    return formMapControlsScreenClass;
}

} // namespace quarn::forms
