#include "forms/geocaching/GeocacheFilterSortByClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheFilterSortByClass &ui, QWidget *root)
{
    Root(root, "GeocacheFilterSortByClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.verticalLayoutWidget, root, "verticalLayoutWidget").at(0, 60, 241, 246);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout");
    make(ui.btnIDSort, ui.verticalLayoutWidget, "btnIDSort").radioChoice();
    make(ui.Reserved, ui.btnIDSort, "Reserved").at(45, 11, 131, 21).panelText().pixelSize(14);
    make(ui.btnNearestSort, ui.verticalLayoutWidget, "btnNearestSort").radioChoice();
    make(ui.dateTimeLabel_4, ui.btnNearestSort, "dateTimeLabel_4").at(45, 11, 131, 21).panelText().pixelSize(14);
    make(ui.btnDateSort, ui.verticalLayoutWidget, "btnDateSort").radioChoice();
    make(ui.dateTimeLabel_5, ui.btnDateSort, "dateTimeLabel_5").at(45, 11, 151, 21).panelText().pixelSize(14);
    make(ui.btnTypeSort, ui.verticalLayoutWidget, "btnTypeSort").radioChoice();
    make(ui.dateTimeLabel_6, ui.btnTypeSort, "dateTimeLabel_6").at(45, 11, 131, 21).panelText().pixelSize(14);
    make(ui.btnNameSort, ui.verticalLayoutWidget, "btnNameSort").radioChoice();
    make(ui.dateTimeLabel_7, ui.btnNameSort, "dateTimeLabel_7").at(45, 11, 131, 21).panelText().pixelSize(14);
    serviceTitleStrip(ui.icon, root, 20);
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 0, 240, 33)
        .palette(whiteText())
        .smallCaption()
        .alignment(Qt::AlignCenter)
        .wordWrap();

    addMembers(ui.verticalLayout, {ui.btnIDSort, ui.btnNearestSort, ui.btnDateSort, ui.btnTypeSort, ui.btnNameSort});
}

void retranslateUi(Ui_GeocacheFilterSortByClass &ui, QWidget *)
{
    ui.Reserved->setContent(QCoreApplication::translate("GeocacheFilterSortByClass", "Geocache ID"));
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("GeocacheFilterSortByClass", "Nearest"));
    ui.dateTimeLabel_5->setContent(QCoreApplication::translate("GeocacheFilterSortByClass", "Date Created"));
    ui.dateTimeLabel_6->setContent(QCoreApplication::translate("GeocacheFilterSortByClass", "Type"));
    ui.dateTimeLabel_7->setContent(QCoreApplication::translate("GeocacheFilterSortByClass", "Name"));
    ui.labelName->setContent(QCoreApplication::translate("GeocacheFilterSortByClass", "Sort by"));
}

Form<Ui_GeocacheFilterSortByClass, setupUi, retranslateUi> formGeocacheFilterSortByClass;

} // namespace

FormLayout &GeocacheFilterSortByClass()
{
    return formGeocacheFilterSortByClass;
}

} // namespace quarn::forms
