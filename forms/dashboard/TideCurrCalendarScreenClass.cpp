#include "forms/dashboard/TideCurrCalendarScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TideCurrCalendarScreenClass &ui, QWidget *root)
{
    Root(root, "TideCurrCalendarScreenClass").size(240, 400);

    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 7, 60, 43).font(aaFont()).contextMenuButton();
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
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
