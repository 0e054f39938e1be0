#include "forms/places/POIRegionInfoScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIRegionInfoScreenClass &ui, QWidget *root)
{
    Root(root, "POIRegionInfoScreenClass").size(240, 400);

    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
    make(ui.backing, root, "backing").at(0, 66, 240, 290);
    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 48);
    make(ui.txtRegions, root, "txtRegions").at(5, 70, 230, 280).sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void retranslateUi(Ui_POIRegionInfoScreenClass &, QWidget *)
{
}

Form<Ui_POIRegionInfoScreenClass, setupUi, retranslateUi> formPOIRegionInfoScreenClass;

} // namespace

FormLayout &POIRegionInfoScreenClass()
{
    return formPOIRegionInfoScreenClass;
}

} // namespace quarn::forms
