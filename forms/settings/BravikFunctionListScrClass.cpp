#include "forms/settings/BravikFunctionListScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_BravikFunctionListScrClass &ui, QWidget *root)
{
    Root(root, "BravikFunctionListScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    serviceTitleStrip(ui.icon, root, 21);
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
