#include "forms/dashboard/TideCurrCalendarScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TideCurrCalendarScreenClass &ui, QWidget *root)
{
    Root(root, "TideCurrCalendarScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    make(ui.Calendar, root, "Calendar").at(0, 50, 231, 191).with(standardCalendar);
}

void retranslateUi(Ui_TideCurrCalendarScreenClass &, QWidget *)
{
}

Form<Ui_TideCurrCalendarScreenClass, setupUi, retranslateUi> formTideCurrCalendarScreenClass;

} // namespace

FormLayout &TideCurrCalendarScreenClass()
{
    return formTideCurrCalendarScreenClass;
}

} // namespace quarn::forms
