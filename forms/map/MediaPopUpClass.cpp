#include "forms/map/MediaPopUpClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaPopUpClass &ui, QWidget *root)
{
    mapBubbleRoot(root, "MediaPopUpClass", 114, 67).sizeValue("IconSize", 38, 38);

    make(ui.btnGo, root, "btnGo").at(170, 0, 47, 56).normal(":/Icons/i_Go_Map.mif");
    make(ui.txtName, root, "txtName")
        .at(43, 10, 110, 16)
        .smallCaption()
        .textFormat(Qt::RichText)
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconObj, root, "iconObj").at(3, 10, 38, 38).image(":/Icons/i_function_stillCamera.mif");
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 171, 51);
    directionIndicator(ui.statDirection, root, 150, 10);
    make(ui.layoutWidget, root, "layoutWidget").at(34, 35, 158, 18);
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

void retranslateUi(Ui_MediaPopUpClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MediaPopUpClass", ""));
}

Form<Ui_MediaPopUpClass, setupUi, retranslateUi> formMediaPopUpClass;

} // namespace

FormLayout &MediaPopUpClass()
{
    return formMediaPopUpClass;
}

} // namespace quarn::forms
