#include "forms/map/TrackPopUpClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackPopUpClass &ui, QWidget *root)
{
    mapBubbleRoot(root, "TrackPopUpClass", 114, 67).sizeValue("IconSize", 38, 38);

    make(ui.btnGo, root, "btnGo").at(170, 0, 47, 56).normal(":/Icons/i_Go_Map.mif");
    make(ui.txtName, root, "txtName")
        .at(43, 3, 110, 16)
        .smallCaption()
        .textFormat(Qt::RichText)
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconObj, root, "iconObj").at(3, 10, 38, 38).image(":/Icons/i_track_icon.mif");
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 171, 51);
    directionIndicator(ui.statDirection, root, 150, 10);
    make(ui.layoutWidget, root, "layoutWidget").at(40, 35, 158, 18);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    coordinateReadOut(ui.txtLatitude, ui.layoutWidget, "txtLatitude").popupCoordinates().content("lat");
    valueReadOut(ui.txtDistance, ui.layoutWidget, "txtDistance").popupCoordinates().content("100 mi");
    coordinateReadOut(ui.txtLongitude, ui.layoutWidget, "txtLongitude").popupCoordinates().content("lon");
    valueReadOut(ui.txtBearing, ui.layoutWidget, "txtBearing").popupCoordinates().content("30*");
    make(ui.txtCoordZ, ui.layoutWidget, "txtCoordZ").popupCoordinates();
    valueReadOut(ui.txtElevation, ui.layoutWidget, "txtElevation").popupCoordinates().content("+100 m");
    make(ui.favoriteIcon, root, "favoriteIcon").at(24, 4, 20, 20).maxSize(38, 38).image(":/Icons/i_Favorite.mif");
    make(ui.mediaIcon, root, "mediaIcon").at(20, 32, 20, 20).maxSize(38, 38).image(":/Icons/i_MediaAttached.mif");
    make(ui.txtLength, root, "txtLength").at(48, 19, 80, 20).listItemDetail().content("Length");

    addMembers(ui.horizontalLayout,
               {ui.txtLatitude, ui.txtDistance, ui.txtLongitude, ui.txtBearing, ui.txtCoordZ, ui.txtElevation});
}

void retranslateUi(Ui_TrackPopUpClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("TrackPopUpClass", ""));
}

Form<Ui_TrackPopUpClass, setupUi, retranslateUi> formTrackPopUpClass;

} // namespace

FormLayout &TrackPopUpClass()
{
    return formTrackPopUpClass;
}

} // namespace quarn::forms
