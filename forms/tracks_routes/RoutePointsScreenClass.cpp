#include "forms/tracks_routes/RoutePointsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RoutePointsScreenClass &ui, QWidget *root)
{
    Root(root, "RoutePointsScreenClass").size(240, 400);

    make(ui.Header, root, "Header").at(0, 20, 240, 47);
    make(ui.btnSubTitle, root, "btnSubTitle").at(7, 70, 226, 44).panelButton();
    make(ui.horizontalLayoutWidget, ui.btnSubTitle, "horizontalLayoutWidget").at(6, 6, 216, 30);
    layout(ui.horizontalLayout_2, ui.horizontalLayoutWidget, "horizontalLayout_2").spacing(3);
    make(ui.iconPaneLocation_4, ui.horizontalLayoutWidget, "iconPaneLocation_4")
        .image(":/Icons/i_PanelBtn_Route_Points.mif");
    make(ui.txtStatus_3, ui.horizontalLayoutWidget, "txtStatus_3")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .panelText()
        .pixelSize(13);
    make(ui.txtCount, ui.horizontalLayoutWidget, "txtCount").minSize(50, 0).panelText().content("(%1)").pixelSize(13);
    make(ui.iconFlag, ui.horizontalLayoutWidget, "iconFlag")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.txtDistanceToolBar, ui.horizontalLayoutWidget, "txtDistanceToolBar")
        .sizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred)
        .font(boldAA())
        .content("10 Km")
        .pixelSize(13);
    spacer(ui.horizontalSpacer, 40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.backing, root, "backing").at(0, 116, 240, 237);
    make(ui.lvPoints, ui.backing, "lvPoints").at(0, 1, 240, 236);

    addMembers(
        ui.horizontalLayout_2,
        {ui.iconPaneLocation_4, ui.txtStatus_3, ui.txtCount, ui.iconFlag, ui.txtDistanceToolBar, ui.horizontalSpacer});
}

void retranslateUi(Ui_RoutePointsScreenClass &ui, QWidget *)
{
    ui.txtStatus_3->setContent(QCoreApplication::translate("RoutePointsScreenClass", "Points"));
}

Form<Ui_RoutePointsScreenClass, setupUi, retranslateUi> formRoutePointsScreenClass;

} // namespace

FormLayout &RoutePointsScreenClass()
{
    return formRoutePointsScreenClass;
}

} // namespace quarn::forms
