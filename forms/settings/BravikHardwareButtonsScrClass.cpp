#include "forms/settings/BravikHardwareButtonsScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_BravikHardwareButtonsScrClass &ui, QWidget *root)
{
    Root(root, "BravikHardwareButtonsScrClass").size(240, 400);

    titleHeader(ui.icon_2, root, "icon_2");
    make(ui.lblOffCourse_2, ui.icon_2, "lblOffCourse_2")
        .at(46, 0, 191, 46)
        .palette(whiteTextDimDisabled())
        .largeCaption()
        .alignment(Qt::AlignCenter);
    titleIcon(ui.icon, ui.icon_2, "icon", ":/Icons/i_Assign Button Function.mif");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.backing, root, "backing").at(0, 68, 240, 287);
    make(ui.txtUpFunc, ui.backing, "txtUpFunc").at(80, 55, 155, 45).largeCaption().content("Up Function");
    make(ui.txtDownFunc, ui.backing, "txtDownFunc").at(80, 178, 155, 45).largeCaption().content("Down Function");
    make(ui.icon_3, ui.backing, "icon_3").at(5, 18, 68, 252).image(":/Bkgd/bkgd_assignFunctionScreen_btnbg.mif");
    make(ui.btnLower, ui.icon_3, "btnLower")
        .at(0, 113, 68, 132)
        .normal(":/Buttons/b_assignFunctionScreen_btn2.mif")
        .pressed(":/Buttons/b_assignFunctionScreen_btn2_h.mif");
    make(ui.iconLower, ui.btnLower, "iconLower").at(14, 48, 38, 38);
    make(ui.btnUpper, ui.icon_3, "btnUpper")
        .at(0, 7, 68, 106)
        .normal(":/Buttons/b_assignFunctionScreen_btn1.mif")
        .pressed(":/Buttons/b_assignFunctionScreen_btn1_h.mif");
    make(ui.iconUpper, ui.btnUpper, "iconUpper").at(14, 33, 38, 38);
}

void retranslateUi(Ui_BravikHardwareButtonsScrClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblOffCourse_2->setContent(
        QCoreApplication::translate("BravikHardwareButtonsScrClass", "Assign Button Function"));
}

Form<Ui_BravikHardwareButtonsScrClass, setupUi, retranslateUi> formBravikHardwareButtonsScrClass;

} // namespace

FormLayout &BravikHardwareButtonsScrClass()
{
    return formBravikHardwareButtonsScrClass;
}

} // namespace quarn::forms
