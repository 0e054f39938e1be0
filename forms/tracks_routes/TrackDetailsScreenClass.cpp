#include "forms/tracks_routes/TrackDetailsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackDetailsScreenClass &ui, QWidget *root)
{
    Root(root, "TrackDetailsScreenClass").size(240, 400);

    make(ui.headerControl, root, "headerControl").at(0, 22, 240, 46);
    make(ui.verticalLayoutWidget, root, "verticalLayoutWidget").at(6, 73, 229, 279);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout").spacing(0);
    make(ui.btnDDE, ui.verticalLayoutWidget, "btnDDE").panelButton();
    make(ui.layoutWidget_2, ui.btnDDE, "layoutWidget_2").at(8, 4, 209, 35);
    layout(ui.horizontalLayout_3, ui.layoutWidget_2, "horizontalLayout_3").spacing(0);
    make(ui.iconFlag, ui.layoutWidget_2, "iconFlag").image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.txtDistance, ui.layoutWidget_2, "txtDistance").smallCaption().content("10 Km");
    make(ui.icon3DAbstract, ui.layoutWidget_2, "icon3DAbstract").image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.txtElevation, ui.layoutWidget_2, "txtElevation").minSize(56, 0).popupCoordinates().content("10 Km");
    make(ui.txtDuration, ui.layoutWidget_2, "txtDuration").minSize(56, 0).popupCoordinates().content("10 Km");
    make(ui.btnDescription, ui.verticalLayoutWidget, "btnDescription").palette(blackButtonText()).panelButton();
    make(ui.layoutWidget_1, ui.btnDescription, "layoutWidget_1").at(10, 6, 205, 30);
    layout(ui.horizontalLayout_4, ui.layoutWidget_1, "horizontalLayout_4");
    make(ui.iconPaneLocation_3, ui.layoutWidget_1, "iconPaneLocation_3").image(":/Icons/i_PaneBtn_Desciption.mif");
    make(ui.label_3, ui.layoutWidget_1, "label_3").smallCaption().wordWrap();
    make(ui.txtDescription, ui.layoutWidget_1, "txtDescription")
        .content("Blah-blah-blah")
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnVerticalProfile, ui.verticalLayoutWidget, "btnVerticalProfile").panelButton();
    make(ui.layoutWidget_3, ui.btnVerticalProfile, "layoutWidget_3").at(10, 5, 206, 32);
    layout(ui.horizontalLayout, ui.layoutWidget_3, "horizontalLayout");
    make(ui.icon3DAbstract_2, ui.layoutWidget_3, "icon3DAbstract_2").image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.label_4, ui.layoutWidget_3, "label_4").smallCaption().wordWrap();
    make(ui.txtVPElevChange, ui.layoutWidget_3, "txtVPElevChange")
        .smallCaption()
        .alignment(Qt::AlignCenter)
        .content("10 Km");
    make(ui.btnAreaCalculation, ui.verticalLayoutWidget, "btnAreaCalculation").panelButton();
    make(ui.icon, ui.btnAreaCalculation, "icon").at(11, 9, 25, 22).image(":/Icons/i_PanelBtn_AreaCalculation.mif");
    make(ui.txtArea, ui.btnAreaCalculation, "txtArea")
        .at(156, 6, 57, 31)
        .smallCaption()
        .alignment(Qt::AlignCenter)
        .content("None")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.label_5, ui.btnAreaCalculation, "label_5").at(42, 6, 112, 28).smallCaption();
    make(ui.btnPictures, ui.verticalLayoutWidget, "btnPictures").panelButton();
    make(ui.layoutWidget_5, ui.btnPictures, "layoutWidget_5").at(10, 6, 206, 30);
    layout(ui.horizontalLayout_5, ui.layoutWidget_5, "horizontalLayout_5");
    make(ui.iconPhoto, ui.layoutWidget_5, "iconPhoto").image(":/Icons/i_PaneBtn_Pictures.mif");
    make(ui.labelPicturesCounter, ui.layoutWidget_5, "labelPicturesCounter").panelText().pixelSize(12);
    make(ui.iconVideo, ui.layoutWidget_5, "iconVideo").image(":/Icons/i_PaneBtn_Video.mif");
    make(ui.labelVideoCounter, ui.layoutWidget_5, "labelVideoCounter").panelText().pixelSize(12);
    make(ui.iconMemo, ui.layoutWidget_5, "iconMemo").image(":/Icons/i_PaneBtn_Music.mif");
    make(ui.labelMemoCounter, ui.layoutWidget_5, "labelMemoCounter").panelText().pixelSize(12);
    make(ui.btnOptions, ui.verticalLayoutWidget, "btnOptions").panelButton();
    make(ui.layoutWidget_6, ui.btnOptions, "layoutWidget_6").at(10, 6, 205, 31);
    layout(ui.horizontalLayout_6, ui.layoutWidget_6, "horizontalLayout_6");
    make(ui.iconPaneLocation_2, ui.layoutWidget_6, "iconPaneLocation_2").image(":/Icons/i_PaneBtn_Options.mif");
    make(ui.label_7, ui.layoutWidget_6, "label_7").smallCaption().wordWrap();
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.layoutWidget, ui.statusBar, "layoutWidget").at(60, 7, 122, 45);
    layout(ui.horizontalLayout_7, ui.layoutWidget, "horizontalLayout_7").spacing(0);
    make(ui.btnMap, ui.layoutWidget, "btnMap").minSize(60, 43).maxSize(60, 43).mapPreviewButton();
    make(ui.btnGo, ui.layoutWidget, "btnGo").minSize(60, 43).maxSize(60, 43).goButton();

    addMembers(ui.horizontalLayout_3,
               {ui.iconFlag, ui.txtDistance, ui.icon3DAbstract, ui.txtElevation, ui.txtDuration});
    addMembers(ui.horizontalLayout_4, {ui.iconPaneLocation_3, ui.label_3, ui.txtDescription});
    addMembers(ui.horizontalLayout, {ui.icon3DAbstract_2, ui.label_4, ui.txtVPElevChange});
    addMembers(
        ui.horizontalLayout_5,
        {ui.iconPhoto, ui.labelPicturesCounter, ui.iconVideo, ui.labelVideoCounter, ui.iconMemo, ui.labelMemoCounter});
    addMembers(ui.horizontalLayout_6, {ui.iconPaneLocation_2, ui.label_7});
    addMembers(
        ui.verticalLayout,
        {ui.btnDDE, ui.btnDescription, ui.btnVerticalProfile, ui.btnAreaCalculation, ui.btnPictures, ui.btnOptions});
    addMembers(ui.horizontalLayout_7, {ui.btnMap, ui.btnGo});
}

void retranslateUi(Ui_TrackDetailsScreenClass &ui, QWidget *)
{
    ui.label_3->setContent(QCoreApplication::translate("TrackDetailsScreenClass", "Description"));
    ui.label_4->setContent(QCoreApplication::translate("TrackDetailsScreenClass", "Vertical Profile"));
    ui.label_5->setContent(QCoreApplication::translate("TrackDetailsScreenClass", "Area Calculation"));
    ui.label_7->setContent(QCoreApplication::translate("TrackDetailsScreenClass", "Options"));
}

Form<Ui_TrackDetailsScreenClass, setupUi, retranslateUi> formTrackDetailsScreenClass;

} // namespace

FormLayout &TrackDetailsScreenClass()
{
    return formTrackDetailsScreenClass;
}

} // namespace quarn::forms
