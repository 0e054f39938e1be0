#include "forms/geocaching/GeocachePicturesScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocachePicturesScreenClass &ui, QWidget *root)
{
    Root(root, "GeocachePicturesScreenClass").size(240, 400);

    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 7, 60, 43).font(aaFont()).contextMenuButton();
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.btnMap, ui.statusBar, "btnMap").at(60, 7, 60, 43).mapPreviewButton();
    make(ui.btnGo, ui.statusBar, "btnGo").at(120, 7, 60, 43).goButton();
}

void retranslateUi(Ui_GeocachePicturesScreenClass &, QWidget *)
{
}

Form<Ui_GeocachePicturesScreenClass, setupUi, retranslateUi> formGeocachePicturesScreenClass;

} // namespace

FormLayout &GeocachePicturesScreenClass()
{
    return formGeocachePicturesScreenClass;
}

} // namespace quarn::forms
