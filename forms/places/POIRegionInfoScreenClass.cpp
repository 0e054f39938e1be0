#include "forms/places/POIRegionInfoScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIRegionInfoScreenClass &ui, QWidget *root)
{
    Root(root, "POIRegionInfoScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
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
