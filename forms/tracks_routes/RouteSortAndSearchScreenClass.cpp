#include "forms/tracks_routes/RouteSortAndSearchScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteSortAndSearchScreenClass &ui, QWidget *root)
{
    Root(root, "RouteSortAndSearchScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    serviceTitleStrip(ui.icon, root, 21);
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 0, 240, 33)
        .palette(whiteText())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(18);
    make(ui.btnSearch, root, "btnSearch").at(5, 309, 230, 44).toggleButton().eventPropagation();
    make(ui.dateTimeLabel_3, ui.btnSearch, "dateTimeLabel_3").at(12, 11, 201, 21).plainPanelText().pixelSize(14);
    make(ui.verticalLayoutWidget, root, "verticalLayoutWidget").at(4, 101, 241, 201);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout");
    make(ui.btnNearestSort, ui.verticalLayoutWidget, "btnNearestSort").radioChoice();
    make(ui.dateTimeLabel_4, ui.btnNearestSort, "dateTimeLabel_4").at(45, 11, 131, 21).panelText().pixelSize(14);
    make(ui.btnDateCreatedSort, ui.verticalLayoutWidget, "btnDateCreatedSort").radioChoice();
    make(ui.dateTimeLabel_5, ui.btnDateCreatedSort, "dateTimeLabel_5").at(45, 11, 151, 21).panelText().pixelSize(14);
    make(ui.btnNameSort, ui.verticalLayoutWidget, "btnNameSort").radioChoice();
    make(ui.dateTimeLabel_7, ui.btnNameSort, "dateTimeLabel_7").at(50, 10, 131, 21).panelText().pixelSize(14);
    spacer(ui.verticalSpacer, 20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    make(ui.stackedWidget, root, "stackedWidget").at(7, 60, 226, 40);
    make(ui.pageAll, nullptr, "pageAll");
    make(ui.btnShowAll, ui.pageAll, "btnShowAll").at(-3, -4, 230, 44).toggleButton();
    make(ui.lblWptFilterTitle, ui.btnShowAll, "lblWptFilterTitle").at(12, 11, 51, 21).plainPanelText().pixelSize(14);
    make(ui.lblWptFilter, ui.btnShowAll, "lblWptFilter").at(63, 11, 131, 21).panelText().pixelSize(14);
    make(ui.pageFavorites, nullptr, "pageFavorites").hidden();
    make(ui.btnShowFavorites, ui.pageFavorites, "btnShowFavorites").at(-3, -4, 230, 44).toggleButton();
    make(ui.lblWptFilterTitle_3, ui.btnShowFavorites, "lblWptFilterTitle_3")
        .at(12, 11, 51, 21)
        .plainPanelText()
        .pixelSize(14);
    make(ui.lblWptFilter_3, ui.btnShowFavorites, "lblWptFilter_3").at(63, 11, 131, 21).panelText().pixelSize(14);

    addMembers(ui.verticalLayout, {ui.btnNearestSort, ui.btnDateCreatedSort, ui.btnNameSort, ui.verticalSpacer});
    addPages(ui.stackedWidget, {ui.pageAll, ui.pageFavorites}, 0);

    ui.pageAll->raise();
}

void retranslateUi(Ui_RouteSortAndSearchScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("RouteSortAndSearchScreenClass", "Sort by"));
    ui.dateTimeLabel_3->setContent(QCoreApplication::translate("RouteSortAndSearchScreenClass", "Search by name..."));
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("RouteSortAndSearchScreenClass", "Nearest"));
    ui.dateTimeLabel_5->setContent(QCoreApplication::translate("RouteSortAndSearchScreenClass", "Date Created"));
    ui.dateTimeLabel_7->setContent(QCoreApplication::translate("RouteSortAndSearchScreenClass", "Name"));
    ui.lblWptFilterTitle->setContent(QCoreApplication::translate("RouteSortAndSearchScreenClass", "Show:"));
    ui.lblWptFilter->setContent(QCoreApplication::translate("RouteSortAndSearchScreenClass", "All"));
    ui.lblWptFilterTitle_3->setContent(QCoreApplication::translate("RouteSortAndSearchScreenClass", "Show:"));
    ui.lblWptFilter_3->setContent(QCoreApplication::translate("RouteSortAndSearchScreenClass", "Favorites"));
}

Form<Ui_RouteSortAndSearchScreenClass, setupUi, retranslateUi> formRouteSortAndSearchScreenClass;

} // namespace

FormLayout &RouteSortAndSearchScreenClass()
{
    return formRouteSortAndSearchScreenClass;
}

} // namespace quarn::forms
