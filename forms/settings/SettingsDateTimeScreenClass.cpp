#include "forms/settings/SettingsDateTimeScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsDateTimeScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsDateTimeScreenClass").size(240, 400);

    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.bottomBar);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName_4, ui.icon, "labelName_4").at(43, 4, 192, 38).palette(whiteText()).font(boldAA()).pixelSize(16);
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_Date & Time.mif");
    make(ui.backing, root, "backing").at(0, 72, 240, 278);
    make(ui.scrollArea, ui.backing, "scrollArea")
        .at(0, 0, 240, 249)
        .sizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed)
        .maxSize(QWIDGETSIZE_MAX, 271)
        .frameShape(QFrame::NoFrame)
        .frameShadow(QFrame::Plain)
        .lineWidth(0)
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff)
        .widgetResizable();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, -91, 230, 340)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 340);
    make(ui.comboTimeZone, ui.scrollAreaWidgetContents, "comboTimeZone")
        .at(0, 230, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboTimeFormat, ui.scrollAreaWidgetContents, "comboTimeFormat")
        .at(0, 90, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboDateFormat, ui.scrollAreaWidgetContents, "comboDateFormat")
        .at(0, 20, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblTimeFormat, ui.scrollAreaWidgetContents, "lblTimeFormat").at(4, 70, 220, 16).settingCaption();
    make(ui.btnTimeZone, ui.scrollAreaWidgetContents, "btnTimeZone")
        .at(0, 290, 230, 44)
        .toggleButton()
        .eventPropagation();
    make(ui.label, ui.btnTimeZone, "label").at(13, 12, 215, 21).settingCaption().alignment(Qt::AlignCenter);
    make(ui.lblDateFormat, ui.scrollAreaWidgetContents, "lblDateFormat").at(4, 0, 220, 16).settingCaption();
    make(ui.textBox, ui.scrollAreaWidgetContents, "textBox")
        .at(4, 140, 220, 20)
        .font(Font().bold().notItalic().aa())
        .scaledContents()
        .pixelSize(14);
    make(ui.comboCalendarStartDay, ui.scrollAreaWidgetContents, "comboCalendarStartDay")
        .at(0, 160, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblTimeZone, ui.scrollAreaWidgetContents, "lblTimeZone")
        .at(4, 210, 220, 16)
        .settingCaption()
        .alignment(Qt::AlignLeading | Qt::AlignTop);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(7, 253, 226, 22);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout");
    make(ui.lblDate, ui.layoutWidget, "lblDate").alignment(Qt::AlignCenter);
    make(ui.lblTime, ui.layoutWidget, "lblTime").alignment(Qt::AlignCenter);
    make(ui.lblTimeZoneShift, ui.layoutWidget, "lblTimeZoneShift").alignment(Qt::AlignCenter);

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.horizontalLayout, {ui.lblDate, ui.lblTime, ui.lblTimeZoneShift});
}

void retranslateUi(Ui_SettingsDateTimeScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.labelName_4->setContent(QCoreApplication::translate("SettingsDateTimeScreenClass", "Date & Time"));
    ui.lblTimeFormat->setContent(QCoreApplication::translate("SettingsDateTimeScreenClass", "Time Format"));
    ui.btnTimeZone->setText(QString());
    ui.label->setContent(QCoreApplication::translate("SettingsDateTimeScreenClass", "Set Time Zone..."));
    ui.lblDateFormat->setContent(QCoreApplication::translate("SettingsDateTimeScreenClass", "Date Format"));
    ui.textBox->setContent(QCoreApplication::translate("SettingsDateTimeScreenClass", "Calendar Format"));
    ui.lblTimeZone->setContent(QCoreApplication::translate("SettingsDateTimeScreenClass", "Time Zone & DST"));
}

Form<Ui_SettingsDateTimeScreenClass, setupUi, retranslateUi> formSettingsDateTimeScreenClass;

} // namespace

FormLayout &SettingsDateTimeScreenClass()
{
    return formSettingsDateTimeScreenClass;
}

} // namespace quarn::forms
