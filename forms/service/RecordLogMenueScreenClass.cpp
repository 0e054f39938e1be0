#include "forms/service/RecordLogMenueScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RecordLogMenueScreenClass &ui, QWidget *root)
{
    Root(root, "RecordLogMenueScreenClass").size(240, 400);

    serviceTitleStrip(ui.icon, root, 0);
    serviceTitle(ui.labelName, ui.icon);
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    make(ui.lblCurrentFile, root, "lblCurrentFile").at(4, 36, 191, 16).caption();
    serviceStatusBand(ui.icon_CurrentFile, root, "icon_CurrentFile", 56);
    serviceStatusText(ui.labelCurrentFile, ui.icon_CurrentFile, "labelCurrentFile");
    keyButton(ui.btnRecord, root, "btnRecord", 10, 230, 55, 70, KeyFace::Tall);
    make(ui.lblName_2, ui.btnRecord, "lblName_2").at(-3, 12, 61, 20).buttonLabel();
    make(ui.ItemIcon, ui.btnRecord, "ItemIcon").at(11, 31, 31, 31).image(":/Buttons/b_media_play.mif");
    keyButton(ui.btnStop, root, "btnStop", 174, 230, 55, 70, KeyFace::Tall);
    make(ui.lblName, ui.btnStop, "lblName").at(-2, 12, 61, 20).buttonLabel();
    make(ui.ItemIcon_2, ui.btnStop, "ItemIcon_2").at(14, 35, 27, 27).image(":/Buttons/b_ContextualMenu_Close.mif");
    serviceCheckBox(ui.chkAutoRecord, root, "chkAutoRecord", 70, 96);
    make(ui.lblAuto, root, "lblAuto").at(100, 98, 101, 20).buttonLabel();
    serviceStatusBand(ui.icon_CurrentStatus, root, "icon_CurrentStatus", 154);
    serviceStatusText(ui.labelCurrentStatus, ui.icon_CurrentStatus, "labelCurrentStatus");
    make(ui.lblCurrentStatus, root, "lblCurrentStatus").at(4, 134, 191, 16).caption();
    keyButton(ui.btnPause, root, "btnPause", 94, 230, 55, 70, KeyFace::Tall);
    make(ui.lblName_3, ui.btnPause, "lblName_3").at(-3, 12, 61, 20).buttonLabel();
    make(ui.ItemIcon_3, ui.btnPause, "ItemIcon_3").at(11, 31, 31, 35).image(":/Buttons/b_media_recordpause.mif");
}

void retranslateUi(Ui_RecordLogMenueScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("RecordLogMenueScreenClass", "Record Log file"));
    ui.lblCurrentFile->setContent(QCoreApplication::translate("RecordLogMenueScreenClass", "Current File To Record:"));
    ui.labelCurrentFile->setContent(QCoreApplication::translate("RecordLogMenueScreenClass", "No File To Record"));
    ui.lblName_2->setContent(QCoreApplication::translate("RecordLogMenueScreenClass", "Start"));
    ui.lblName->setContent(QCoreApplication::translate("RecordLogMenueScreenClass", "Stop"));
    ui.lblAuto->setContent(QCoreApplication::translate("RecordLogMenueScreenClass", "Auto Record"));
    ui.labelCurrentStatus->setContent(QCoreApplication::translate("RecordLogMenueScreenClass", "No Recording"));
    ui.lblCurrentStatus->setContent(QCoreApplication::translate("RecordLogMenueScreenClass", "Current Status:"));
    ui.lblName_3->setContent(QCoreApplication::translate("RecordLogMenueScreenClass", "Pause"));
}

Form<Ui_RecordLogMenueScreenClass, setupUi, retranslateUi> formRecordLogMenueScreenClass;

} // namespace

FormLayout &RecordLogMenueScreenClass()
{
    return formRecordLogMenueScreenClass;
}

} // namespace quarn::forms
