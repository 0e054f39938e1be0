#include "forms/settings/SettingsDiagnosticScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsDiagnosticScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsDiagnosticScreenClass").size(240, 400);

    titleHeader(ui.icon_2, root, "icon_2");
    make(ui.lblOffCourse_2, ui.icon_2, "lblOffCourse_2")
        .at(44, 4, 183, 38)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    titleIcon(ui.icon, ui.icon_2, "icon", ":/Icons/i_Diagnostics.mif");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnAudioTest, root, "btnAudioTest").at(5, 80, 230, 44).flatToggleButton();
    make(ui.lblAudioTest, ui.btnAudioTest, "lblAudioTest")
        .at(41, 11, 173, 23)
        .settingCaption()
        .alignment(Qt::AlignCenter);
    make(ui.iconAudio, ui.btnAudioTest, "iconAudio").at(13, 10, 25, 25).image(":/Icons/i_PaneBtn_Music.mif");
    make(ui.btnVideoTest, root, "btnVideoTest").at(5, 130, 230, 44).flatToggleButton();
    make(ui.lblVideoTest, ui.btnVideoTest, "lblVideoTest")
        .at(41, 11, 173, 23)
        .settingCaption()
        .alignment(Qt::AlignCenter);
    make(ui.iconVideo, ui.btnVideoTest, "iconVideo").at(13, 10, 25, 25).image(":/Icons/i_PaneBtn_Video.mif");
    make(ui.btnTouchTest, root, "btnTouchTest").at(5, 180, 230, 44).flatToggleButton();
    make(ui.lblTouchTest, ui.btnTouchTest, "lblTouchTest")
        .at(41, 11, 173, 23)
        .settingCaption()
        .alignment(Qt::AlignCenter);
}

void retranslateUi(Ui_SettingsDiagnosticScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblOffCourse_2->setContent(QCoreApplication::translate("SettingsDiagnosticScreenClass", "Diagnostics"));
    ui.lblAudioTest->setContent(QCoreApplication::translate("SettingsDiagnosticScreenClass", "Audio Test"));
    ui.lblVideoTest->setContent(QCoreApplication::translate("SettingsDiagnosticScreenClass", "Video Test"));
    ui.lblTouchTest->setContent(QCoreApplication::translate("SettingsDiagnosticScreenClass", "Touch Test"));
}

Form<Ui_SettingsDiagnosticScreenClass, setupUi, retranslateUi> formSettingsDiagnosticScreenClass;

} // namespace

FormLayout &SettingsDiagnosticScreenClass()
{
    return formSettingsDiagnosticScreenClass;
}

} // namespace quarn::forms
