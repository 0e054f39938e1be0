#include "forms/settings/SettingsRouteOptionsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsRouteOptionsScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsRouteOptionsScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 72, 230, 149);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.lblRoutingMethod, root, "lblRoutingMethod").at(10, 79, 221, 20).settingCaption();
    make(ui.lblVihicleRouting, root, "lblVihicleRouting").at(10, 149, 220, 20).settingCaption();
    make(ui.comboVehicleRouting, root, "comboVehicleRouting").at(5, 170, 230, 44).standardComboBox();
    make(ui.comboRoutingMethod, root, "comboRoutingMethod").at(5, 100, 230, 44).standardComboBox();
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName_4, ui.icon, "labelName_4").at(43, 4, 192, 38).titleText();
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_Route Options.mif");
}

void retranslateUi(Ui_SettingsRouteOptionsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblRoutingMethod->setContent(QCoreApplication::translate("SettingsRouteOptionsScreenClass", "Routing Method"));
    ui.lblVihicleRouting->setContent(QCoreApplication::translate("SettingsRouteOptionsScreenClass", "Vehicle Routing"));
    ui.labelName_4->setContent(QCoreApplication::translate("SettingsRouteOptionsScreenClass", "Route Options"));
}

Form<Ui_SettingsRouteOptionsScreenClass, setupUi, retranslateUi> formSettingsRouteOptionsScreenClass;

} // namespace

FormLayout &SettingsRouteOptionsScreenClass()
{
    return formSettingsRouteOptionsScreenClass;
}

} // namespace quarn::forms
