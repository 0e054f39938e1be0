#include "forms/map/POIPopUpClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIPopUpClass &ui, QWidget *root)
{
    Root(root, "POIPopUpClass")
        .size(222, 75)
        .minimumSize(222, 75)
        .image("image", ":/Bkgd/bkgd_map_Bubble.mif")
        .point("Offset", 114, 67);

    make(ui.txtName, root, "txtName").at(10, 10, 130, 16).smallCaption().textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnGo, root, "btnGo").at(160, 0, 57, 57).minSize(29, 30).normal(":/Icons/i_Go_Map.mif");
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 147, 58);
    make(ui.statDirection, root, "statDirection").at(140, 10, 25, 22).statusImages(paneDirectionImages());
    make(ui.layoutWidget, root, "layoutWidget").at(11, 34, 167, 18);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    make(ui.txtLatitude, ui.layoutWidget, "txtLatitude")
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed)
        .popupCoordinates()
        .content("lat");
    make(ui.txtDistance, ui.layoutWidget, "txtDistance")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed)
        .popupCoordinates()
        .content("100 mi");
    make(ui.txtLongitude, ui.layoutWidget, "txtLongitude")
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed)
        .popupCoordinates()
        .content("lon");
    make(ui.txtBearing, ui.layoutWidget, "txtBearing")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed)
        .popupCoordinates()
        .content("30*");
    make(ui.txtElevation, ui.layoutWidget, "txtElevation")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed)
        .popupCoordinates()
        .content("+100 m");
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
