#include "forms/media/MediaCameraScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaCameraScreenClass &ui, QWidget *root)
{
    Root(root, "MediaCameraScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(90, 7, 60, 43);
    make(ui.pageRec, nullptr, "pageRec").hidden();
    make(ui.btnRec, ui.pageRec, "btnRec")
        .at(0, 0, 60, 43)
        .normal(":/Buttons/b_media_videorecord.mif")
        .pressed(":/Buttons/b_media_videorecord_h.mif");
    make(ui.pageStop, nullptr, "pageStop").hidden();
    make(ui.btnStop, ui.pageStop, "btnStop")
        .at(0, 0, 60, 43)
        .normal(":/Buttons/b_media_videostop.mif")
        .pressed(":/Buttons/b_media_videostop_h.mif");
    make(ui.pageShot, nullptr, "pageShot");
    make(ui.btnShot, ui.pageShot, "btnShot")
        .at(0, 0, 60, 43)
        .font(aaFont())
        .normal(":/Icons/i_ToolBar_camera.mif")
        .pressed(":/Icons/i_ToolBar_camera_h.mif");
    make(ui.iconGrabScr, root, "iconGrabScr").at(0, 22, 240, 334);

    addPages(ui.stackedWidget, {ui.pageRec, ui.pageStop, ui.pageShot}, 2);

    ui.pageRec->raise();
    ui.pageShot->raise();
}

void retranslateUi(Ui_MediaCameraScreenClass &, QWidget *)
{
}

Form<Ui_MediaCameraScreenClass, setupUi, retranslateUi> formMediaCameraScreenClass;

} // namespace

FormLayout &MediaCameraScreenClass()
{
    return formMediaCameraScreenClass;
}

} // namespace quarn::forms
