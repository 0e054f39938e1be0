#include "forms/media/MediaPhotoViewScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaPhotoViewScreenClass &ui, QWidget *root)
{
    Root(root, "MediaPhotoViewScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.stackedWidgetCenter, ui.statusBar, "stackedWidgetCenter").at(60, 7, 120, 43);
    make(ui.pageRotate, nullptr, "pageRotate").hidden();
    make(ui.btnRotate, ui.pageRotate, "btnRotate")
        .at(30, 0, 60, 43)
        .normal(":/Buttons/b_media_rotate.mif")
        .pressed(":/Buttons/b_media_rotate_h.mif");
    make(ui.pageScroll, nullptr, "pageScroll");
    make(ui.btnDown, ui.pageScroll, "btnDown")
        .at(0, 0, 60, 43)
        .font(aaFont())
        .normal(":/Buttons/b_scrollbar_down.mif")
        .pressed(":/Buttons/b_scrollbar_down_h.mif");
    make(ui.btnUp, ui.pageScroll, "btnUp")
        .at(60, 0, 60, 43)
        .font(aaFont())
        .normal(":/Buttons/b_scrollbar_up.mif")
        .pressed(":/Buttons/b_scrollbar_up_h.mif");
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(180, 7, 60, 43);
    make(ui.pageMenu, nullptr, "pageMenu").hidden();
    make(ui.btnContextMenu, ui.pageMenu, "btnContextMenu").at(0, 0, 60, 43).contextMenuButton();
    make(ui.pageConfirm, nullptr, "pageConfirm");
    make(ui.btnConfirm, ui.pageConfirm, "btnConfirm")
        .at(2, 2, 55, 41)
        .font(aaFont())
        .normal(":/Buttons/b_KB_OK.mif")
        .pressed(":/Buttons/b_KB_OK_h.mif");
    make(ui.iconGrabScr, root, "iconGrabScr").at(0, 22, 240, 334);

    addPages(ui.stackedWidgetCenter, {ui.pageRotate, ui.pageScroll}, 1);
    addPages(ui.stackedWidget, {ui.pageMenu, ui.pageConfirm}, 1);
}

void retranslateUi(Ui_MediaPhotoViewScreenClass &, QWidget *)
{
}

Form<Ui_MediaPhotoViewScreenClass, setupUi, retranslateUi> formMediaPhotoViewScreenClass;

} // namespace

FormLayout &MediaPhotoViewScreenClass()
{
    return formMediaPhotoViewScreenClass;
}

} // namespace quarn::forms
