#include "forms/dashboard/TurnListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TurnListScreenClass &ui, QWidget *root)
{
    Root(root, "TurnListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnSortType, ui.statusBar, "btnSortType")
        .at(60, 7, 176, 43)
        .normal(":/Buttons/b_BottomButton.mif")
        .pressed(":/Buttons/b_BottomButton_h.mif")
        .focused(":/Buttons/b_BottomButton_f.mif");
    make(ui.lblSortType, ui.btnSortType, "lblSortType")
        .at(8, 6, 161, 31)
        .palette(whiteButtonText())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(13);
    make(ui.list, root, "list").at(0, 80, 240, 265);
    listHeaderButton(ui.btnListHeader, root);
    make(ui.txtLabel, ui.btnListHeader, "txtLabel")
        .at(19, 13, 161, 20)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.txtCurPage, ui.btnListHeader, "txtCurPage").at(170, 4, 66, 17).listHeaderCount().content("1/1");
    make(ui.txtNumOfAddress, ui.btnListHeader, "txtNumOfAddress").at(170, 23, 66, 17).listHeaderCount().content("0");
}

void retranslateUi(Ui_TurnListScreenClass &ui, QWidget *)
{
    ui.lblSortType->setContent(QString());
    ui.txtLabel->setContent(QCoreApplication::translate("TurnListScreenClass", "Turn List"));
}

Form<Ui_TurnListScreenClass, setupUi, retranslateUi> formTurnListScreenClass;

} // namespace

FormLayout &TurnListScreenClass()
{
    return formTurnListScreenClass;
}

} // namespace quarn::forms
