#include "forms/dashboard/TideTblScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TideTblScreenClass &ui, QWidget *root)
{
    Root(root, "TideTblScreenClass").size(280, 400);

    make(ui.lvTides, root, "lvTides").at(0, 80, 240, 271).horizontalScrollBar(Qt::ScrollBarAlwaysOff);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    serviceTitleStrip(ui.icon, root, 20);
    make(ui.labelName, ui.icon, "labelName").at(0, 0, 240, 33).titleText().wordWrap();
    make(ui.icon_2, root, "icon_2").at(0, 50, 240, 33).autoFillBackground().image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName_2, ui.icon_2, "labelName_2").at(0, 0, 240, 33).titleText().wordWrap();
    make(ui.Calendar, root, "Calendar").at(0, 120, 231, 191).with(standardCalendar);
}

void retranslateUi(Ui_TideTblScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("TideTblScreenClass", ""));
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
