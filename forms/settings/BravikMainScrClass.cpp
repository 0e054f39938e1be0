#include "forms/settings/BravikMainScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_BravikMainScrClass &ui, QWidget *root)
{
    Root(root, "BravikMainScrClass")
        .size(240, 400)
        .property("font", QFont(menuScreenFont()))
        .property("palette", menuScreenPalette());

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.labelUserHint, ui.statusBar, "labelUserHint")
        .at(54, 14, 181, 30)
        .palette(whiteText())
        .font(Font().pointSize(10).normalWeight().aa())
        .scaledContents()
        .pixelSize(16);
    make(ui.btnEdit, ui.statusBar, "btnEdit")
        .at(205, 17, 32, 32)
        .normal(":/Icons/i_MenuIcon_Edit.mif")
        .pressed(":/Icons/i_MenuIcon_Edit.mif");
    make(ui.backing, root, "backing").at(5, 27, 230, 323);
    make(ui.gridLayoutWidget, ui.backing, "gridLayoutWidget").at(0, 0, 230, 323);
    layout(ui.gridLayout, ui.gridLayoutWidget, "gridLayout").horizontalSpacing(2);
    make(ui.button, ui.gridLayoutWidget, "button")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(74, 74)
        .baseSize(74, 74)
        .normal(":/Buttons/b_RoundButton_h.mif")
        .shiftOnPress(1, 1);
    make(ui.textBox, ui.button, "textBox")
        .at(0, 54, 80, 20)
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred)
        .minSize(80, 0)
        .maxSize(80, QWIDGETSIZE_MAX)
        .palette(Colours().role(QPalette::ButtonText, kBlack, kDisabledText))
        .alignment(Qt::AlignHCenter | Qt::AlignBottom)
        .content("text long long long ")
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);

    addToGrid(ui.gridLayout, ui.button, 0, 0);
}

void retranslateUi(Ui_BravikMainScrClass &ui, QWidget *)
{
    ui.labelUserHint->setContent(QCoreApplication::translate("BravikMainScrClass", "Click icon to edit..."));
}

Form<Ui_BravikMainScrClass, setupUi, retranslateUi> formBravikMainScrClass;

} // namespace

FormLayout &BravikMainScrClass()
{
    return formBravikMainScrClass;
}

} // namespace quarn::forms
