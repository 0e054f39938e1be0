#include "forms/media/MediaPhotoPadScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaPhotoPadScreenClass &ui, QWidget *root)
{
    Root(root, "MediaPhotoPadScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 6, 56, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.btnCenter, ui.statusBar, "btnCenter")
        .at(89, 7, 60, 43)
        .normal(":/Buttons/b_media_rotate.mif")
        .pressed(":/Buttons/b_media_rotate_h.mif");
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.iconGrabScr, root, "iconGrabScr").at(0, 22, 240, 334);
}

void retranslateUi(Ui_MediaPhotoPadScreenClass &, QWidget *)
{
}

Form<Ui_MediaPhotoPadScreenClass, setupUi, retranslateUi> formMediaPhotoPadScreenClass;

} // namespace

FormLayout &MediaPhotoPadScreenClass()
{
    return formMediaPhotoPadScreenClass;
}

} // namespace quarn::forms
