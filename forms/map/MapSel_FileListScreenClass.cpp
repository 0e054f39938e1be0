#include "forms/map/MapSel_FileListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapSel_FileListScreenClass &ui, QWidget *root)
{
    Root(root, "MapSel_FileListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.backing, root, "backing").at(0, 66, 240, 290);
    make(ui.listMapFiles, ui.backing, "listMapFiles")
        .at(0, 5, 240, 280)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    make(ui.btnListHeader, root, "btnListHeader").at(0, 21, 240, 46).normal(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.icon, ui.btnListHeader, "icon").at(2, 3, 38, 38).image(":/Icons/i_Maps.mif");
    make(ui.txtLabel, ui.btnListHeader, "txtLabel")
        .at(50, 12, 181, 20)
        .palette(whiteButtonText())
        .font(boldAA())
        .pixelSize(16);
}

void retranslateUi(Ui_MapSel_FileListScreenClass &ui, QWidget *)
{
    ui.txtLabel->setContent(QCoreApplication::translate("MapSel_FileListScreenClass", "Maps"));
}

Form<Ui_MapSel_FileListScreenClass, setupUi, retranslateUi> formMapSel_FileListScreenClass;

} // namespace

FormLayout &MapSel_FileListScreenClass()
{
    return formMapSel_FileListScreenClass;
}

} // namespace quarn::forms
