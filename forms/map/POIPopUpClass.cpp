#include "forms/map/POIPopUpClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIPopUpClass &ui, QWidget *root)
{
    mapBubbleRoot(root, "POIPopUpClass", 114, 67);

    make(ui.txtName, root, "txtName").at(10, 10, 130, 16).smallCaption().textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnGo, root, "btnGo").at(160, 0, 57, 57).minSize(29, 30).normal(":/Icons/i_Go_Map.mif");
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 147, 58);
    directionIndicator(ui.statDirection, root, 140, 10);
    make(ui.layoutWidget, root, "layoutWidget").at(11, 34, 167, 18);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    coordinateReadOut(ui.txtLatitude, ui.layoutWidget, "txtLatitude").popupCoordinates().content("lat");
    valueReadOut(ui.txtDistance, ui.layoutWidget, "txtDistance").popupCoordinates().content("100 mi");
    coordinateReadOut(ui.txtLongitude, ui.layoutWidget, "txtLongitude").popupCoordinates().content("lon");
    valueReadOut(ui.txtBearing, ui.layoutWidget, "txtBearing").popupCoordinates().content("30*");
    valueReadOut(ui.txtElevation, ui.layoutWidget, "txtElevation").popupCoordinates().content("+100 m");
    make(ui.txtCoordZ, ui.layoutWidget, "txtCoordZ").popupCoordinates();

    addMembers(ui.horizontalLayout,
               {ui.txtLatitude, ui.txtDistance, ui.txtLongitude, ui.txtBearing, ui.txtElevation, ui.txtCoordZ});
}

void retranslateUi(Ui_POIPopUpClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("POIPopUpClass", ""));
}

Form<Ui_POIPopUpClass, setupUi, retranslateUi> formPOIPopUpClass;

} // namespace

FormLayout &POIPopUpClass()
{
    return formPOIPopUpClass;
}

} // namespace quarn::forms
