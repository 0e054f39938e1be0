#include "forms/dashboard/CurrTblScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_CurrTblScreenClass &ui, QWidget *root)
{
    Root(root, "CurrTblScreenClass").size(245, 400);

    make(ui.lvCurrs, root, "lvCurrs").at(0, 80, 240, 271).horizontalScrollBar(Qt::ScrollBarAlwaysOff);
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
    make(ui.Calendar, root, "Calendar").at(0, 120, 240, 191).with(standardCalendar);
}

void retranslateUi(Ui_CurrTblScreenClass &ui, QWidget *)
{
    //: Sample content, replaced by the host at run time.
    ui.labelName->setContent(QCoreApplication::translate("CurrTblScreenClass", "Current station"));
    ui.labelName_2->setContent(QCoreApplication::translate("CurrTblScreenClass", "Date anchored"));
}

Form<Ui_CurrTblScreenClass, setupUi, retranslateUi> formCurrTblScreenClass;

} // namespace

FormLayout &CurrTblScreenClass()
{
    return formCurrTblScreenClass;
}

} // namespace quarn::forms
