#include "forms/tracks_routes/RouteListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteListScreenClass &ui, QWidget *root)
{
    Root(root, "RouteListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.ScrollButtonsWidget, ui.statusBar, "ScrollButtonsWidget").at(60, 10, 120, 35);
    make(ui.lvRoutes, root, "lvRoutes").at(0, 70, 240, 280);
    make(ui.titleButton, root, "titleButton")
        .at(5, 26, 230, 42)
        .normal(":/Bkgd/bkgd_TitleArea.mif")
        .pressed(":/Bkgd/bkgd_TitleArea_h.mif")
        .focused(":/Bkgd/bkgd_TitleArea_f.mif");
    make(ui.backing, ui.titleButton, "backing").at(0, 0, 230, 42);
    make(ui.txtWaypoints, ui.backing, "txtWaypoints").at(38, 2, 131, 20).font(boldAA()).pixelSize(17);
    make(ui.txtNumOfCaches, ui.backing, "txtNumOfCaches")
        .at(188, 20, 35, 20)
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOnOfThree);
    make(ui.txtFilter, ui.backing, "txtFilter")
        .at(38, 20, 151, 20)
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOnOfThree);
    make(ui.txtCurPage, ui.backing, "txtCurPage")
        .at(170, 2, 53, 16)
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0/0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.icon, ui.backing, "icon").at(0, 2, 38, 38).image(":/Icons/i_Routes.mif");
}

void retranslateUi(Ui_RouteListScreenClass &ui, QWidget *)
{
    ui.txtWaypoints->setContent(QCoreApplication::translate("RouteListScreenClass", "Routes"));
    //: Sample content, replaced by the host at run time.
    ui.txtFilter->setContent(QCoreApplication::translate("RouteListScreenClass", "Filter will be here..."));
}

Form<Ui_RouteListScreenClass, setupUi, retranslateUi> formRouteListScreenClass;

} // namespace

FormLayout &RouteListScreenClass()
{
    return formRouteListScreenClass;
}

} // namespace quarn::forms
