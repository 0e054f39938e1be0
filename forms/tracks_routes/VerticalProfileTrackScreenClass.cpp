#include "forms/tracks_routes/VerticalProfileTrackScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_VerticalProfileTrackScreenClass &ui, QWidget *root)
{
    Root(root, "VerticalProfileTrackScreenClass").size(240, 400);

    make(ui.icon_6, root, "icon_6").at(6, 117, 230, 91).image(":/Bkgd/bkgd_Dashboard_Field_230x91.mif");
    make(ui.lbl_NetChange, ui.icon_6, "lbl_NetChange")
        .at(5, 6, 122, 18)
        .plainPanelText()
        .scaledContents()
        .pixelSize(15);
    make(ui.lbl_Length, ui.icon_6, "lbl_Length").at(5, 25, 122, 18).plainPanelText().scaledContents().pixelSize(15);
    make(ui.lbl_LengthVal, ui.icon_6, "lbl_LengthVal").at(130, 25, 91, 18).paneValue().content("0.0");
    make(ui.lbl_NetChangeVal, ui.icon_6, "lbl_NetChangeVal").at(130, 6, 91, 18).paneValue().content("0.0");
    make(ui.lbl_Time, ui.icon_6, "lbl_Time").at(5, 44, 122, 18).plainPanelText().scaledContents().pixelSize(15);
    make(ui.lbl_Speed, ui.icon_6, "lbl_Speed").at(5, 63, 122, 18).plainPanelText().scaledContents().pixelSize(15);
    make(ui.lbl_SpeedVal, ui.icon_6, "lbl_SpeedVal").at(130, 63, 91, 18).paneValue().content("0.0");
    make(ui.lbl_TimeVal, ui.icon_6, "lbl_TimeVal").at(130, 44, 91, 18).paneValue().content("0.0");
    make(ui.chartPlot, root, "chartPlot").at(10, 210, 221, 131);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(60, 7, 180, 43);
    make(ui.initMode, nullptr, "initMode");
    make(ui.btnContextMenu, ui.initMode, "btnContextMenu").at(120, 0, 60, 43).contextMenuButton();
    make(ui.horizontalLayoutWidget_4, ui.initMode, "horizontalLayoutWidget_4").at(0, 0, 122, 45);
    layout(ui.horizontalLayout_6, ui.horizontalLayoutWidget_4, "horizontalLayout_6")
        .spacing(0)
        .sizeConstraint(QLayout::SetNoConstraint);
    make(ui.btnToolBar, ui.horizontalLayoutWidget_4, "btnToolBar")
        .normal(":/Icons/i_ToolBar_Altimeter.mif")
        .pressed(":/Icons/i_ToolBar_Altimeter_h.mif");
    make(ui.btnMap, ui.horizontalLayoutWidget_4, "btnMap").minSize(60, 43).maxSize(60, 43).mapPreviewButton();
    make(ui.btnGo, ui.horizontalLayoutWidget_4, "btnGo").minSize(60, 43).maxSize(60, 43).goButton();
    make(ui.editMode, nullptr, "editMode").hidden();
    make(ui.btnLeft, ui.editMode, "btnLeft")
        .at(0, 0, 60, 43)
        .autoRepeat()
        .autoRepeatDelay(100)
        .normal(":/Buttons/b_Prev.mif")
        .pressed(":/Buttons/b_Prev_h.mif");
    make(ui.btnRight, ui.editMode, "btnRight")
        .at(60, 0, 60, 43)
        .autoRepeat()
        .autoRepeatDelay(100)
        .normal(":/Buttons/b_Next.mif")
        .pressed(":/Buttons/b_Next_h.mif");
    make(ui.btnZoomMode, ui.editMode, "btnZoomMode")
        .at(120, 0, 60, 43)
        .normal(":/Icons/i_toolbar_RangeSelectionMode.mif")
        .pressed(":/Icons/i_toolbar_RangeSelectionMode_h.mif");
    make(ui.zoomMode, nullptr, "zoomMode").hidden();
    make(ui.btnZoomIn, ui.zoomMode, "btnZoomIn")
        .at(6, 0, 48, 43)
        .normal(":/Icons/i_toolBar_ZoomIn.mif")
        .pressed(":/Icons/i_toolBar_ZoomIn_h.mif");
    make(ui.btnZoomOut, ui.zoomMode, "btnZoomOut")
        .at(66, 0, 48, 43)
        .normal(":/Icons/i_toolBar_ZoomOut.mif")
        .pressed(":/Icons/i_toolBar_ZoomOut_h.mif");
    make(ui.btnPanMode, ui.zoomMode, "btnPanMode")
        .at(120, 0, 60, 43)
        .normal(":/Icons/i_toolbar_PanningMode.mif")
        .pressed(":/Icons/i_toolbar_PanningMode_h.mif");
    make(ui.btnVerticalProfile, root, "btnVerticalProfile").at(5, 72, 226, 44).panelButton();
    make(ui.layoutWidget, ui.btnVerticalProfile, "layoutWidget").at(10, 5, 206, 32);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(3);
    make(ui.icon3DAbstract_2, ui.layoutWidget, "icon3DAbstract_2").image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.label_4, ui.layoutWidget, "label_4").smallCaption().wordWrap();
    make(ui.txtVPElevChange, ui.layoutWidget, "txtVPElevChange")
        .smallCaption()
        .alignment(Qt::AlignCenter)
        .content("10 Km");
    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 46);

    addMembers(ui.horizontalLayout_6, {ui.btnToolBar, ui.btnMap, ui.btnGo});
    addMembers(ui.horizontalLayout, {ui.icon3DAbstract_2, ui.label_4, ui.txtVPElevChange});
    addPages(ui.stackedWidget, {ui.initMode, ui.editMode, ui.zoomMode}, 0);

    ui.editMode->raise();
    ui.initMode->raise();
}

void retranslateUi(Ui_VerticalProfileTrackScreenClass &ui, QWidget *)
{
    ui.lbl_NetChange->setContent(QCoreApplication::translate("VerticalProfileTrackScreenClass", "Net Change:"));
    ui.lbl_Length->setContent(QCoreApplication::translate("VerticalProfileTrackScreenClass", "Length:"));
    ui.lbl_Time->setContent(QCoreApplication::translate("VerticalProfileTrackScreenClass", "Time:"));
    ui.lbl_Speed->setContent(QCoreApplication::translate("VerticalProfileTrackScreenClass", "Speed:"));
    ui.label_4->setContent(QCoreApplication::translate("VerticalProfileTrackScreenClass", "Vertical Profile"));
}

Form<Ui_VerticalProfileTrackScreenClass, setupUi, retranslateUi> formVerticalProfileTrackScreenClass;

} // namespace

FormLayout &VerticalProfileTrackScreenClass()
{
    return formVerticalProfileTrackScreenClass;
}

} // namespace quarn::forms
