#include "forms/tracks_routes/RouteAreaScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteAreaScreenClass &ui, QWidget *root)
{
    Root(root, "RouteAreaScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.routeHeaderItem, root, "routeHeaderItem").at(0, 20, 240, 47);
    make(ui.icon_AreaHolder, root, "icon_AreaHolder").at(11, 109, 218, 227).image(":/Bkgd/bkgd_Shade_DetailFonts.mif");
    make(ui.lbl_Perimeter, ui.icon_AreaHolder, "lbl_Perimeter").at(7, 22, 90, 18).plainPanelText().pixelSize(13);
    make(ui.lbl_Area, ui.icon_AreaHolder, "lbl_Area").at(7, 4, 90, 18).plainPanelText().pixelSize(13);
    make(ui.lbl_PerimeterVal, ui.icon_AreaHolder, "lbl_PerimeterVal")
        .at(94, 22, 117, 18)
        .panelText()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0.0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.lbl_AreaVal, ui.icon_AreaHolder, "lbl_AreaVal")
        .at(94, 4, 117, 18)
        .panelText()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0.0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.MapWidget, ui.icon_AreaHolder, "MapWidget").at(7, 42, 204, 180);
    make(ui.btnSubTitle, root, "btnSubTitle").at(7, 70, 226, 44).panelButton();
    make(ui.lbl_AreaCalculation, ui.btnSubTitle, "lbl_AreaCalculation").at(35, 11, 177, 21).panelText().pixelSize(13);
    make(ui.iconPaneLocation_6, ui.btnSubTitle, "iconPaneLocation_6")
        .at(8, 9, 25, 22)
        .image(":/Icons/i_PanelBtn_AreaCalculation.mif");
}

void retranslateUi(Ui_RouteAreaScreenClass &ui, QWidget *)
{
    ui.lbl_Perimeter->setContent(QCoreApplication::translate("RouteAreaScreenClass", "Perimeter:"));
    ui.lbl_Area->setContent(QCoreApplication::translate("RouteAreaScreenClass", "Area:"));
    ui.lbl_AreaCalculation->setContent(QCoreApplication::translate("RouteAreaScreenClass", "Area Calculation"));
}

Form<Ui_RouteAreaScreenClass, setupUi, retranslateUi> formRouteAreaScreenClass;

} // namespace

FormLayout &RouteAreaScreenClass()
{
    return formRouteAreaScreenClass;
}

} // namespace quarn::forms
