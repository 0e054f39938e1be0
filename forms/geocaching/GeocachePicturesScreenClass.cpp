#include "forms/geocaching/GeocachePicturesScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocachePicturesScreenClass &ui, QWidget *root)
{
    Root(root, "GeocachePicturesScreenClass").size(240, 400);

    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
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
