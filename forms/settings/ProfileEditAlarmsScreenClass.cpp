#include "forms/settings/ProfileEditAlarmsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ProfileEditAlarmsScreenClass &ui, QWidget *root)
{
    Root(root, "ProfileEditAlarmsScreenClass").size(240, 400);

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
    titleHeader(ui.iconTitleBar, root, "iconTitleBar");
    titleIcon(ui.iconProfile, ui.iconTitleBar, "iconProfile", ":/Icons/i_Geocaching.mif")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    make(ui.lblMapOptions_2, ui.iconTitleBar, "lblMapOptions_2")
        .at(89, 1, 148, 40)
        .palette(whiteTextDimDisabled())
        .largeCaption();
    make(ui.icon, ui.iconTitleBar, "icon").at(46, 4, 38, 38).image(":/Icons/i_Alarms.mif");
    make(ui.backing, root, "backing").at(0, 67, 240, 288);
    make(ui.scrollArea, ui.backing, "scrollArea")
        .at(0, 0, 240, 288)
        .scrollingPage()
        .frameShape(QFrame::NoFrame)
        .frameShadow(QFrame::Plain)
        .lineWidth(0);
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, 0, 230, 790)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 790);
    make(ui.lblArrival, ui.scrollAreaWidgetContents, "lblArrival").at(10, 82, 215, 16).settingCaption();
    make(ui.comboOffCourse, ui.scrollAreaWidgetContents, "comboOffCourse")
        .at(0, 30, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboArrival, ui.scrollAreaWidgetContents, "comboArrival")
        .at(0, 100, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblOffCourse, ui.scrollAreaWidgetContents, "lblOffCourse").at(10, 12, 215, 16).settingCaption();
    make(ui.comboArrivalDistance, ui.scrollAreaWidgetContents, "comboArrivalDistance")
        .at(0, 170, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblArrivalDistance, ui.scrollAreaWidgetContents, "lblArrivalDistance")
        .at(10, 152, 215, 16)
        .settingCaption();
    make(ui.lblGPSFixLost, ui.scrollAreaWidgetContents, "lblGPSFixLost").at(10, 502, 215, 16).settingCaption();
    make(ui.comboWaypointProximity, ui.scrollAreaWidgetContents, "comboWaypointProximity")
        .at(0, 240, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblPlaceProximity, ui.scrollAreaWidgetContents, "lblPlaceProximity").at(10, 362, 215, 16).settingCaption();
    make(ui.lblWaypointProximity, ui.scrollAreaWidgetContents, "lblWaypointProximity")
        .at(10, 222, 215, 16)
        .settingCaption();
    make(ui.lblGeocacheProximity, ui.scrollAreaWidgetContents, "lblGeocacheProximity")
        .at(10, 292, 215, 16)
        .settingCaption();
    make(ui.comboAlarmTone, ui.scrollAreaWidgetContents, "comboAlarmTone")
        .at(0, 660, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboGeocacheProximity, ui.scrollAreaWidgetContents, "comboGeocacheProximity")
        .at(0, 310, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboGPSFixAcquired, ui.scrollAreaWidgetContents, "comboGPSFixAcquired")
        .at(0, 450, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblAlarmTone, ui.scrollAreaWidgetContents, "lblAlarmTone").at(10, 642, 215, 16).settingCaption();
    make(ui.comboGPSFixLost, ui.scrollAreaWidgetContents, "comboGPSFixLost")
        .at(0, 520, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblGPSFixAcquired, ui.scrollAreaWidgetContents, "lblGPSFixAcquired").at(10, 433, 215, 16).settingCaption();
    make(ui.comboPlaceProximity, ui.scrollAreaWidgetContents, "comboPlaceProximity")
        .at(0, 380, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboAlarmVolume, ui.scrollAreaWidgetContents, "comboAlarmVolume")
        .at(0, 730, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblAlarmVolume, ui.scrollAreaWidgetContents, "lblAlarmVolume").at(10, 712, 215, 16).settingCaption();
    make(ui.lblAnchor, ui.scrollAreaWidgetContents, "lblAnchor").at(10, 572, 215, 16).settingCaption();
    make(ui.comboAnchor, ui.scrollAreaWidgetContents, "comboAnchor")
        .at(0, 590, 230, 44)
        .standardComboBox()
        .eventPropagation();

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);

    ui.lblArrival->setBuddy(ui.comboOffCourse);
    ui.lblOffCourse->setBuddy(ui.comboOffCourse);
    ui.lblArrivalDistance->setBuddy(ui.comboOffCourse);
    ui.lblGPSFixLost->setBuddy(ui.comboOffCourse);
    ui.lblPlaceProximity->setBuddy(ui.comboOffCourse);
    ui.lblWaypointProximity->setBuddy(ui.comboOffCourse);
    ui.lblGeocacheProximity->setBuddy(ui.comboOffCourse);
    ui.lblAlarmTone->setBuddy(ui.comboOffCourse);
    ui.lblGPSFixAcquired->setBuddy(ui.comboOffCourse);
    ui.lblAlarmVolume->setBuddy(ui.comboOffCourse);
    ui.lblAnchor->setBuddy(ui.comboOffCourse);
}

void retranslateUi(Ui_ProfileEditAlarmsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblApplyToAll->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Apply to All Profiles"));
    ui.lblMapOptions_2->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Alarms"));
    ui.lblArrival->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Arrival"));
    ui.lblOffCourse->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Off Course"));
    ui.lblArrivalDistance->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Arrival Distance"));
    ui.lblGPSFixLost->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "GPS Fix Lost"));
    ui.lblPlaceProximity->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Place Proximity"));
    ui.lblWaypointProximity->setContent(
        QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Waypoint Proximity"));
    ui.lblGeocacheProximity->setContent(
        QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Geocache Proximity"));
    ui.lblAlarmTone->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Alarm Tone"));
    ui.lblGPSFixAcquired->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "GPS Fix Acquired"));
    ui.lblAlarmVolume->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Alarm Volume"));
    ui.lblAnchor->setContent(QCoreApplication::translate("ProfileEditAlarmsScreenClass", "Anchor"));
}

Form<Ui_ProfileEditAlarmsScreenClass, setupUi, retranslateUi> formProfileEditAlarmsScreenClass;

} // namespace

FormLayout &ProfileEditAlarmsScreenClass()
{
    return formProfileEditAlarmsScreenClass;
}

} // namespace quarn::forms
