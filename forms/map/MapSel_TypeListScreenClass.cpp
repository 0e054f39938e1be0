#include "forms/map/MapSel_TypeListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapSel_TypeListScreenClass &ui, QWidget *root)
{
    Root(root, "MapSel_TypeListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.backingNoObjects, root, "backingNoObjects").at(10, 140, 220, 32);
    make(ui.txtNoMaps, ui.backingNoObjects, "txtNoMaps").at(0, 0, 220, 32).alignment(Qt::AlignCenter).pixelSize(16);
    make(ui.btnListHeader, root, "btnListHeader").at(0, 21, 240, 46).normal(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.icon, ui.btnListHeader, "icon").at(2, 3, 38, 38).image(":/Icons/i_Maps.mif");
    make(ui.txtLabel, ui.btnListHeader, "txtLabel")
        .at(50, 12, 181, 20)
        .palette(whiteButtonText())
        .font(boldAA())
        .pixelSize(16);
    make(ui.listMapTypes, root, "listMapTypes").at(0, 70, 240, 280).sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void retranslateUi(Ui_MapSel_TypeListScreenClass &ui, QWidget *)
{
    ui.txtNoMaps->setContent(QCoreApplication::translate("MapSel_TypeListScreenClass", "No maps found"));
    ui.txtLabel->setContent(QCoreApplication::translate("MapSel_TypeListScreenClass", "Maps"));
}

Form<Ui_MapSel_TypeListScreenClass, setupUi, retranslateUi> formMapSel_TypeListScreenClass;

} // namespace

FormLayout &MapSel_TypeListScreenClass()
{
    return formMapSel_TypeListScreenClass;
}

} // namespace quarn::forms
