#include "forms/service/HiddenAutoTestScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_HiddenAutoTestScreenClass &ui, QWidget *root)
{
    Root(root, "HiddenAutoTestScreenClass").size(240, 400);

    make(ui.listSettings, root, "listSettings").at(0, 33, 240, 317);
    serviceTitleStrip(ui.icon, root, 0);
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

void retranslateUi(Ui_HiddenAutoTestScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("HiddenAutoTestScreenClass", "Auto Test"));
    ui.labelPage->setContent(QString());
}

Form<Ui_HiddenAutoTestScreenClass, setupUi, retranslateUi> formHiddenAutoTestScreenClass;

} // namespace

FormLayout &HiddenAutoTestScreenClass()
{
    return formHiddenAutoTestScreenClass;
}

} // namespace quarn::forms
