#include "forms/media/MediaScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaScreenClass &ui, QWidget *root)
{
    Root(root, "MediaScreenClass").size(240, 400);

    make(ui.btnCamera, root, "btnCamera")
        .at(15, 20, 96, 96)
        .normal(":/Buttons/b_media_camera.mif")
        .pressed(":/Buttons/b_media_camera_h.mif")
        .shiftOnPress(2, 2);
    make(ui.btnVoiceMemo, root, "btnVoiceMemo")
        .at(15, 130, 96, 96)
        .normal(":/Buttons/b_media_voice_memo.mif")
        .pressed(":/Buttons/b_media_voice_memo_h.mif")
        .shiftOnPress(2, 2);
    make(ui.btnVideo, root, "btnVideo")
        .at(15, 240, 96, 96)
        .normal(":/Buttons/b_media_video.mif")
        .pressed(":/Buttons/b_media_video_h.mif")
        .shiftOnPress(2, 2);
    bottomBar(ui.statusBar, root);
    make(ui.btnSettings, ui.statusBar, "btnSettings")
        .at(190, 10, 38, 38)
        .font(aaFont())
        .normal(":/Icons/i_settings.mif")
        .pressed(":/Icons/i_settings.mif");
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnMyphotos, root, "btnMyphotos")
        .at(130, 20, 96, 96)
        .normal(":/Buttons/b_media_my_photo.mif")
        .pressed(":/Buttons/b_media_my_photo_h.mif")
        .shiftOnPress(2, 2);
    make(ui.btnMymemos, root, "btnMymemos")
        .at(130, 130, 96, 96)
        .normal(":/Buttons/b_media_my_voice_memo.mif")
        .pressed(":/Buttons/b_media_my_voice_memo_h.mif")
        .shiftOnPress(2, 2);
    make(ui.btnMyvideos, root, "btnMyvideos")
        .at(130, 240, 96, 96)
        .normal(":/Buttons/b_media_my_videos.mif")
        .pressed(":/Buttons/b_media_my_videos_h.mif")
        .shiftOnPress(2, 2);
    make(ui.backing, root, "backing").at(5, 104, 230, 30);
    make(ui.myphotos, ui.backing, "myphotos").at(115, 0, 115, 30).mediaMenuCaption();
    make(ui.camera, ui.backing, "camera").at(0, 0, 115, 30).mediaMenuCaption();
    make(ui.backing_2, root, "backing_2").at(5, 214, 230, 30);
    make(ui.voicememo, ui.backing_2, "voicememo").at(0, 0, 115, 30).mediaMenuCaption();
    make(ui.mymemos, ui.backing_2, "mymemos").at(115, 0, 115, 30).mediaMenuCaption();
    make(ui.backing_3, root, "backing_3").at(5, 324, 230, 30);
    make(ui.video, ui.backing_3, "video").at(0, 0, 115, 30).mediaMenuCaption();
    make(ui.myvideos, ui.backing_3, "myvideos").at(115, 0, 115, 30).mediaMenuCaption();
}

void retranslateUi(Ui_MediaScreenClass &ui, QWidget *)
{
    ui.myphotos->setContent(QCoreApplication::translate("MediaScreenClass", "Photos"));
    ui.camera->setContent(QCoreApplication::translate("MediaScreenClass", "Camera"));
    ui.voicememo->setContent(QCoreApplication::translate("MediaScreenClass", "Record Memo"));
    ui.mymemos->setContent(QCoreApplication::translate("MediaScreenClass", "Voice Memos"));
    ui.video->setContent(QCoreApplication::translate("MediaScreenClass", "Record Video"));
    ui.myvideos->setContent(QCoreApplication::translate("MediaScreenClass", "Videos"));
}

Form<Ui_MediaScreenClass, setupUi, retranslateUi> formMediaScreenClass;

} // namespace

FormLayout &MediaScreenClass()
{
    return formMediaScreenClass;
}

} // namespace quarn::forms
