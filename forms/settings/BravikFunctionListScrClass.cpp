#include "forms/settings/BravikFunctionListScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_BravikFunctionListScrClass &ui, QWidget *root)
{
    Root(root, "BravikFunctionListScrClass").size(240, 400);

    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.ScrollButtonsWidget, ui.statusBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
    make(ui.icon, root, "icon").at(0, 21, 240, 33).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName, ui.icon, "labelName").at(0, 5, 240, 23).titleText();
    make(ui.listDataFields, root, "listDataFields").at(0, 80, 240, 265);
}

void retranslateUi(Ui_BravikFunctionListScrClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("BravikFunctionListScrClass", "Functions"));
}

Form<Ui_BravikFunctionListScrClass, setupUi, retranslateUi> formBravikFunctionListScrClass;

} // namespace

FormLayout &BravikFunctionListScrClass()
{
    return formBravikFunctionListScrClass;
}

} // namespace quarn::forms
