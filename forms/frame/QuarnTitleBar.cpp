#include "forms/frame/QuarnTitleBar.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuarnTitleBar &ui, QWidget *root)
{
    Root(root, "QuarnTitleBar").size(240, 28).image("image", ":/Bkgd/bkgd_TitleBar.mif");

    make(ui.txtTime, root, "txtTime").at(81, 0, 91, 21).palette(whiteText()).buttonLabel();
    make(ui.statusBattery, root, "statusBattery")
        .at(5, 4, 27, 13)
        .statusImages({":/Icons/i_Battery_00.mif", ":/Icons/i_Battery_01.mif", ":/Icons/i_Battery_02.mif",
                       ":/Icons/i_Battery_03.mif", ":/Icons/i_Battery_04.mif", ":/Icons/i_Battery_05.mif"});
    make(ui.statusGPS, root, "statusGPS")
        .at(206, 3, 29, 14)
        .statusImages({":/Icons/i_GPS_off.mif", ":/Icons/i_SimulationMode.mif", ":/Icons/i_SignalStrength_0.mif",
                       ":/Icons/i_SignalStrength_0.mif", ":/Icons/i_SignalStrength_2.mif",
                       ":/Icons/i_SignalStrength_3.mif", ":/Icons/i_SignalStrength_4.mif",
                       ":/Icons/i_SignalStrength_W_0.mif", ":/Icons/i_SignalStrength_W_0.mif",
                       ":/Icons/i_SignalStrength_W_2.mif", ":/Icons/i_SignalStrength_W_3.mif",
                       ":/Icons/i_SignalStrength_W_4.mif"});
    make(ui.iconBacklight, root, "iconBacklight").at(35, 0, 16, 20).image(":/Icons/i_backlight_toolbar.mif");
    make(ui.iconTracking, root, "iconTracking").at(180, 0, 16, 20).image(":/Icons/i_tracking_toolbar.mif");
    make(ui.statusCompassCalibration, root, "statusCompassCalibration")
        .at(57, 0, 17, 20)
        .statusImages({":/Icons/i_compass_toolbar_red.mif", ":/Icons/i_compass_toolbar_yellow.mif",
                       ":/Icons/i_compass_toolbar_green.mif"});
}

void retranslateUi(Ui_QuarnTitleBar &ui, QWidget *)
{
    //: Sample content, replaced by the host at run time.
    ui.txtTime->setContent(QCoreApplication::translate("QuarnTitleBar", "HH:MM"));
}

Form<Ui_QuarnTitleBar, setupUi, retranslateUi> formQuarnTitleBar;

} // namespace

FormLayout &QuarnTitleBar()
{
    return formQuarnTitleBar;
}

} // namespace quarn::forms
