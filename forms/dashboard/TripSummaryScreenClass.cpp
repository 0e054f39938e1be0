#include "forms/dashboard/TripSummaryScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TripSummaryScreenClass &ui, QWidget *root)
{
    Root(root, "TripSummaryScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.icon_2, root, "icon_2").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.txtName, ui.icon_2, "txtName")
        .at(60, 13, 141, 20)
        .palette(
            Colours().role(QPalette::WindowText, kWhite, kDisabledText).role(QPalette::Text, kWhite, kDisabledText))
        .font(boldAA())
        .pixelSize(16)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.txtCurPage, ui.icon_2, "txtCurPage")
        .at(213, 3, 20, 20)
        .palette(whiteText())
        .font(aaFont())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0/0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.txtNumOfCaches, ui.icon_2, "txtNumOfCaches")
        .at(198, 23, 35, 20)
        .palette(whiteText())
        .font(aaFont())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOnOfThree);
    make(ui.icon, ui.icon_2, "icon").at(5, 6, 38, 38).image(":/Icons/i_TripSummary.mif");
    make(ui.lstSummary, root, "lstSummary").at(0, 80, 240, 265);
}

void retranslateUi(Ui_TripSummaryScreenClass &ui, QWidget *)
{
    ui.txtName->setContent(QCoreApplication::translate("TripSummaryScreenClass", "Track Summary"));
}

Form<Ui_TripSummaryScreenClass, setupUi, retranslateUi> formTripSummaryScreenClass;

} // namespace

FormLayout &TripSummaryScreenClass()
{
    return formTripSummaryScreenClass;
}

} // namespace quarn::forms
