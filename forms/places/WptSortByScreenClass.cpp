#include "forms/places/WptSortByScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptSortByScreenClass &ui, QWidget *root)
{
    Root(root, "WptSortByScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnNext, ui.statusBar, "btnNext").at(164, 7, 76, 43).labelledActionButton();
    make(ui.label, ui.btnNext, "label").at(8, 6, 62, 31).actionButtonLabel();
    serviceTitleStrip(ui.icon, root, 21);
    make(ui.labelName, ui.icon, "labelName").at(0, 0, 240, 33).palette(whiteText()).buttonLabel().wordWrap();
    make(ui.btnFilter, root, "btnFilter").at(5, 53, 230, 44).toggleButton();
    make(ui.lblWptFilterTitle, ui.btnFilter, "lblWptFilterTitle").at(12, 15, 71, 21).plainPanelText().pixelSize(14);
    make(ui.lblWptFilter, ui.btnFilter, "lblWptFilter").at(120, 13, 131, 21).panelText().content("All").pixelSize(14);
    make(ui.btnSearch, root, "btnSearch").at(5, 309, 230, 44).toggleButton().eventPropagation();
    make(ui.dateTimeLabel_3, ui.btnSearch, "dateTimeLabel_3").at(12, 11, 201, 21).plainPanelText().pixelSize(14);
    make(ui.verticalLayoutWidget, root, "verticalLayoutWidget").at(4, 101, 241, 201);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout");
    make(ui.btnNearestSort, ui.verticalLayoutWidget, "btnNearestSort").radioChoice();
    make(ui.dateTimeLabel_4, ui.btnNearestSort, "dateTimeLabel_4").at(45, 11, 131, 21).panelText().pixelSize(14);
    make(ui.btnDateCreatedSort, ui.verticalLayoutWidget, "btnDateCreatedSort").radioChoice();
    make(ui.dateTimeLabel_5, ui.btnDateCreatedSort, "dateTimeLabel_5").at(45, 11, 151, 21).panelText().pixelSize(14);
    make(ui.btnTypeSort, ui.verticalLayoutWidget, "btnTypeSort").radioChoice();
    make(ui.dateTimeLabel_6, ui.btnTypeSort, "dateTimeLabel_6").at(45, 11, 131, 21).panelText().pixelSize(14);
    make(ui.btnNameSort, ui.verticalLayoutWidget, "btnNameSort").radioChoice();
    make(ui.dateTimeLabel_7, ui.btnNameSort, "dateTimeLabel_7").at(45, 11, 131, 21).panelText().pixelSize(14);

    addMembers(ui.verticalLayout, {ui.btnNearestSort, ui.btnDateCreatedSort, ui.btnTypeSort, ui.btnNameSort});
}

void retranslateUi(Ui_WptSortByScreenClass &ui, QWidget *)
{
    ui.label->setContent(QCoreApplication::translate("WptSortByScreenClass", "Next>"));
    ui.labelName->setContent(QCoreApplication::translate("WptSortByScreenClass", "Sort by"));
    ui.lblWptFilterTitle->setContent(QCoreApplication::translate("WptSortByScreenClass", "Show:"));
    ui.dateTimeLabel_3->setContent(QCoreApplication::translate("WptSortByScreenClass", "Search by name..."));
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("WptSortByScreenClass", "Nearest"));
    ui.dateTimeLabel_5->setContent(QCoreApplication::translate("WptSortByScreenClass", "Date Created"));
    ui.dateTimeLabel_6->setContent(QCoreApplication::translate("WptSortByScreenClass", "Type"));
    ui.dateTimeLabel_7->setContent(QCoreApplication::translate("WptSortByScreenClass", "Name"));
}

Form<Ui_WptSortByScreenClass, setupUi, retranslateUi> formWptSortByScreenClass;

} // namespace

FormLayout &WptSortByScreenClass()
{
    return formWptSortByScreenClass;
}

} // namespace quarn::forms
