#include "forms/tracks_routes/RouteMediaScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteMediaScreenClass &ui, QWidget *root)
{
    Root(root, "RouteMediaScreenClass")
        .size(240, 400);

    make(ui.routeHeaderItem, root, "routeHeaderItem").at(0, 20, 240, 47);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnGo, ui.statusBar, "btnGo").at(120, 7, 60, 43).faces(":/Icons/i_ToolBar_Go.mif", ":/Icons/i_ToolBar_Go_h.mif");
    make(ui.btnMap, ui.statusBar, "btnMap").at(60, 7, 60, 43).faces(":/Icons/i_ToolBar_PreviewRouteOnMap.mif", ":/Icons/i_ToolBar_PreviewRouteOnMap_h.mif");
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
