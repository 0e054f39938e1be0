#include "forms/tracks_routes/AreaCalculationScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AreaCalculationScreenClass &ui, QWidget *root)
{
    Root(root, "AreaCalculationScreenClass").size(240, 400);

    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 46);
    make(ui.icon_2, root, "icon_2").at(10, 111, 218, 227).image(":/Bkgd/bkgd_Shade_DetailFonts.mif");
    make(ui.lbl_Perimeter, ui.icon_2, "lbl_Perimeter").at(7, 22, 90, 18).plainPanelText().pixelSize(12);
    make(ui.lbl_Area, ui.icon_2, "lbl_Area").at(7, 4, 90, 18).plainPanelText().pixelSize(12);
    make(ui.lbl_PerimeterVal, ui.icon_2, "lbl_PerimeterVal")
        .at(94, 22, 117, 18)
        .palette(blackText())
        .locationCoordinate()
        .content("0.0");
    make(ui.lbl_AreaVal, ui.icon_2, "lbl_AreaVal")
        .at(94, 4, 117, 18)
        .palette(blackText())
        .locationCoordinate()
        .content("0.0");
    make(ui.MapWidget, ui.icon_2, "MapWidget").at(7, 42, 204, 180);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.layoutWidget, ui.statusBar, "layoutWidget").at(60, 7, 122, 45);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(0);
    make(ui.btnMap, ui.layoutWidget, "btnMap").minSize(60, 43).maxSize(60, 43).mapPreviewButton();
    make(ui.btnGo, ui.layoutWidget, "btnGo").minSize(60, 43).maxSize(60, 43).goButton();
    make(ui.btnAreaCalculation, root, "btnAreaCalculation").at(5, 72, 226, 44).panelButton();
    make(ui.layoutWidget1, ui.btnAreaCalculation, "layoutWidget1").at(9, 6, 207, 30);
    layout(ui.horizontalLayout_2, ui.layoutWidget1, "horizontalLayout_2");
    make(ui.icon, ui.layoutWidget1, "icon").image(":/Icons/i_PanelBtn_AreaCalculation.mif");
    make(ui.label_5, ui.layoutWidget1, "label_5").smallCaption().wordWrap();

    addMembers(ui.horizontalLayout, {ui.btnMap, ui.btnGo});
    addMembers(ui.horizontalLayout_2, {ui.icon, ui.label_5});
}

void retranslateUi(Ui_AreaCalculationScreenClass &ui, QWidget *)
{
    ui.lbl_Perimeter->setContent(QCoreApplication::translate("AreaCalculationScreenClass", "Perimeter:"));
    ui.lbl_Area->setContent(QCoreApplication::translate("AreaCalculationScreenClass", "Area:"));
    ui.label_5->setContent(QCoreApplication::translate("AreaCalculationScreenClass", "Area Calculation"));
}

Form<Ui_AreaCalculationScreenClass, setupUi, retranslateUi> formAreaCalculationScreenClass;

} // namespace

FormLayout &AreaCalculationScreenClass()
{
    return formAreaCalculationScreenClass;
}

} // namespace quarn::forms
