#include "forms/tracks_routes/RouteDescriptionScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteDescriptionScreenClass &ui, QWidget *root)
{
    Root(root, "RouteDescriptionScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    barGoButton(ui.btnGo, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    barMapButton(ui.btnMap, ui.statusBar);
    make(ui.routeHeaderItem, root, "routeHeaderItem").at(0, 20, 240, 47);
    make(ui.btnDescription, root, "btnDescription").at(7, 70, 226, 44).panelButton();
    make(ui.label_3, ui.btnDescription, "label_3").at(38, 10, 149, 22).smallCaption();
    make(ui.iconPaneLocation_3, ui.btnDescription, "iconPaneLocation_3")
        .at(10, 10, 25, 22)
        .image(":/Icons/i_PaneBtn_Desciption.mif");
    make(ui.backing, root, "backing").at(5, 111, 230, 240);
    make(ui.txtDescription, ui.backing, "txtDescription").at(0, 0, 230, 240).font(menuScreenFont());
}

void retranslateUi(Ui_RouteDescriptionScreenClass &ui, QWidget *)
{
    ui.label_3->setContent(QCoreApplication::translate("RouteDescriptionScreenClass", "Description"));
}

Form<Ui_RouteDescriptionScreenClass, setupUi, retranslateUi> formRouteDescriptionScreenClass;

} // namespace

FormLayout &RouteDescriptionScreenClass()
{
    return formRouteDescriptionScreenClass;
}

} // namespace quarn::forms
