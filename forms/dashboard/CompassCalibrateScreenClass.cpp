#include "forms/dashboard/CompassCalibrateScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_CompassCalibrateScreenClass &ui, QWidget *root)
{
    Root(root, "CompassCalibrateScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 72, 230, 278);
    make(ui.textBox, ui.backing, "textBox").at(7, 7, 217, 94).buttonLabel().wordWrap();
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.AnimationCtrl, root, "AnimationCtrl").at(12, 178, 216, 133).with(figureEightAnimation);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName_2, ui.icon, "labelName_2").at(45, 0, 181, 46).palette(whiteText()).buttonLabel().wordWrap();
    titleIcon(ui.icon_4, ui.icon, "icon_4", ":/Icons/i_Compass.mif");
}

void retranslateUi(Ui_CompassCalibrateScreenClass &ui, QWidget *)
{
    ui.textBox->setContent(QCoreApplication::translate(
        "CompassCalibrateScreenClass",
        "Move the unit in a figure 8 motion while twisting the wrist until you hear the alarm."));
    ui.labelName_2->setContent(
        QCoreApplication::translate("CompassCalibrateScreenClass", "Calibrate Electronic Compass"));
}

Form<Ui_CompassCalibrateScreenClass, setupUi, retranslateUi> formCompassCalibrateScreenClass;

} // namespace

FormLayout &CompassCalibrateScreenClass()
{
    return formCompassCalibrateScreenClass;
}

} // namespace quarn::forms
