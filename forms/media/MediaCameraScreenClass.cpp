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
    contextMenuButton(ui.btnContextMenu, ui.statusBar, aaFont());
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(90, 7, 60, 43);
    make(ui.pageRec, nullptr, "pageRec");
    make(ui.btnRec, ui.pageRec, "btnRec")
        .enabled()
        .at(0, 0, 60, 43)
        .faces(":/Buttons/b_media_videorecord.mif", ":/Buttons/b_media_videorecord_h.mif");
    make(ui.pageStop, nullptr, "pageStop");
    make(ui.btnStop, ui.pageStop, "btnStop")
        .enabled()
        .at(0, 0, 60, 43)
        .faces(":/Buttons/b_media_videostop.mif", ":/Buttons/b_media_videostop_h.mif");
    make(ui.pageShot, nullptr, "pageShot");
    make(ui.btnShot, ui.pageShot, "btnShot")
        .at(0, 0, 60, 43)
        .widgetFont(aaFont())
        .faces(":/Icons/i_ToolBar_camera.mif", ":/Icons/i_ToolBar_camera_h.mif");
    make(ui.iconGrabScr, root, "iconGrabScr").at(0, 22, 240, 334).noAutoFillBackground();

    addPages(ui.stackedWidget, {ui.pageRec, ui.pageStop, ui.pageShot}, 2);
}

void retranslateUi(Ui_MediaCameraScreenClass &ui, QWidget *)
{
    ui.iconGrabScr->setStyleSheet(QString());
}

Form<Ui_MediaCameraScreenClass, setupUi, retranslateUi> formMediaCameraScreenClass;

} // namespace

FormLayout &MediaCameraScreenClass()
{
    return formMediaCameraScreenClass;
}

} // namespace quarn::forms
