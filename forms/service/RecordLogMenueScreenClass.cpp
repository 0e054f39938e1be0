#include "forms/service/RecordLogMenueScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RecordLogMenueScreenClass &ui, QWidget *root)
{
    Root(root, "RecordLogMenueScreenClass").size(240, 400);

    make(ui.icon, root, "icon").at(0, 0, 240, 33).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 5, 241, 23)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    make(ui.lblCurrentFile, root, "lblCurrentFile").at(4, 36, 191, 16).caption();
    make(ui.icon_CurrentFile, root, "icon_CurrentFile").at(0, 56, 240, 28).image(":/Bkgd/bkgd_TitleBar.mif");
    make(ui.labelCurrentFile, ui.icon_CurrentFile, "labelCurrentFile")
        .at(0, 0, 241, 21)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.btnRecord, root, "btnRecord")
        .at(10, 230, 55, 70)
        .normal(":/Buttons/b_KB_01.mif")
        .pressed(":/Buttons/b_KB_01_h.mif")
        .focused(":/Buttons/b_KB_01.mif")
        .eventPropagation();
    make(ui.lblName_2, ui.btnRecord, "lblName_2").at(-3, 12, 61, 20).buttonLabel();
    make(ui.ItemIcon, ui.btnRecord, "ItemIcon").at(11, 31, 31, 31).image(":/Buttons/b_media_play.mif");
    make(ui.btnStop, root, "btnStop")
        .at(174, 230, 55, 70)
        .normal(":/Buttons/b_KB_01.mif")
        .pressed(":/Buttons/b_KB_01_h.mif")
        .focused(":/Buttons/b_KB_01.mif")
        .eventPropagation();
    make(ui.lblName, ui.btnStop, "lblName").at(-2, 12, 61, 20).buttonLabel();
    make(ui.ItemIcon_2, ui.btnStop, "ItemIcon_2").at(14, 35, 27, 27).image(":/Buttons/b_ContextualMenu_Close.mif");
    make(ui.chkAutoRecord, root, "chkAutoRecord")
        .at(70, 96, 28, 29)
        .checkedImage(":/Icons/i_Checkbox_sel.mif")
        .uncheckedImage(":/Icons/i_Checkbox.mif");
    make(ui.lblAuto, root, "lblAuto").at(100, 98, 101, 20).buttonLabel();
    make(ui.icon_CurrentStatus, root, "icon_CurrentStatus").at(0, 154, 240, 28).image(":/Bkgd/bkgd_TitleBar.mif");
    make(ui.labelCurrentStatus, ui.icon_CurrentStatus, "labelCurrentStatus")
        .at(0, 0, 241, 21)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.lblCurrentStatus, root, "lblCurrentStatus").at(4, 134, 191, 16).caption();
    make(ui.btnPause, root, "btnPause")
        .at(94, 230, 55, 70)
        .normal(":/Buttons/b_KB_01.mif")
        .pressed(":/Buttons/b_KB_01_h.mif")
        .focused(":/Buttons/b_KB_01.mif")
        .eventPropagation();
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
