#include "forms/tracks_routes/RouteMediaScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteMediaScreenClass &ui, QWidget *root)
{
    Root(root, "RouteMediaScreenClass").size(240, 400);

    make(ui.routeHeaderItem, root, "routeHeaderItem").at(0, 20, 240, 47);
    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 7, 60, 43).contextMenuButton();
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.btnGo, ui.statusBar, "btnGo").at(120, 7, 60, 43).goButton();
    make(ui.btnMap, ui.statusBar, "btnMap").at(60, 7, 60, 43).mapPreviewButton();
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
