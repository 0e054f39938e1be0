#include "forms/map/PointOnMapPopUpClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_PointOnMapPopUpClass &ui, QWidget *root)
{
    mapBubbleRoot(root, "PointOnMapPopUpClass", 114, 96);

    make(ui.txtDistance, root, "txtDistance").at(10, 30, 91, 16).smallCaption().content("Distance");
    make(ui.txtElevation, root, "txtElevation").at(10, 10, 91, 16).smallCaption().content("Elevation");
    make(ui.txtBearing, root, "txtBearing").at(110, 30, 90, 16).smallCaption().content("Bearing");
    make(ui.txtLatitude, root, "txtLatitude").at(10, 30, 159, 16).popupCoordinates();
    make(ui.txtLongitude, root, "txtLongitude").at(100, 30, 80, 16).popupCoordinates();
    make(ui.txtCoordZ, root, "txtCoordZ").at(110, 10, 91, 16).smallCaption().content("Z");
    directionIndicator(ui.statDirection, root, 140, 30);
    make(ui.btnSave, root, "btnSave").at(172, 16, 48, 48).normal(":/Icons/i_Save.mif");
}

void retranslateUi(Ui_PointOnMapPopUpClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("PointOnMapPopUpClass", ""));
}

Form<Ui_PointOnMapPopUpClass, setupUi, retranslateUi> formPointOnMapPopUpClass;

} // namespace

FormLayout &PointOnMapPopUpClass()
{
    return formPointOnMapPopUpClass;
}

} // namespace quarn::forms
