#include "forms/tracks_routes/RouteOptionsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteOptionsScreenClass &ui, QWidget *root)
{
    Root(root, "RouteOptionsScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.statusBarButtonsView, ui.statusBar, "statusBarButtonsView").at(60, 7, 120, 43);
    make(ui.btnMap, ui.statusBarButtonsView, "btnMap").at(0, 0, 60, 43).mapPreviewButton();
    make(ui.btnGo, ui.statusBarButtonsView, "btnGo").at(60, 0, 60, 43).goButton();
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.btnSubTitle, root, "btnSubTitle").at(7, 70, 226, 44).panelButton();
    make(ui.dateTimeLabel_2, ui.btnSubTitle, "dateTimeLabel_2").at(36, 11, 91, 21).panelText().pixelSize(12);
    make(ui.iconOptions, ui.btnSubTitle, "iconOptions")
        .at(180, 7, 25, 22)
        .statusImages(geocache::routingMethodImages());
    make(ui.iconPaneLocation_2, ui.btnSubTitle, "iconPaneLocation_2")
        .at(10, 11, 25, 22)
        .image(":/Icons/i_PaneBtn_Options.mif");
    make(ui.routeHeaderItem, root, "routeHeaderItem").at(0, 20, 240, 47);
    make(ui.backing, root, "backing").at(0, 116, 240, 237);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(3, 5, 232, 157);
    layout(ui.verticalLayout, ui.layoutWidget, "verticalLayout");
    make(ui.cmbRouteMethod, ui.layoutWidget, "cmbRouteMethod")
        .font(Font().bold())
        .routeComboBox()
        .textMargin(20)
        .pixelSize(14);
    make(ui.cmbRouteVehicle, ui.layoutWidget, "cmbRouteVehicle")
        .font(Font().bold())
        .routeComboBox()
        .textMargin(20)
        .pixelSize(14)
        .popupItemSpacing(8);
    make(ui.btnOptions, ui.layoutWidget, "btnOptions").toggleButton();
    make(ui.btnOptionsTitle, ui.btnOptions, "btnOptionsTitle")
        .at(10, 11, 211, 21)
        .panelText()
        .alignment(Qt::AlignCenter)
        .pixelSize(12);
    spacer(ui.verticalSpacer, 20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    make(ui.btnDelete, root, "btnDelete").at(4, 306, 230, 44).toggleButton();
    make(ui.labelPictures, ui.btnDelete, "labelPictures")
        .at(10, 12, 211, 21)
        .panelText()
        .alignment(Qt::AlignCenter)
        .pixelSize(12);
    make(ui.txtWaypointSource, root, "txtWaypointSource").at(15, 281, 211, 20).content("some path here").pixelSize(12);

    addMembers(ui.verticalLayout, {ui.cmbRouteMethod, ui.cmbRouteVehicle, ui.btnOptions, ui.verticalSpacer});
}

void retranslateUi(Ui_RouteOptionsScreenClass &ui, QWidget *)
{
    ui.dateTimeLabel_2->setContent(QCoreApplication::translate("RouteOptionsScreenClass", "Options"));
    ui.btnOptionsTitle->setContent(QCoreApplication::translate("RouteOptionsScreenClass", "Settings"));
    ui.labelPictures->setContent(QCoreApplication::translate("RouteOptionsScreenClass", "Delete"));
}

Form<Ui_RouteOptionsScreenClass, setupUi, retranslateUi> formRouteOptionsScreenClass;

} // namespace

FormLayout &RouteOptionsScreenClass()
{
    return formRouteOptionsScreenClass;
}

} // namespace quarn::forms
