#include "forms/settings/ProfileEditSensorsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ProfileEditSensorsScreenClass &ui, QWidget *root)
{
    Root(root, "ProfileEditSensorsScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnApplyToAll, ui.statusBar, "btnApplyToAll")
        .at(60, 7, 176, 43)
        .normal(":/Buttons/b_BottomButton.mif")
        .pressed(":/Buttons/b_BottomButton_h.mif")
        .focused(":/Buttons/b_BottomButton_f.mif");
    make(ui.lblApplyToAll, ui.btnApplyToAll, "lblApplyToAll")
        .at(8, 6, 161, 31)
        .palette(whiteButtonText())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(13);
    titleHeader(ui.iconTitle, root, "iconTitle");
    make(ui.lblProfileName, ui.iconTitle, "lblProfileName")
        .at(96, 12, 141, 20)
        .palette(whiteText())
        .font(boldAA())
        .pixelSize(16);
    titleIcon(ui.iconProfile, ui.iconTitle, "iconProfile", ":/Icons/i_Geocaching.mif");
    make(ui.icon, ui.iconTitle, "icon").at(46, 4, 38, 38).image(":/Icons/i_Sensors.mif");
    make(ui.backing, root, "backing").at(5, 70, 230, 281);
    make(ui.comboCompass, root, "comboCompass").at(5, 100, 230, 44).standardComboBox();
    make(ui.comboBarometer, root, "comboBarometer").at(5, 178, 230, 44).standardComboBox();
    make(ui.lblCompass, root, "lblCompass").at(10, 80, 191, 18).caption();
    make(ui.lblBarometer, root, "lblBarometer").at(10, 159, 191, 18).caption();
    make(ui.lblSpeedThresh, root, "lblSpeedThresh").at(10, 244, 221, 36).caption().wordWrap();
    make(ui.comboSpeedThresh, root, "comboSpeedThresh").at(5, 280, 230, 44).standardComboBox();

    ui.lblCompass->setBuddy(ui.comboCompass);
    ui.lblBarometer->setBuddy(ui.comboCompass);
    ui.lblSpeedThresh->setBuddy(ui.comboSpeedThresh);
}

void retranslateUi(Ui_ProfileEditSensorsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblApplyToAll->setContent(QCoreApplication::translate("ProfileEditSensorsScreenClass", "Apply to All Profiles"));
    ui.lblProfileName->setContent(QCoreApplication::translate("ProfileEditSensorsScreenClass", "Sensors"));
    ui.lblCompass->setContent(QCoreApplication::translate("ProfileEditSensorsScreenClass", "Electronic compass"));
    ui.lblBarometer->setContent(QCoreApplication::translate("ProfileEditSensorsScreenClass", "Barometer"));
    ui.lblSpeedThresh->setContent(
        QCoreApplication::translate("ProfileEditSensorsScreenClass", "Switch to GPS Compass at the following Speed:"));
}

Form<Ui_ProfileEditSensorsScreenClass, setupUi, retranslateUi> formProfileEditSensorsScreenClass;

} // namespace

FormLayout &ProfileEditSensorsScreenClass()
{
    return formProfileEditSensorsScreenClass;
}

} // namespace quarn::forms
