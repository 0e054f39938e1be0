#include "forms/frame/EULAScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_EULAScreenClass &ui, QWidget *root)
{
    Root(root, "EULAScreenClass").size(240, 402).sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    serviceTitleStrip(ui.icon, root, 0);
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 0, 240, 33)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(14);
    make(ui.bottomBar, root, "bottomBar").at(0, 352, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnAccept, ui.bottomBar, "btnAccept")
        .at(5, 6, 108, 43)
        .normal(":/Buttons/b_btnWide.mif")
        .pressed(":/Buttons/b_btnWide_h.mif");
    make(ui.label, ui.btnAccept, "label").at(10, 6, 91, 31).actionButtonLabel();
    make(ui.btnDecline, ui.bottomBar, "btnDecline")
        .at(125, 6, 108, 43)
        .normal(":/Buttons/b_btnWide.mif")
        .pressed(":/Buttons/b_btnWide_h.mif");
    make(ui.label_2, ui.btnDecline, "label_2").at(10, 6, 91, 31).actionButtonLabel();
    make(ui.backing, root, "backing").at(5, 37, 230, 316);
    make(ui.txt, ui.backing, "txt")
        .at(0, 0, 230, 316)
        .palette(Colours().role(QPalette::Base, QColor(255, 255, 255, 0), kBlack))
        .font(menuScreenFont());
}

void retranslateUi(Ui_EULAScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("EULAScreenClass", "End User License Agreement"));
    ui.label->setContent(QCoreApplication::translate("EULAScreenClass", "Accept"));
    ui.label_2->setContent(QCoreApplication::translate("EULAScreenClass", "Decline"));
}

Form<Ui_EULAScreenClass, setupUi, retranslateUi> formEULAScreenClass;

} // namespace

FormLayout &EULAScreenClass()
{
    return formEULAScreenClass;
}

} // namespace quarn::forms
