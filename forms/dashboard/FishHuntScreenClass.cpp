#include "forms/dashboard/FishHuntScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_FishHuntScreenClass &ui, QWidget *root)
{
    Root(root, "FishHuntScreenClass").size(240, 400).property("palette", darkPanelPalette());

    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    make(ui.icon, root, "icon").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.labelName, ui.icon, "labelName").at(50, 10, 140, 26).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(218, 6, 231, 21).palette(whiteText()).smallCaption();
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_FishHunt.mif");
    make(ui.backing, root, "backing").at(0, 67, 240, 286);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(0, 190, 241, 93);
    layout(ui.verticalLayout_00, ui.layoutWidget, "verticalLayout_00").spacing(3).margins(0, 0, 4, 0);
    layout(ui.horizontalLayout_01, nullptr, "horizontalLayout_01").spacing(6);
    make(ui.lblExellent, ui.layoutWidget, "lblExellent").minSize(70, 0).panelText().indent(5).pixelSize(12);
    make(ui.txtExellent, ui.layoutWidget, "txtExellent")
        .sizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred)
        .maxSize(QWIDGETSIZE_MAX, 42)
        .palette(readoutColours())
        .font(menuScreenFont())
        .frameShape(QFrame::NoFrame)
        .lineWidth(0);
    layout(ui.horizontalLayout_02, nullptr, "horizontalLayout_02").spacing(6);
    make(ui.lblGood, ui.layoutWidget, "lblGood")
        .sizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred)
        .minSize(70, 0)
        .panelText()
        .indent(5)
        .pixelSize(12);
    make(ui.txtGood, ui.layoutWidget, "txtGood")
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding)
        .maxSize(QWIDGETSIZE_MAX, 42)
        .palette(readoutColours())
        .font(menuScreenFont())
        .frameShape(QFrame::NoFrame)
        .frameShadow(QFrame::Plain)
        .lineWidth(0);
    make(ui.calendarWidget, ui.backing, "calendarWidget").at(0, 0, 240, 191).with(standardCalendar);

    addMembers(ui.horizontalLayout_01, {ui.lblExellent, ui.txtExellent});
    addMembers(ui.horizontalLayout_02, {ui.lblGood, ui.txtGood});
    addMembers(ui.verticalLayout_00, {ui.horizontalLayout_01, ui.horizontalLayout_02});
}

void retranslateUi(Ui_FishHuntScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("FishHuntScreenClass", "Fish and Hunt"));
    ui.labelPage->setContent(QString());
    ui.lblExellent->setContent(QCoreApplication::translate("FishHuntScreenClass", "Excellent"));
    ui.lblGood->setContent(QCoreApplication::translate("FishHuntScreenClass", "Good"));
}

Form<Ui_FishHuntScreenClass, setupUi, retranslateUi> formFishHuntScreenClass;

} // namespace

FormLayout &FishHuntScreenClass()
{
    return formFishHuntScreenClass;
}

} // namespace quarn::forms
