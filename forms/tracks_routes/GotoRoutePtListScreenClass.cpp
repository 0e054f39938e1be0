#include "forms/tracks_routes/GotoRoutePtListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GotoRoutePtListScreenClass &ui, QWidget *root)
{
    Root(root, "GotoRoutePtListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.lstPoints, root, "lstPoints").at(0, 80, 240, 265).horizontalScrollBar(Qt::ScrollBarAlwaysOff);
    make(ui.icon_2, root, "icon_2").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.txtName, ui.icon_2, "txtName")
        .at(49, 11, 131, 21)
        .palette(
            Colours().role(QPalette::WindowText, kWhite, kDisabledText).role(QPalette::Text, kWhite, kDisabledText))
        .font(boldAA())
        .pixelSize(15)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.txtCurPage, ui.icon_2, "txtCurPage")
        .at(182, 3, 51, 20)
        .palette(whiteText())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0/0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.txtNumOfPoints, ui.icon_2, "txtNumOfPoints")
        .at(198, 23, 35, 20)
        .palette(whiteText())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOnOfThree);
    make(ui.icon, ui.icon_2, "icon").at(5, 6, 38, 38).image(":/Icons/i_Routes.mif");
}

void retranslateUi(Ui_GotoRoutePtListScreenClass &ui, QWidget *)
{
    ui.txtName->setContent(QCoreApplication::translate("GotoRoutePtListScreenClass", "Goto Route Point"));
}

Form<Ui_GotoRoutePtListScreenClass, setupUi, retranslateUi> formGotoRoutePtListScreenClass;

} // namespace

FormLayout &GotoRoutePtListScreenClass()
{
    return formGotoRoutePtListScreenClass;
}

} // namespace quarn::forms
