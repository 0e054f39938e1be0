#include "forms/media/MediaPlayVideoScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaPlayVideoScreenClass &ui, QWidget *root)
{
    Root(root, "MediaPlayVideoScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnCenter, ui.statusBar, "btnCenter")
        .at(84, 6, 60, 43)
        .normal(":/Buttons/b_media_voicepause.mif")
        .pressed(":/Buttons/b_media_voicepause_h.mif");
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.iconGrabScr, root, "iconGrabScr").at(0, 22, 240, 334);
}

void retranslateUi(Ui_MediaPlayVideoScreenClass &, QWidget *)
{
}

Form<Ui_MediaPlayVideoScreenClass, setupUi, retranslateUi> formMediaPlayVideoScreenClass;

} // namespace

FormLayout &MediaPlayVideoScreenClass()
{
    return formMediaPlayVideoScreenClass;
}

} // namespace quarn::forms
