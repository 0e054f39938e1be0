#include "forms/service/PlayLogMenuScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_PlayLogMenuScreenClass &ui, QWidget *root)
{
    Root(root, "PlayLogMenuScreenClass").size(240, 400);

    make(ui.listFiles, root, "listFiles")
        .at(2, 107, 237, 153)
        .frameShape(QFrame::Box)
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff);
    serviceTitleStrip(ui.icon, root, 0);
    serviceTitle(ui.labelName, ui.icon);
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    make(ui.lblCurrentFile, root, "lblCurrentFile").at(4, 36, 191, 16).caption();
    serviceStatusBand(ui.icon_CurrentFile, root, "icon_CurrentFile", 53);
    serviceStatusText(ui.labelCurrentFile, ui.icon_CurrentFile, "labelCurrentFile");
    make(ui.lblSelectFile, root, "lblSelectFile").at(4, 87, 81, 16).caption();
    keyButton(ui.btnPlay, root, "btnPlay", 7, 264, 109, 28, KeyFace::Wide);
    make(ui.lblName_2, ui.btnPlay, "lblName_2").at(24, 3, 61, 20).buttonLabel();
    keyButton(ui.btnStop, root, "btnStop", 124, 264, 109, 28, KeyFace::Wide);
    make(ui.lblName, ui.btnStop, "lblName").at(24, 3, 61, 20).buttonLabel();
    keyButton(ui.btnRestart, root, "btnRestart", 85, 287, 74, 74, KeyFace::Round);
    make(ui.lblName_3, ui.btnRestart, "lblName_3").at(9, 28, 51, 18).caption();
    keyButton(ui.btnGoForvard, root, "btnGoForvard", 162, 287, 74, 74, KeyFace::Round);
    make(ui.lblName_4, ui.btnGoForvard, "lblName_4").at(26, 43, 20, 20).caption();
    make(ui.ItemIcon_3, ui.btnGoForvard, "ItemIcon_3")
        .at(20, 22, 17, 27)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_StripCompassEast.mif");
    make(ui.ItemIcon_4, ui.btnGoForvard, "ItemIcon_4")
        .at(37, 24, 17, 27)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_StripCompassEast.mif");
    keyButton(ui.btnGoBack, root, "btnGoBack", 7, 287, 74, 74, KeyFace::Round);
    make(ui.lblName_5, ui.btnGoBack, "lblName_5").at(26, 43, 20, 20).caption();
    make(ui.ItemIcon_1, ui.btnGoBack, "ItemIcon_1")
        .at(17, 22, 17, 27)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_StripcompassWest.mif");
    make(ui.ItemIcon_2, ui.btnGoBack, "ItemIcon_2")
        .at(34, 22, 17, 27)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_StripcompassWest.mif");
    serviceCheckBox(ui.chkAutoPlay, root, "chkAutoPlay", 166, 78);
    make(ui.lblAuto, root, "lblAuto").at(196, 74, 41, 20).buttonLabel();
    make(ui.lblPlay, root, "lblPlay").at(196, 88, 41, 20).buttonLabel();
    make(ui.lblNoPlaying, root, "lblNoPlaying").at(26, 316, 191, 16).buttonLabel();
    serviceCheckBox(ui.chkRePlay, root, "chkRePlay", 93, 78);
    make(ui.lblRe, root, "lblRe").at(121, 74, 41, 20).buttonLabel();
    make(ui.lblPlay_2, root, "lblPlay_2").at(121, 88, 41, 20).buttonLabel();
}

void retranslateUi(Ui_PlayLogMenuScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "Play Log file"));
    ui.lblCurrentFile->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "Current File To Play:"));
    ui.labelCurrentFile->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "No File To Play"));
    ui.lblSelectFile->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "Select File:"));
    ui.lblName_2->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "Play"));
    ui.lblName->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "Stop"));
    ui.lblName_3->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "Restart"));
    //: Number, not prose; change only how the language writes it.
    ui.lblName_4->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "30"));
    //: Number, not prose; change only how the language writes it.
    ui.lblName_5->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "30"));
    ui.lblAuto->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "Auto"));
    ui.lblPlay->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "play"));
    ui.lblNoPlaying->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "No Playing"));
    ui.lblRe->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "Re"));
    ui.lblPlay_2->setContent(QCoreApplication::translate("PlayLogMenuScreenClass", "play"));
}

Form<Ui_PlayLogMenuScreenClass, setupUi, retranslateUi> formPlayLogMenuScreenClass;

} // namespace

FormLayout &PlayLogMenuScreenClass()
{
    return formPlayLogMenuScreenClass;
}

} // namespace quarn::forms
