#include "forms/dashboard/BarometerCalibScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_BarometerCalibScreenClass &ui, QWidget *root)
{
    Root(root, "BarometerCalibScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 72, 230, 278);
    make(ui.lblSeeLevelPress, root, "lblSeeLevelPress").at(10, 150, 222, 21).settingCaption();
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.cbPressureUnits, root, "cbPressureUnits").at(140, 170, 99, 44).smallComboBox();
    comboDropMark(ui.icon_2, ui.cbPressureUnits, "icon_2");
    make(ui.txtSeeLevelPress, root, "txtSeeLevelPress")
        .at(10, 171, 121, 41)
        .caption()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .clickable()
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.lblDescription, root, "lblDescription")
        .at(7, 77, 227, 51)
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(14);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName_2, ui.icon, "labelName_2").at(44, 4, 190, 38).palette(whiteText()).buttonLabel().wordWrap();
    titleIcon(ui.icon_4, ui.icon, "icon_4", ":/Icons/i_Calibrate Barometer Altimeter.mif");
    make(ui.lblCurBarAlt, root, "lblCurBarAlt")
        .at(10, 292, 221, 21)
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(14);
    make(ui.txtCurrentElev, root, "txtCurrentElev")
        .at(10, 241, 121, 41)
        .caption()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .clickable()
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.cbCurrentElev, root, "cbCurrentElev").at(140, 240, 99, 44).smallComboBox();
    comboDropMark(ui.icon_3, ui.cbCurrentElev, "icon_3");
    make(ui.txtCurBarAlt, root, "txtCurBarAlt").at(60, 320, 121, 21).buttonLabel();
    make(ui.lblCurrentElev, root, "lblCurrentElev").at(10, 220, 222, 21).settingCaption();
}

void retranslateUi(Ui_BarometerCalibScreenClass &ui, QWidget *)
{
    ui.lblSeeLevelPress->setContent(QCoreApplication::translate("BarometerCalibScreenClass", "Sea Level Pressure"));
    //: Number shown until the host fills it.
    ui.txtSeeLevelPress->setContent(QCoreApplication::translate("BarometerCalibScreenClass", "0.0"));
    ui.lblDescription->setContent(
        QCoreApplication::translate("BarometerCalibScreenClass", "Enter a known elevation or sea level pressure"));
    ui.labelName_2->setContent(
        QCoreApplication::translate("BarometerCalibScreenClass", "Calibrate Barometer/Altimeter"));
    ui.lblCurBarAlt->setContent(
        QCoreApplication::translate("BarometerCalibScreenClass", "Current Barometric Altitude"));
    //: Number shown until the host fills it.
    ui.txtCurrentElev->setContent(QCoreApplication::translate("BarometerCalibScreenClass", "0.0"));
    //: Number shown until the host fills it.
    ui.txtCurBarAlt->setContent(QCoreApplication::translate("BarometerCalibScreenClass", "0"));
    ui.lblCurrentElev->setContent(QCoreApplication::translate("BarometerCalibScreenClass", "Current Elevation"));
}

Form<Ui_BarometerCalibScreenClass, setupUi, retranslateUi> formBarometerCalibScreenClass;

} // namespace

FormLayout &BarometerCalibScreenClass()
{
    return formBarometerCalibScreenClass;
}

} // namespace quarn::forms
