#include "forms/settings/SettingsNavigationScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsNavigationScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsNavigationScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName_5, ui.icon, "labelName_5").at(45, 4, 181, 38).titleText().wordWrap();
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_Navigation.mif");
    make(ui.backing, root, "backing").at(0, 67, 240, 288);
    make(ui.scrollArea, ui.backing, "scrollArea").at(0, 0, 240, 288).scrollingPage();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents").at(0, 0, 233, 742);
    layout(ui.verticalLayout, ui.scrollAreaWidgetContents, "verticalLayout").margins(1, 11, 2, 11);
    make(ui.lblPrimCoordSys, ui.scrollAreaWidgetContents, "lblPrimCoordSys").settingCaption();
    make(ui.comboPrimCoordSys, ui.scrollAreaWidgetContents, "comboPrimCoordSys").standardComboBox().eventPropagation();
    make(ui.lblPrimCoordZone, ui.scrollAreaWidgetContents, "lblPrimCoordZone").settingCaption();
    make(ui.comboPrimCoordZone, ui.scrollAreaWidgetContents, "comboPrimCoordZone")
        .standardComboBox()
        .eventPropagation();
    make(ui.lblPrimCoordAccuracy, ui.scrollAreaWidgetContents, "lblPrimCoordAccuracy").settingCaption();
    make(ui.comboPrimCoordAccuracy, ui.scrollAreaWidgetContents, "comboPrimCoordAccuracy")
        .standardComboBox()
        .eventPropagation();
    make(ui.lblPrimMapDatum, ui.scrollAreaWidgetContents, "lblPrimMapDatum").settingCaption();
    make(ui.comboPrimMapDatum, ui.scrollAreaWidgetContents, "comboPrimMapDatum").standardComboBox().eventPropagation();
    make(ui.lblSecCoordSys, ui.scrollAreaWidgetContents, "lblSecCoordSys").settingCaption();
    make(ui.comboSecCoordSys, ui.scrollAreaWidgetContents, "comboSecCoordSys").standardComboBox().eventPropagation();
    make(ui.lblSecCoordZone, ui.scrollAreaWidgetContents, "lblSecCoordZone").settingCaption();
    make(ui.comboSecCoordZone, ui.scrollAreaWidgetContents, "comboSecCoordZone").standardComboBox().eventPropagation();
    make(ui.lblSecCoordAccuracy, ui.scrollAreaWidgetContents, "lblSecCoordAccuracy").settingCaption();
    make(ui.comboSecCoordAccuracy, ui.scrollAreaWidgetContents, "comboSecCoordAccuracy")
        .standardComboBox()
        .eventPropagation();
    make(ui.lblSecMapDatum, ui.scrollAreaWidgetContents, "lblSecMapDatum").settingCaption();
    make(ui.comboSecMapDatum, ui.scrollAreaWidgetContents, "comboSecMapDatum").standardComboBox().eventPropagation();
    make(ui.lblNorthRef, ui.scrollAreaWidgetContents, "lblNorthRef").settingCaption();
    make(ui.comboNorthRef, ui.scrollAreaWidgetContents, "comboNorthRef").standardComboBox().eventPropagation();
    make(ui.lblAltimeterSrc, ui.scrollAreaWidgetContents, "lblAltimeterSrc").settingCaption();
    make(ui.comboAltimeterSrc, ui.scrollAreaWidgetContents, "comboAltimeterSrc").standardComboBox().eventPropagation();

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.verticalLayout,
               {ui.lblPrimCoordSys,      ui.comboPrimCoordSys,      ui.lblPrimCoordZone, ui.comboPrimCoordZone,
                ui.lblPrimCoordAccuracy, ui.comboPrimCoordAccuracy, ui.lblPrimMapDatum,  ui.comboPrimMapDatum,
                ui.lblSecCoordSys,       ui.comboSecCoordSys,       ui.lblSecCoordZone,  ui.comboSecCoordZone,
                ui.lblSecCoordAccuracy,  ui.comboSecCoordAccuracy,  ui.lblSecMapDatum,   ui.comboSecMapDatum,
                ui.lblNorthRef,          ui.comboNorthRef,          ui.lblAltimeterSrc,  ui.comboAltimeterSrc});

    ui.lblPrimCoordSys->setBuddy(ui.comboPrimCoordSys);
    ui.lblPrimCoordZone->setBuddy(ui.comboPrimCoordZone);
    ui.lblPrimCoordAccuracy->setBuddy(ui.comboPrimCoordAccuracy);
    ui.lblPrimMapDatum->setBuddy(ui.comboPrimCoordSys);
    ui.lblSecCoordSys->setBuddy(ui.comboPrimCoordSys);
    ui.lblSecCoordZone->setBuddy(ui.comboSecCoordZone);
    ui.lblSecCoordAccuracy->setBuddy(ui.comboSecCoordAccuracy);
    ui.lblSecMapDatum->setBuddy(ui.comboPrimCoordSys);
    ui.lblNorthRef->setBuddy(ui.comboPrimCoordSys);
    ui.lblAltimeterSrc->setBuddy(ui.comboPrimCoordSys);
}

void retranslateUi(Ui_SettingsNavigationScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.labelName_5->setContent(QCoreApplication::translate("SettingsNavigationScreenClass", "Navigation"));
    ui.lblPrimCoordSys->setContent(
        QCoreApplication::translate("SettingsNavigationScreenClass", "Primary Coordinate System"));
    ui.lblPrimCoordZone->setContent(
        QCoreApplication::translate("SettingsNavigationScreenClass", "Primary Coordinate Zone"));
    ui.lblPrimCoordAccuracy->setContent(
        QCoreApplication::translate("SettingsNavigationScreenClass", "Primary Coordinate Accuracy"));
    ui.lblPrimMapDatum->setContent(QCoreApplication::translate("SettingsNavigationScreenClass", "Primary Map Datum"));
    ui.lblSecCoordSys->setContent(
        QCoreApplication::translate("SettingsNavigationScreenClass", "Secondary Coordinate System"));
    ui.lblSecCoordZone->setContent(
        QCoreApplication::translate("SettingsNavigationScreenClass", "Secondary Coordinate Zone"));
    ui.lblSecCoordAccuracy->setContent(
        QCoreApplication::translate("SettingsNavigationScreenClass", "Secondary Coordinate Accuracy"));
    ui.lblSecMapDatum->setContent(QCoreApplication::translate("SettingsNavigationScreenClass", "Secondary Map Datum"));
    ui.lblNorthRef->setContent(QCoreApplication::translate("SettingsNavigationScreenClass", "North Reference"));
    ui.lblAltimeterSrc->setContent(QCoreApplication::translate("SettingsNavigationScreenClass", "Altimeter Source"));
}

Form<Ui_SettingsNavigationScreenClass, setupUi, retranslateUi> formSettingsNavigationScreenClass;

} // namespace

FormLayout &SettingsNavigationScreenClass()
{
    return formSettingsNavigationScreenClass;
}

} // namespace quarn::forms
