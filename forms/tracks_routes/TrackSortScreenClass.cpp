#include "forms/tracks_routes/TrackSortScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackSortScreenClass &ui, QWidget *root)
{
    Root(root, "TrackSortScreenClass").size(240, 400);

    make(ui.btnFilter, root, "btnFilter").at(5, 54, 230, 44).toggleButton();
    make(ui.lblWptFilterTitle, ui.btnFilter, "lblWptFilterTitle").at(12, 11, 71, 21).plainPanelText().pixelSize(14);
    make(ui.lblTrkFilter, ui.btnFilter, "lblTrkFilter").at(120, 12, 98, 21).panelText().content("All").pixelSize(14);
    make(ui.verticalLayoutWidget, root, "verticalLayoutWidget").at(4, 102, 241, 201);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout");
    make(ui.btnNearestSort, ui.verticalLayoutWidget, "btnNearestSort").radioChoice();
    make(ui.dateTimeLabel_4, ui.btnNearestSort, "dateTimeLabel_4").at(45, 11, 131, 21).panelText().pixelSize(14);
    make(ui.btnDateCreatedSort, ui.verticalLayoutWidget, "btnDateCreatedSort").radioChoice();
    make(ui.dateTimeLabel_5, ui.btnDateCreatedSort, "dateTimeLabel_5").at(45, 11, 151, 21).panelText().pixelSize(14);
    make(ui.btnTypeSort, ui.verticalLayoutWidget, "btnTypeSort").radioChoice();
    make(ui.dateTimeLabel_6, ui.btnTypeSort, "dateTimeLabel_6").at(45, 11, 131, 21).panelText().pixelSize(14);
    make(ui.btnNameSort, ui.verticalLayoutWidget, "btnNameSort").radioChoice();
    make(ui.dateTimeLabel_7, ui.btnNameSort, "dateTimeLabel_7").at(45, 11, 131, 21).panelText().pixelSize(14);
    serviceTitleStrip(ui.icon, root, 22);
    make(ui.labelName, ui.icon, "labelName").at(0, 0, 240, 33).titleText().wordWrap();
    make(ui.statusBar, root, "statusBar").at(0, 351, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnSearch, root, "btnSearch").at(5, 310, 230, 44).toggleButton().eventPropagation();
    make(ui.dateTimeLabel_3, ui.btnSearch, "dateTimeLabel_3").at(12, 11, 201, 21).plainPanelText().pixelSize(14);

    addMembers(ui.verticalLayout, {ui.btnNearestSort, ui.btnDateCreatedSort, ui.btnTypeSort, ui.btnNameSort});
}

void retranslateUi(Ui_TrackSortScreenClass &ui, QWidget *)
{
    ui.lblWptFilterTitle->setContent(QCoreApplication::translate("TrackSortScreenClass", "Show:"));
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("TrackSortScreenClass", "Nearest"));
    ui.dateTimeLabel_5->setContent(QCoreApplication::translate("TrackSortScreenClass", "Date Created"));
    ui.dateTimeLabel_6->setContent(QCoreApplication::translate("TrackSortScreenClass", "Color"));
    ui.dateTimeLabel_7->setContent(QCoreApplication::translate("TrackSortScreenClass", "Name"));
    ui.labelName->setContent(QCoreApplication::translate("TrackSortScreenClass", "Sort by"));
    ui.dateTimeLabel_3->setContent(QCoreApplication::translate("TrackSortScreenClass", "Search by name..."));
}

Form<Ui_TrackSortScreenClass, setupUi, retranslateUi> formTrackSortScreenClass;

} // namespace

FormLayout &TrackSortScreenClass()
{
    return formTrackSortScreenClass;
}

} // namespace quarn::forms
