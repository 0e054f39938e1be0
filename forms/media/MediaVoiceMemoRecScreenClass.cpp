#include "forms/media/MediaVoiceMemoRecScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaVoiceMemoRecScreenClass &ui, QWidget *root)
{
    Root(root, "MediaVoiceMemoRecScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnMemoFiles, ui.statusBar, "btnMemoFiles")
        .at(90, 6, 60, 43)
        .normal(":/Buttons/b_media_Memofiles.mif")
        .pressed(":/Buttons/b_media_Memofiles_h.mif");
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.icoMicrophone, root, "icoMicrophone").at(60, 74, 152, 157).image(":/Icons/i_media_microphone.mif");
    make(ui.btnRecOPause, root, "btnRecOPause")
        .at(40, 270, 69, 55)
        .font(aaFont())
        .normal(":/Buttons/b_media_record.mif")
        .pressed(":/Buttons/b_media_record_h.mif")
        .focused(":/Buttons/b_media_record_f.mif");
    listHeaderButton(ui.btnListHeader, root);
    make(ui.iconVoiceMemo, ui.btnListHeader, "iconVoiceMemo").at(50, 3, 41, 39).image(":/Icons/i_media_music.mif");
    make(ui.txtMemo, ui.btnListHeader, "txtMemo")
        .at(90, 10, 116, 27)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(boldAA())
        .pixelSize(16);
    make(ui.btnStop, root, "btnStop")
        .at(130, 270, 69, 55)
        .font(aaFont())
        .normal(":/Buttons/b_media_stop.mif")
        .pressed(":/Buttons/b_media_stop_h.mif")
        .focused(":/Buttons/b_media_stop_f.mif");
    make(ui.backing, root, "backing").at(20, 226, 200, 40);
    make(ui.txtRecStatus, ui.backing, "txtRecStatus")
        .at(1, 5, 198, 32)
        .buttonLabel()
        .textFormat(Qt::PlainText)
        .textBoxFlags(TextBoxFlags::FirstOn);
}

void retranslateUi(Ui_MediaVoiceMemoRecScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MediaVoiceMemoRecScreenClass", "MediaVoiceMemoRecScreen"));
    ui.txtMemo->setContent(QCoreApplication::translate("MediaVoiceMemoRecScreenClass", "Voice Memo"));
    ui.txtRecStatus->setContent(QCoreApplication::translate("MediaVoiceMemoRecScreenClass", "Ready"));
}

Form<Ui_MediaVoiceMemoRecScreenClass, setupUi, retranslateUi> formMediaVoiceMemoRecScreenClass;

} // namespace

FormLayout &MediaVoiceMemoRecScreenClass()
{
    return formMediaVoiceMemoRecScreenClass;
}

} // namespace quarn::forms
