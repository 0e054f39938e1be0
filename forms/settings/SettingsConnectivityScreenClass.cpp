#include "forms/settings/SettingsConnectivityScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsConnectivityScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsConnectivityScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 72, 230, 278);
    titleHeader(ui.icon_2, root, "icon_2");
    make(ui.lblOffCourse_2, ui.icon_2, "lblOffCourse_2")
        .at(43, 4, 191, 38)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    titleIcon(ui.icon, ui.icon_2, "icon", ":/Icons/i_Connectivity.mif");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.comboConnectMode, root, "comboConnectMode").at(0, 100, 230, 44).standardComboBox().eventPropagation();
    make(ui.lblMode, root, "lblMode").at(10, 77, 218, 20).settingCaption();
    make(ui.lblNmeaOption, root, "lblNmeaOption").at(10, 157, 218, 20).settingCaption();
    make(ui.comboNmeaOption, root, "comboNmeaOption").at(0, 180, 230, 44).standardComboBox().eventPropagation();
    make(ui.lblBaudRate, root, "lblBaudRate").at(10, 237, 218, 20).settingCaption();
    make(ui.comboBaudRate, root, "comboBaudRate").at(0, 260, 230, 44).standardComboBox().eventPropagation();
}

void retranslateUi(Ui_SettingsConnectivityScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblOffCourse_2->setContent(QCoreApplication::translate("SettingsConnectivityScreenClass", "Connectivity"));
    ui.lblMode->setContent(QCoreApplication::translate("SettingsConnectivityScreenClass", "Mode"));
    ui.lblNmeaOption->setContent(QCoreApplication::translate("SettingsConnectivityScreenClass", "Nmea option"));
    ui.lblBaudRate->setContent(QCoreApplication::translate("SettingsConnectivityScreenClass", "Baud rate"));
}

Form<Ui_SettingsConnectivityScreenClass, setupUi, retranslateUi> formSettingsConnectivityScreenClass;

} // namespace

FormLayout &SettingsConnectivityScreenClass()
{
    return formSettingsConnectivityScreenClass;
}

} // namespace quarn::forms
