#include "forms/settings/AlarmClockListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AlarmClockListScreenClass &ui, QWidget *root)
{
    Root(root, "AlarmClockListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.listAlarmClocks, root, "listAlarmClocks").at(0, 80, 240, 265);
    make(ui.icon, root, "icon").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.labelTitle, ui.icon, "labelTitle").at(60, 13, 120, 20).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(191, 13, 47, 20).titlePageNumber();
    titleIcon(ui.iconTitle, ui.icon, "iconTitle", ":/Icons/i_Alarms.mif");
}

void retranslateUi(Ui_AlarmClockListScreenClass &ui, QWidget *)
{
    ui.labelTitle->setContent(QCoreApplication::translate("AlarmClockListScreenClass", "Alarms"));
    ui.labelPage->setContent(QString());
}

Form<Ui_AlarmClockListScreenClass, setupUi, retranslateUi> formAlarmClockListScreenClass;

} // namespace

FormLayout &AlarmClockListScreenClass()
{
    return formAlarmClockListScreenClass;
}

} // namespace quarn::forms
