#include "forms/tracks_routes/PlayTrackScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_PlayTrackScreenClass &ui, QWidget *root)
{
    Root(root, "PlayTrackScreenClass").size(240, 400).zoomPositions(64, 124);

    make(ui.zelMapControl, root, "zelMapControl").at(0, 0, 240, 400);
    make(ui.NorthUp, ui.zelMapControl, "NorthUp")
        .at(0, 304, 48, 48)
        .northImage(":/Icons/i_North.mif")
        .northArrowImage(":/Icons/i_NorthArrow.mif");
    make(ui.ZoomIn, ui.zelMapControl, "ZoomIn")
        .at(182, 155, 58, 58)
        .noFocus()
        .faces(":/Buttons/b_Pan_In.mif", ":/Buttons/b_Pan_In_h.mif");
    make(ui.ZoomOut, ui.zelMapControl, "ZoomOut")
        .at(182, 213, 58, 58)
        .noFocus()
        .faces(":/Buttons/b_Pan_Out.mif", ":/Buttons/b_Pan_Out_h.mif");
    make(ui.widgetScale, ui.zelMapControl, "widgetScale").at(160, 332, 71, 20);
    make(ui.iconScale, ui.widgetScale, "iconScale").at(0, 0, 71, 12).image(":/Icons/i_ScaleBracket.mif");
    make(ui.txtScale, ui.widgetScale, "txtScale")
        .at(1, 5, 70, 14)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .pixelSize(14)
        .plainText()
        .alignment(align::HCentreBottom)
        .content("100 ft");
    make(ui.txtScaleShadow, ui.widgetScale, "txtScaleShadow")
        .at(2, 6, 70, 14)
        .palette(greyText())
        .font(boldAA())
        .pixelSize(14)
        .plainText()
        .alignment(align::HCentreBottom)
        .content("100 ft");
    make(ui.btnHideMedia, ui.zelMapControl, "btnHideMedia")
        .at(0, 20, 120, 35)
        .faces(":/Buttons/b_Media_windows_Close.mif", ":/Buttons/b_Media_windows_Close_h.mif");
    make(ui.btnPlaySpeed, ui.zelMapControl, "btnPlaySpeed")
        .at(182, 97, 58, 58)
        .faces(":/Buttons/b_speedbutton.mif", ":/Buttons/b_speedbutton_h.mif");
    make(ui.txtPlaySpeedValue, ui.btnPlaySpeed, "txtPlaySpeedValue")
        .at(8, 17, 40, 20)
        .font(boldAA())
        .pixelSize(18)
        .alignment(align::Centre)
        .content("1x");
    make(ui.playMemo, ui.zelMapControl, "playMemo").at(0, 54, 120, 48).pixelSize(12).scaledContents(false);
    make(ui.labelProgress, ui.playMemo, "labelProgress")
        .at(9, 16, 97, 27)
        .panelText()
        .pixelSize(12)
        .alignment(align::Centre)
        .content("");
    make(ui.progressBar, ui.playMemo, "progressBar").at(0, 0, 120, 16).value(24).textVisible(false);
    bottomBar(ui.panelBottom, root, "panelBottom");
    make(ui.btnBack, ui.panelBottom, "btnBack")
        .at(0, 7, 60, 43)
        .noFocus()
        .faces(":/Buttons/b_Back.mif", ":/Buttons/b_Back_h.mif");
    make(ui.layoutWidget, ui.panelBottom, "layoutWidget").at(152, 6, 122, 45);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(0).margins(0, 0, 0, 0);
    make(ui.btnPlay, ui.layoutWidget, "btnPlay")
        .faces(":/Buttons/b_media_voiceplay.mif", ":/Buttons/b_media_voiceplay_h.mif");
    make(ui.btnPause, ui.layoutWidget, "btnPause")
        .noFocus()
        .faces(":/Buttons/b_media_voicepause.mif", ":/Buttons/b_media_voicepause_h.mif");
    make(ui.btnPrevMediaPoint, ui.panelBottom, "btnPrevMediaPoint")
        .at(55, 7, 60, 43)
        .faces(":/Buttons/b_media_Previous.mif", ":/Buttons/b_media_Previous_h.mif");
    make(ui.btnNextMediaPoint, ui.panelBottom, "btnNextMediaPoint")
        .at(120, 7, 60, 43)
        .faces(":/Buttons/b_media_next.mif", ":/Buttons/b_media_next_h.mif");

    addMembers(ui.horizontalLayout, {ui.btnPlay, ui.btnPause});

    ui.iconScale->raise();
    ui.txtScaleShadow->raise();
    ui.txtScale->raise();
}

void retranslateUi(Ui_PlayTrackScreenClass &ui, QWidget *)
{
    ui.playMemo->setContent(QString());
}

Form<Ui_PlayTrackScreenClass, setupUi, retranslateUi> formPlayTrackScreenClass;

} // namespace

FormLayout &PlayTrackScreenClass()
{
    return formPlayTrackScreenClass;
}

} // namespace quarn::forms
