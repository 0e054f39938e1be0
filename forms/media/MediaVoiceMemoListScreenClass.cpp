#include "forms/media/MediaVoiceMemoListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaVoiceMemoListScreenClass &ui, QWidget *root)
{
    Root(root, "MediaVoiceMemoListScreenClass").size(240, 400);

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
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.listMemo, root, "listMemo").at(0, 74, 240, 265);
    listHeaderButton(ui.btnListHeader, root);
    make(ui.iconVoice, ui.btnListHeader, "iconVoice").at(2, 3, 38, 38).image(":/Icons/i_media_voicesmall.mif");
    make(ui.txtCurPage, ui.btnListHeader, "txtCurPage").at(170, 4, 66, 17).listHeaderCount().content("1/1");
    make(ui.txtNumOfMemo, ui.btnListHeader, "txtNumOfMemo").at(170, 23, 66, 17).listHeaderCount().content("0");
    make(ui.txtMemo, ui.btnListHeader, "txtMemo")
        .at(46, 8, 116, 27)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(boldAA())
        .pixelSize(16);

    addPages(ui.stackedWidget, {ui.pageMenu, ui.pageConfirm}, 0);

    ui.pageMenu->raise();
}

void retranslateUi(Ui_MediaVoiceMemoListScreenClass &ui, QWidget *)
{
    ui.txtMemo->setContent(QCoreApplication::translate("MediaVoiceMemoListScreenClass", "Voice Memos"));
}

Form<Ui_MediaVoiceMemoListScreenClass, setupUi, retranslateUi> formMediaVoiceMemoListScreenClass;

} // namespace

FormLayout &MediaVoiceMemoListScreenClass()
{
    return formMediaVoiceMemoListScreenClass;
}

} // namespace quarn::forms
