#include "forms/tracks_routes/RouteDDEScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteDDEScreenClass &ui, QWidget *root)
{
    Root(root, "RouteDDEScreenClass").size(240, 400);

    make(ui.btnSubTitle, root, "btnSubTitle").at(5, 72, 226, 44).panelButton();
    make(ui.layoutWidget_6, ui.btnSubTitle, "layoutWidget_6").at(10, 5, 211, 32);
    layout(ui.horizontalLayout_6, ui.layoutWidget_6, "horizontalLayout_6").spacing(0);
    make(ui.iconFlag, ui.layoutWidget_6, "iconFlag").image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.txtDistanceToolBar, ui.layoutWidget_6, "txtDistanceToolBar").font(boldAA()).content("10 Km").pixelSize(13);
    make(ui.icon3DAbstract, ui.layoutWidget_6, "icon3DAbstract").image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.txtElevation, ui.layoutWidget_6, "txtElevation").font(boldAA()).content("10 Km").pixelSize(13);
    make(ui.area, root, "area").at(10, 110, 218, 227).image(":/Bkgd/bkgd_Shade_DetailFonts.mif");
    make(ui.layoutWidget_5, ui.area, "layoutWidget_5").at(0, 20, 211, 40);
    layout(ui.horizontalLayout, ui.layoutWidget_5, "horizontalLayout");
    make(ui.icon_2, ui.layoutWidget_5, "icon_2").image(":/Icons/i_DestinationIcon.mif");
    make(ui.Distance, ui.layoutWidget_5, "Distance")
        .maxSize(50, QWIDGETSIZE_MAX)
        .palette(whiteTextRoleDimDisabled())
        .pixelSize(13);
    make(ui.txtDistance, ui.layoutWidget_5, "txtDistance")
        .palette(whiteTextRoleDimDisabled())
        .font(boldAA())
        .content("2.3")
        .pixelSize(13);
    make(ui.gridLayoutWidget, ui.area, "gridLayoutWidget").at(0, 60, 218, 51);
    layout(ui.gridLayout, ui.gridLayoutWidget, "gridLayout");
    make(ui.icon_3, ui.gridLayoutWidget, "icon_3").image(":/Icons/i_Elevation.mif");
    make(ui.Distance_2, ui.gridLayoutWidget, "Distance_2")
        .maxSize(100, QWIDGETSIZE_MAX)
        .palette(whiteTextRoleDimDisabled())
        .pixelSize(13);
    make(ui.txtElevationChange, ui.gridLayoutWidget, "txtElevationChange")
        .palette(whiteTextRoleDimDisabled())
        .font(boldAA())
        .content("2.3")
        .pixelSize(13);
    make(ui.routeHeaderItem, root, "routeHeaderItem").at(0, 20, 240, 47);
    bottomBar(ui.statusBar, root);
    barGoButton(ui.btnGo, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);

    addMembers(ui.horizontalLayout_6, {ui.iconFlag, ui.txtDistanceToolBar, ui.icon3DAbstract, ui.txtElevation});
    addMembers(ui.horizontalLayout, {ui.icon_2, ui.Distance, ui.txtDistance});
    addToGrid(ui.gridLayout, ui.icon_3, 0, 0);
    addToGrid(ui.gridLayout, ui.Distance_2, 0, 1);
    addToGrid(ui.gridLayout, ui.txtElevationChange, 0, 2);
}

void retranslateUi(Ui_RouteDDEScreenClass &ui, QWidget *)
{
    ui.Distance->setContent(QCoreApplication::translate("RouteDDEScreenClass", "Distance"));
    ui.Distance_2->setContent(QCoreApplication::translate("RouteDDEScreenClass", "Elevation change"));
}

Form<Ui_RouteDDEScreenClass, setupUi, retranslateUi> formRouteDDEScreenClass;

} // namespace

FormLayout &RouteDDEScreenClass()
{
    return formRouteDDEScreenClass;
}

} // namespace quarn::forms
