#include "forms/settings/AlarmClockListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AlarmClockListScreenClass &ui, QWidget *root)
{
    Root(root, "AlarmClockListScreenClass").size(240, 400);

    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 7, 60, 43).font(aaFont()).contextMenuButton();
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.ScrollButtonsWidget, ui.statusBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
    make(ui.listAlarmClocks, root, "listAlarmClocks").at(0, 80, 240, 265);
    make(ui.icon, root, "icon").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.labelTitle, ui.icon, "labelTitle").at(60, 13, 120, 20).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(191, 13, 47, 20).titlePageNumber();
    make(ui.iconTitle, ui.icon, "iconTitle").at(4, 4, 38, 38).image(":/Icons/i_Alarms.mif");
}

void retranslateUi(Ui_AlarmClockListScreenClass &ui, QWidget *)
{
    ui.labelTitle->setContent(QCoreApplication::translate("AlarmClockListScreenClass", "Alarms"));
}

Form<Ui_AlarmClockListScreenClass, setupUi, retranslateUi> formAlarmClockListScreenClass;

} // namespace

FormLayout &AlarmClockListScreenClass()
{
    return formAlarmClockListScreenClass;
}

} // namespace quarn::forms
