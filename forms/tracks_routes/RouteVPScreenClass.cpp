#include "forms/tracks_routes/RouteVPScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteVPScreenClass &ui, QWidget *root)
{
    Root(root, "RouteVPScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(60, 7, 191, 40);
    make(ui.initMode, nullptr, "initMode").hidden();
    make(ui.btnMap, ui.initMode, "btnMap").at(0, 0, 60, 43).minSize(60, 43).maxSize(60, 43).mapPreviewButton();
    make(ui.btnGo, ui.initMode, "btnGo").at(60, 0, 60, 43).minSize(60, 43).maxSize(60, 43).goButton();
    make(ui.btnContextMenu, ui.initMode, "btnContextMenu").at(120, 0, 60, 43).contextMenuButton();
    make(ui.editMode, nullptr, "editMode").hidden();
    make(ui.btnZoomMode, ui.editMode, "btnZoomMode")
        .at(120, 0, 60, 43)
        .normal(":/Icons/i_toolbar_RangeSelectionMode.mif")
        .pressed(":/Icons/i_toolbar_RangeSelectionMode_h.mif");
    make(ui.btnRight, ui.editMode, "btnRight")
        .at(60, 0, 60, 43)
        .autoRepeat()
        .autoRepeatDelay(100)
        .normal(":/Buttons/b_Next.mif")
        .pressed(":/Buttons/b_Next_h.mif");
    make(ui.btnLeft, ui.editMode, "btnLeft")
        .at(0, 0, 60, 43)
        .autoRepeat()
        .autoRepeatDelay(100)
        .normal(":/Buttons/b_Prev.mif")
        .pressed(":/Buttons/b_Prev_h.mif");
    make(ui.zoomMode, nullptr, "zoomMode");
    make(ui.btnPanMode, ui.zoomMode, "btnPanMode")
        .at(120, 0, 60, 43)
        .normal(":/Icons/i_toolbar_PanningMode.mif")
        .pressed(":/Icons/i_toolbar_PanningMode_h.mif");
    make(ui.btnZoomOut, ui.zoomMode, "btnZoomOut")
        .at(70, 0, 48, 43)
        .normal(":/Icons/i_toolBar_ZoomOut.mif")
        .pressed(":/Icons/i_toolBar_ZoomOut_h.mif");
    make(ui.btnZoomIn, ui.zoomMode, "btnZoomIn")
        .at(10, 0, 48, 43)
        .normal(":/Icons/i_toolBar_ZoomIn.mif")
        .pressed(":/Icons/i_toolBar_ZoomIn_h.mif");
    make(ui.SimpleGraphView, root, "SimpleGraphView").at(10, 189, 221, 154);
    make(ui.icon_6, root, "icon_6").at(5, 117, 230, 60).image(":/Bkgd/bkgd_Dashboard_Field_230x60.mif");
    make(ui.lbl_NetChange, ui.icon_6, "lbl_NetChange").at(45, 6, 71, 18).plainPanelText().pixelSize(12);
    make(ui.lbl_Length, ui.icon_6, "lbl_Length").at(45, 25, 71, 18).plainPanelText().pixelSize(12);
    make(ui.lbl_LengthVal, ui.icon_6, "lbl_LengthVal").at(119, 25, 91, 18).paneValue().content("0.0");
    make(ui.lbl_NetChangeVal, ui.icon_6, "lbl_NetChangeVal").at(119, 6, 91, 18).paneValue().content("0.0");
    make(ui.icon_VProfile_2, ui.icon_6, "icon_VProfile_2").at(10, 7, 25, 22).image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.btnSubTitle, root, "btnSubTitle").at(7, 70, 226, 44).panelButton();
    make(ui.zelTextBox, ui.btnSubTitle, "zelTextBox").at(33, 11, 111, 21).panelText().pixelSize(13);
    make(ui.icon3DAbstract_2, ui.btnSubTitle, "icon3DAbstract_2")
        .at(7, 11, 25, 22)
        .image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.labelElevationChange, ui.btnSubTitle, "labelElevationChange").at(150, 11, 61, 21).panelText().pixelSize(13);
    make(ui.routeHeaderItem, root, "routeHeaderItem").at(0, 20, 240, 47);

    addPages(ui.stackedWidget, {ui.initMode, ui.editMode, ui.zoomMode}, 2);

    ui.initMode->raise();
    ui.zoomMode->raise();
}

void retranslateUi(Ui_RouteVPScreenClass &ui, QWidget *)
{
    ui.lbl_NetChange->setContent(QCoreApplication::translate("RouteVPScreenClass", "Net Change:"));
    ui.lbl_Length->setContent(QCoreApplication::translate("RouteVPScreenClass", "Length:"));
    ui.zelTextBox->setContent(QCoreApplication::translate("RouteVPScreenClass", "Vertical Profile"));
}

Form<Ui_RouteVPScreenClass, setupUi, retranslateUi> formRouteVPScreenClass;

} // namespace

FormLayout &RouteVPScreenClass()
{
    return formRouteVPScreenClass;
}

} // namespace quarn::forms
