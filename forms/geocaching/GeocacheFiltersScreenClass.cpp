#include "forms/geocaching/GeocacheFiltersScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheFiltersScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheFiltersScreenClass").size(240, 400);

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
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(169, 7, 71, 43);
    make(ui.pageMenu, nullptr, "pageMenu");
    make(ui.btnContextMenu, ui.pageMenu, "btnContextMenu").at(10, 0, 60, 43).contextMenuButton();
    make(ui.pageNext, nullptr, "pageNext").hidden();
    make(ui.btnNext, ui.pageNext, "btnNext").at(-5, -1, 76, 43).labelledActionButton();
    make(ui.label, ui.btnNext, "label").at(8, 6, 62, 31).actionButtonLabel();
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.scrollArea, root, "scrollArea").at(0, 54, 240, 300).scrollingPage();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, 0, 230, 361)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 361);
    make(ui.verticalLayoutWidget, ui.scrollAreaWidgetContents, "verticalLayoutWidget").at(0, 0, 241, 348);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout").spacing(4);
    make(ui.btnStatus, ui.verticalLayoutWidget, "btnStatus").closedPageButton().eventPropagation();
    make(ui.dateTimeLabel_3, ui.btnStatus, "dateTimeLabel_3").at(10, 8, 102, 21).filterButtonCaption();
    make(ui.txtStatuses, ui.btnStatus, "txtStatuses").at(113, 8, 110, 21).filterChoice();
    make(ui.btnType, ui.verticalLayoutWidget, "btnType").closedPageButton().eventPropagation();
    make(ui.dateTimeLabel_4, ui.btnType, "dateTimeLabel_4").at(10, 8, 102, 21).filterButtonCaption();
    make(ui.txtTypes, ui.btnType, "txtTypes").at(113, 8, 110, 21).filterChoice();
    make(ui.btnSize, ui.verticalLayoutWidget, "btnSize").closedPageButton().eventPropagation();
    make(ui.dateTimeLabel_5, ui.btnSize, "dateTimeLabel_5").at(10, 8, 102, 21).filterButtonCaption();
    make(ui.txtSizes, ui.btnSize, "txtSizes").at(113, 8, 110, 21).filterChoice();
    make(ui.btnTerrain, ui.verticalLayoutWidget, "btnTerrain").closedPageButton().eventPropagation();
    make(ui.dateTimeLabel_9, ui.btnTerrain, "dateTimeLabel_9").at(10, 8, 102, 21).filterButtonCaption();
    make(ui.txtTerrains, ui.btnTerrain, "txtTerrains").at(113, 8, 110, 21).filterChoice();
    make(ui.btnDiff, ui.verticalLayoutWidget, "btnDiff").closedPageButton().eventPropagation();
    make(ui.dateTimeLabel_10, ui.btnDiff, "dateTimeLabel_10").at(10, 8, 102, 21).filterButtonCaption();
    make(ui.txtDiffs, ui.btnDiff, "txtDiffs").at(113, 8, 110, 21).filterChoice();
    make(ui.btnSort, ui.verticalLayoutWidget, "btnSort").closedPageButton().eventPropagation();
    make(ui.dateTimeLabel_8, ui.btnSort, "dateTimeLabel_8").at(10, 8, 102, 21).filterButtonCaption();
    make(ui.txtSorts, ui.btnSort, "txtSorts").at(113, 8, 110, 21).filterChoice();
    make(ui.btnShow, ui.verticalLayoutWidget, "btnShow").closedPageButton().eventPropagation();
    make(ui.dateTimeLabel_6, ui.btnShow, "dateTimeLabel_6").at(10, 8, 102, 21).filterButtonCaption();
    make(ui.txtShows, ui.btnShow, "txtShows").at(113, 8, 110, 21).filterChoice();
    make(ui.btnSearch, ui.verticalLayoutWidget, "btnSearch").closedPageButton().eventPropagation();
    make(ui.dateTimeLabel_7, ui.btnSearch, "dateTimeLabel_7").at(12, 8, 201, 21).filterButtonCaption();

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.verticalLayout,
               {ui.btnStatus, ui.btnType, ui.btnSize, ui.btnTerrain, ui.btnDiff, ui.btnSort, ui.btnShow, ui.btnSearch});
    addPages(ui.stackedWidget, {ui.pageMenu, ui.pageNext}, 0);

    ui.pageMenu->raise();
}

void retranslateUi(Ui_GeocacheFiltersScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("GeocacheFiltersScreenClass", "Filter"));
    ui.label->setContent(QCoreApplication::translate("GeocacheFiltersScreenClass", "Next>"));
    ui.dateTimeLabel_3->setContent(QCoreApplication::translate("GeocacheFiltersScreenClass", "Status:"));
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("GeocacheFiltersScreenClass", "Type:"));
    ui.dateTimeLabel_5->setContent(QCoreApplication::translate("GeocacheFiltersScreenClass", "Size:"));
    ui.dateTimeLabel_9->setContent(QCoreApplication::translate("GeocacheFiltersScreenClass", "Terrain:"));
    ui.dateTimeLabel_10->setContent(QCoreApplication::translate("GeocacheFiltersScreenClass", "Difficulty:"));
    ui.dateTimeLabel_8->setContent(QCoreApplication::translate("GeocacheFiltersScreenClass", "Sort By:"));
    ui.dateTimeLabel_6->setContent(QCoreApplication::translate("GeocacheFiltersScreenClass", "Show:"));
    ui.dateTimeLabel_7->setContent(
        QCoreApplication::translate("GeocacheFiltersScreenClass", "Search by name or ID..."));
}

Form<Ui_GeocacheFiltersScreenClass, setupUi, retranslateUi> formGeocacheFiltersScreenClass;

} // namespace

FormLayout &GeocacheFiltersScreenClass()
{
    return formGeocacheFiltersScreenClass;
}

} // namespace quarn::forms
