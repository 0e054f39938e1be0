#include "forms/geocaching/GeocacheFilterShowScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheFilterShowScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheFilterShowScreenClass").size(240, 400);

    make(ui.verticalLayoutWidget, root, "verticalLayoutWidget").at(0, 60, 241, 101);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout");
    make(ui.btnShowAll, ui.verticalLayoutWidget, "btnShowAll").radioChoice();
    make(ui.Reserved, ui.btnShowAll, "Reserved").at(45, 11, 131, 21).panelText().pixelSize(14);
    make(ui.btnShowFavorites, ui.verticalLayoutWidget, "btnShowFavorites").radioChoice();
    make(ui.dateTimeLabel_4, ui.btnShowFavorites, "dateTimeLabel_4").at(45, 11, 131, 21).panelText().pixelSize(14);
    serviceTitleStrip(ui.icon, root, 20);
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 0, 240, 33)
        .palette(whiteText())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(18);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);

    addMembers(ui.verticalLayout, {ui.btnShowAll, ui.btnShowFavorites});
}

void retranslateUi(Ui_GeocacheFilterShowScreenClass &ui, QWidget *)
{
    ui.Reserved->setContent(QCoreApplication::translate("GeocacheFilterShowScreenClass", "Show All"));
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("GeocacheFilterShowScreenClass", "Only Favorites"));
    ui.labelName->setContent(QCoreApplication::translate("GeocacheFilterShowScreenClass", "Show"));
}

Form<Ui_GeocacheFilterShowScreenClass, setupUi, retranslateUi> formGeocacheFilterShowScreenClass;

} // namespace

FormLayout &GeocacheFilterShowScreenClass()
{
    return formGeocacheFilterShowScreenClass;
}

} // namespace quarn::forms
