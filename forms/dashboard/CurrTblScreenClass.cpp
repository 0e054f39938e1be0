#include "forms/dashboard/CurrTblScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_CurrTblScreenClass &ui, QWidget *root)
{
    Root(root, "CurrTblScreenClass").size(245, 400);

    make(ui.lvCurrs, root, "lvCurrs").at(0, 80, 240, 271).horizontalScrollBar(Qt::ScrollBarAlwaysOff);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    serviceTitleStrip(ui.icon, root, 20);
    make(ui.labelName, ui.icon, "labelName").at(0, 0, 240, 33).titleText().wordWrap();
    make(ui.icon_2, root, "icon_2").at(0, 50, 240, 33).autoFillBackground().image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName_2, ui.icon_2, "labelName_2").at(0, 0, 240, 33).titleText().wordWrap();
    make(ui.Calendar, root, "Calendar").at(0, 120, 240, 191).with(standardCalendar);
}

void retranslateUi(Ui_CurrTblScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("CurrTblScreenClass", ""));
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
