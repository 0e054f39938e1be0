#include "forms/dashboard/TideTblItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TideTblItemClass &ui, QWidget *root)
{
    Root(root, "TideTblItemClass").size(245, 158);

    tableDateTitle(ui.icon, root, 240);
    tableDate(ui.lblDate, ui.icon, 225);
    tableCell(ui.txtType_1, root, "txtType_1", 0, 31, 60, 16)
        .palette(Colours().role(QPalette::WindowText, QColor(0, 0, 255), kDimDisabledText));
    tableCell(ui.txtTime_1, root, "txtTime_1", 60, 31, 60, 16);
    tableCell(ui.txtCom_1, root, "txtCom_1", 120, 31, 115, 16);
    tableCell(ui.txtType_2, root, "txtType_2", 0, 47, 60, 16);
    tableCell(ui.txtTime_2, root, "txtTime_2", 60, 43, 60, 20);
    tableCell(ui.txtCom_2, root, "txtCom_2", 120, 47, 115, 16);
    tableCell(ui.txtType_3, root, "txtType_3", 0, 63, 60, 16);
    tableCell(ui.txtTime_4, root, "txtTime_4", 60, 79, 60, 16);
    tableCell(ui.txtCom_4, root, "txtCom_4", 120, 79, 115, 16);
    tableCell(ui.txtTime_3, root, "txtTime_3", 60, 63, 60, 16);
    tableCell(ui.txtCom_3, root, "txtCom_3", 120, 63, 115, 16);
    tableCell(ui.txtType_4, root, "txtType_4", 0, 79, 60, 16);
    tableCell(ui.txtType_5, root, "txtType_5", 0, 95, 60, 16);
    tableCell(ui.txtTime_8, root, "txtTime_8", 60, 142, 60, 16);
    tableCell(ui.txtType_7, root, "txtType_7", 0, 126, 60, 16);
    tableCell(ui.txtTime_6, root, "txtTime_6", 60, 110, 60, 16);
    tableCell(ui.txtCom_6, root, "txtCom_6", 120, 110, 115, 16);
    tableCell(ui.txtTime_5, root, "txtTime_5", 60, 95, 60, 16);
    tableCell(ui.txtTime_7, root, "txtTime_7", 60, 126, 60, 16);
    tableCell(ui.txtCom_7, root, "txtCom_7", 120, 126, 115, 16);
    tableCell(ui.txtCom_5, root, "txtCom_5", 120, 95, 115, 16);
    tableCell(ui.txtType_6, root, "txtType_6", 0, 110, 60, 16);
    tableCell(ui.txtType_8, root, "txtType_8", 0, 142, 60, 16);
    tableCell(ui.txtCom_8, root, "txtCom_8", 120, 142, 115, 16);
}

void retranslateUi(Ui_TideTblItemClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("TideTblItemClass", "Form"));
    ui.lblDate->setContent(QString());
    ui.txtType_1->setContent(QString());
    ui.txtTime_1->setContent(QString());
    ui.txtCom_1->setContent(QString());
    ui.txtType_2->setContent(QString());
    ui.txtTime_2->setContent(QString());
    ui.txtCom_2->setContent(QString());
    ui.txtType_3->setContent(QString());
    ui.txtTime_4->setContent(QString());
    ui.txtCom_4->setContent(QString());
    ui.txtTime_3->setContent(QString());
    ui.txtCom_3->setContent(QString());
    ui.txtType_4->setContent(QString());
    ui.txtType_5->setContent(QString());
    ui.txtTime_8->setContent(QString());
    ui.txtType_7->setContent(QString());
    ui.txtTime_6->setContent(QString());
    ui.txtCom_6->setContent(QString());
    ui.txtTime_5->setContent(QString());
    ui.txtTime_7->setContent(QString());
    ui.txtCom_7->setContent(QString());
    ui.txtCom_5->setContent(QString());
    ui.txtType_6->setContent(QString());
    ui.txtType_8->setContent(QString());
    ui.txtCom_8->setContent(QString());
}

Form<Ui_TideTblItemClass, setupUi, retranslateUi> formTideTblItemClass;

} // namespace

FormLayout &TideTblItemClass()
{
    return formTideTblItemClass;
}

} // namespace quarn::forms
