#include "forms/tracks_routes/PlayTrackScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_PlayTrackScreenClass &ui, QWidget *root)
{
    Root(root, "PlayTrackScreenClass").size(240, 400).zoomPositions(64, 124);

    mapControl(ui.zelMapControl, root);
    northUpIndicator(ui.NorthUp, ui.zelMapControl, 0, 304);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    scaleBar(ui.widgetScale, ui.zelMapControl, 160, 332);
    scaleBracket(ui.iconScale, ui.widgetScale);
    scaleTextShadow(ui.txtScaleShadow, ui.widgetScale);
    scaleText(ui.txtScale, ui.widgetScale);
    make(ui.btnHideMedia, ui.zelMapControl, "btnHideMedia")
        .at(0, 20, 120, 35)
        .normal(":/Buttons/b_Media_windows_Close.mif")
        .pressed(":/Buttons/b_Media_windows_Close_h.mif");
    make(ui.btnPlaySpeed, ui.zelMapControl, "btnPlaySpeed")
        .at(182, 97, 58, 58)
        .normal(":/Buttons/b_speedbutton.mif")
        .pressed(":/Buttons/b_speedbutton_h.mif");
    make(ui.txtPlaySpeedValue, ui.btnPlaySpeed, "txtPlaySpeedValue")
        .at(8, 17, 40, 20)
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .content("1x")
        .pixelSize(18);
    make(ui.playMemo, ui.zelMapControl, "playMemo").at(0, 54, 120, 48).pixelSize(12);
    make(ui.labelProgress, ui.playMemo, "labelProgress")
        .at(9, 16, 97, 27)
        .panelText()
        .alignment(Qt::AlignCenter)
        .pixelSize(12);
    make(ui.progressBar, ui.playMemo, "progressBar").at(0, 0, 120, 16).value(24).textVisible(false);
    make(ui.panelBottom, root, "panelBottom").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.panelBottom).focusPolicy(Qt::NoFocus);
    make(ui.layoutWidget, ui.panelBottom, "layoutWidget").at(152, 6, 122, 45);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(0);
    make(ui.btnPlay, ui.layoutWidget, "btnPlay")
        .normal(":/Buttons/b_media_voiceplay.mif")
        .pressed(":/Buttons/b_media_voiceplay_h.mif");
    make(ui.btnPause, ui.layoutWidget, "btnPause")
        .focusPolicy(Qt::NoFocus)
        .normal(":/Buttons/b_media_voicepause.mif")
        .pressed(":/Buttons/b_media_voicepause_h.mif");
    make(ui.btnPrevMediaPoint, ui.panelBottom, "btnPrevMediaPoint")
        .at(55, 7, 60, 43)
        .normal(":/Buttons/b_media_Previous.mif")
        .pressed(":/Buttons/b_media_Previous_h.mif");
    make(ui.btnNextMediaPoint, ui.panelBottom, "btnNextMediaPoint")
        .at(120, 7, 60, 43)
        .normal(":/Buttons/b_media_next.mif")
        .pressed(":/Buttons/b_media_next_h.mif");

    addMembers(ui.horizontalLayout, {ui.btnPlay, ui.btnPause});
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
