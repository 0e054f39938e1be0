#include "forms/dashboard/TideTblScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TideTblScreenClass &ui, QWidget *root)
{
    Root(root, "TideTblScreenClass").size(280, 400);

    make(ui.lvTides, root, "lvTides").at(0, 80, 240, 271).horizontalScrollBar(Qt::ScrollBarAlwaysOff);
    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 7, 60, 43).contextMenuButton();
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.ScrollButtonsWidget, ui.statusBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
    make(ui.icon, root, "icon").at(0, 20, 240, 33).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName, ui.icon, "labelName").at(0, 0, 240, 33).titleText().wordWrap();
    make(ui.icon_2, root, "icon_2").at(0, 50, 240, 33).autoFillBackground().image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName_2, ui.icon_2, "labelName_2").at(0, 0, 240, 33).titleText().wordWrap();
    make(ui.Calendar, root, "Calendar").at(0, 120, 231, 191).with(standardCalendar);
}

void retranslateUi(Ui_TideTblScreenClass &ui, QWidget *)
{
    //: Sample content, replaced by the host at run time.
    ui.labelName->setContent(QCoreApplication::translate("TideTblScreenClass", "Tide station"));
    ui.labelName_2->setContent(QCoreApplication::translate("TideTblScreenClass", "Date anchored"));
}

Form<Ui_TideTblScreenClass, setupUi, retranslateUi> formTideTblScreenClass;

} // namespace

FormLayout &TideTblScreenClass()
{
    return formTideTblScreenClass;
}

} // namespace quarn::forms
