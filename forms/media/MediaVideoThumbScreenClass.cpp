#include "forms/media/MediaVideoThumbScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaVideoThumbScreenClass &ui, QWidget *root)
{
    Root(root, "MediaVideoThumbScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(180, 7, 60, 43);
    make(ui.pageMenu, nullptr, "pageMenu");
    make(ui.btnContextMenu, ui.pageMenu, "btnContextMenu").at(0, 0, 60, 43).contextMenuButton();
    make(ui.pageConfirm, nullptr, "pageConfirm").hidden();
    make(ui.btnConfirm, ui.pageConfirm, "btnConfirm")
        .at(2, 2, 55, 41)
        .font(aaFont())
        .normal(":/Buttons/b_KB_OK.mif")
        .pressed(":/Buttons/b_KB_OK_h.mif");
    make(ui.btnUp, ui.statusBar, "btnUp")
        .at(120, 7, 60, 43)
        .font(aaFont())
        .normal(":/Buttons/b_scrollbar_up.mif")
        .pressed(":/Buttons/b_scrollbar_up_h.mif");
    make(ui.btnDown, ui.statusBar, "btnDown")
        .at(60, 7, 60, 43)
        .font(aaFont())
        .normal(":/Buttons/b_scrollbar_down.mif")
        .pressed(":/Buttons/b_scrollbar_down_h.mif");
    make(ui.iconGrabScr, root, "iconGrabScr").at(0, 22, 240, 334);

    addPages(ui.stackedWidget, {ui.pageMenu, ui.pageConfirm}, 0);

    ui.pageMenu->raise();
}

void retranslateUi(Ui_MediaVideoThumbScreenClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MediaVideoThumbScreenClass", "MediaVideoThumbScreen"));
}

Form<Ui_MediaVideoThumbScreenClass, setupUi, retranslateUi> formMediaVideoThumbScreenClass;

} // namespace

FormLayout &MediaVideoThumbScreenClass()
{
    return formMediaVideoThumbScreenClass;
}

} // namespace quarn::forms
