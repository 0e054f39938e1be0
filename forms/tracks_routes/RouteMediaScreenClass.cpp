#include "forms/tracks_routes/RouteMediaScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteMediaScreenClass &ui, QWidget *root)
{
    Root(root, "RouteMediaScreenClass").size(240, 400);

    make(ui.routeHeaderItem, root, "routeHeaderItem").at(0, 20, 240, 47);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
}

void retranslateUi(Ui_RouteMediaScreenClass &, QWidget *)
{
}

Form<Ui_RouteMediaScreenClass, setupUi, retranslateUi> formRouteMediaScreenClass;

} // namespace

FormLayout &RouteMediaScreenClass()
{
    return formRouteMediaScreenClass;
}

} // namespace quarn::forms
