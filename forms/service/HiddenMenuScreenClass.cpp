#include "forms/service/HiddenMenuScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_HiddenMenuScreenClass &ui, QWidget *root)
{
    Root(root, "HiddenMenuScreenClass").size(240, 400);

    make(ui.listSettings, root, "listSettings").at(0, 53, 240, 300);
    serviceTitleStrip(ui.icon, root, 20);
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 5, 218, 23)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.labelPage, ui.icon, "labelPage").at(218, 6, 231, 21).palette(whiteText()).smallCaption();
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
}

void retranslateUi(Ui_HiddenMenuScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("HiddenMenuScreenClass", "Hidden Menu"));
    ui.labelPage->setContent(QString());
}

Form<Ui_HiddenMenuScreenClass, setupUi, retranslateUi> formHiddenMenuScreenClass;

} // namespace

FormLayout &HiddenMenuScreenClass()
{
    return formHiddenMenuScreenClass;
}

} // namespace quarn::forms
