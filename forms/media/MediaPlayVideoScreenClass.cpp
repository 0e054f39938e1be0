#include "forms/media/MediaPlayVideoScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaPlayVideoScreenClass &ui, QWidget *root)
{
    Root(root, "MediaPlayVideoScreenClass").size(240, 400);

    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.btnCenter, ui.statusBar, "btnCenter")
        .at(84, 6, 60, 43)
        .normal(":/Buttons/b_media_voicepause.mif")
        .pressed(":/Buttons/b_media_voicepause_h.mif");
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 7, 60, 43).font(aaFont()).contextMenuButton();
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
