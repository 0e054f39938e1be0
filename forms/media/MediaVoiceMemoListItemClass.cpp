#include "forms/media/MediaVoiceMemoListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaVoiceMemoListItemClass &ui, QWidget *root)
{
    Root(root, "MediaVoiceMemoListItemClass")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.progressBar, root, "progressBar").at(52, 26, 128, 14).value(24).textVisible(false);
    make(ui.iconMemo, root, "iconMemo").at(20, 5, 38, 38).image(":/Icons/i_media_voicesmall.mif");
    make(ui.txtMemoName, root, "txtMemoName").at(56, 5, 118, 20).font(boldAA()).content("0:00").pixelSize(13);
    make(ui.txtDate, root, "txtDate").at(56, 25, 60, 18).content("10/01/01").pixelSize(12);
    make(ui.btnPlayPause, root, "btnPlayPause")
        .at(176, 5, 40, 40)
        .normal(":/Buttons/b_media_play.mif")
        .pressed(":/Buttons/b_media_play_h.mif");
    make(ui.txtDuration, root, "txtDuration")
        .at(118, 24, 56, 18)
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0:00")
        .pixelSize(12);
    serviceCheckBox(ui.chkIsSelected, root, "chkIsSelected", 22, 12);
}

void retranslateUi(Ui_MediaVoiceMemoListItemClass &, QWidget *)
{
}

Form<Ui_MediaVoiceMemoListItemClass, setupUi, retranslateUi> formMediaVoiceMemoListItemClass;

} // namespace

FormLayout &MediaVoiceMemoListItemClass()
{
    return formMediaVoiceMemoListItemClass;
}

} // namespace quarn::forms
