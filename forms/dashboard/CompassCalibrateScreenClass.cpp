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
    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.AnimationCtrl, root, "AnimationCtrl").at(12, 178, 216, 133).with(figureEightAnimation);
    make(ui.icon, root, "icon").at(0, 21, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.labelName_2, ui.icon, "labelName_2").at(45, 0, 181, 46).palette(whiteText()).buttonLabel().wordWrap();
    make(ui.icon_4, ui.icon, "icon_4").at(4, 4, 38, 38).image(":/Icons/i_Compass.mif");
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
