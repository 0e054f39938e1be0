#include "forms/settings/SettingsGpsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsGpsScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsGpsScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 72, 230, 278);
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    titleHeader(ui.icon, root, "icon");
    make(ui.lblTitle_2, ui.icon, "lblTitle_2").at(50, 10, 140, 26).titleText();
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_GPS.mif");
    make(ui.lblGps, root, "lblGps").at(14, 71, 191, 16).caption();
    make(ui.comboGpsOnOff, root, "comboGpsOnOff").at(4, 87, 230, 44).standardComboBox().eventPropagation();
    make(ui.btnFromMap, root, "btnFromMap").at(7, 156, 230, 44).toggleButton();
    make(ui.lblFromMap, ui.btnFromMap, "lblFromMap").at(64, 14, 137, 16).caption();
    make(ui.ItemIcon, ui.btnFromMap, "ItemIcon")
        .at(10, 4, 38, 38)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_Maps.mif");
    make(ui.lblSetGpsPos, root, "lblSetGpsPos").at(14, 138, 191, 16).caption();
    make(ui.btnCoordinates, root, "btnCoordinates").at(7, 201, 230, 44).toggleButton();
    make(ui.lblCoordinates, ui.btnCoordinates, "lblCoordinates").at(64, 14, 137, 16).caption();
    make(ui.ItemIcon_1, ui.btnCoordinates, "ItemIcon_1")
        .at(10, 4, 38, 38)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_WP_Coordinates.mif");
    make(ui.PrimaryDatum, root, "PrimaryDatum").at(75, 270, 155, 18).settingCaption();
    make(ui.PrimaryCoordLabel, root, "PrimaryCoordLabel").at(14, 250, 56, 18).pixelSize(14);
    make(ui.PrimaryDatumLabel, root, "PrimaryDatumLabel").at(14, 270, 55, 18).pixelSize(14);
    make(ui.PrimaryCoordEW, root, "PrimaryCoordEW")
        .at(16, 289, 208, 60)
        .maxSize(QWIDGETSIZE_MAX, 70)
        .coordinateDisplay();
    make(ui.PrimaryCoord, root, "PrimaryCoord").at(75, 250, 155, 18).settingCaption();
}

void retranslateUi(Ui_SettingsGpsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblTitle_2->setContent(QCoreApplication::translate("SettingsGpsScreenClass", "GPS"));
    ui.lblGps->setContent(QCoreApplication::translate("SettingsGpsScreenClass", "GPS"));
    ui.lblFromMap->setContent(QCoreApplication::translate("SettingsGpsScreenClass", "Point on Map"));
    ui.lblSetGpsPos->setContent(QCoreApplication::translate("SettingsGpsScreenClass", "Set GPS Position:"));
    ui.lblCoordinates->setContent(QCoreApplication::translate("SettingsGpsScreenClass", "Coordinates"));
    ui.PrimaryDatum->setContent(QString());
    ui.PrimaryCoordLabel->setContent(QCoreApplication::translate("SettingsGpsScreenClass", "Primary: "));
    ui.PrimaryDatumLabel->setContent(QCoreApplication::translate("SettingsGpsScreenClass", "Datum: "));
    ui.PrimaryCoord->setContent(QString());
}

Form<Ui_SettingsGpsScreenClass, setupUi, retranslateUi> formSettingsGpsScreenClass;

} // namespace

FormLayout &SettingsGpsScreenClass()
{
    return formSettingsGpsScreenClass;
}

} // namespace quarn::forms
