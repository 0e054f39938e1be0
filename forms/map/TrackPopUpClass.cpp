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
        .font(boldAA())
        .richText()
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("Name");
    make(ui.iconObj, root, "iconObj").at(3, 10, 38, 38).image(":/Icons/i_track_icon.mif");
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 171, 51);
    directionIndicator(ui.statDirection, root, 150, 10);
    make(ui.layoutWidget, root, "layoutWidget").at(40, 35, 158, 18);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    coordinateReadOut(ui.txtLatitude, ui.layoutWidget, "txtLatitude")
        .font(boldAA())
        .scaledContents()
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("lat");
    valueReadOut(ui.txtDistance, ui.layoutWidget, "txtDistance")
        .font(boldAA())
        .scaledContents()
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("100 mi");
    coordinateReadOut(ui.txtLongitude, ui.layoutWidget, "txtLongitude")
        .font(boldAA())
        .scaledContents()
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("lon");
    valueReadOut(ui.txtBearing, ui.layoutWidget, "txtBearing")
        .font(boldAA())
        .scaledContents()
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("30*");
    make(ui.txtCoordZ, ui.layoutWidget, "txtCoordZ")
        .font(boldAA())
        .scaledContents()
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("");
    valueReadOut(ui.txtElevation, ui.layoutWidget, "txtElevation")
        .font(boldAA())
        .scaledContents()
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("+100 m");
    make(ui.favoriteIcon, root, "favoriteIcon").at(24, 4, 20, 20).maxSize(38, 38).image(":/Icons/i_Favorite.mif");
    make(ui.mediaIcon, root, "mediaIcon").at(20, 32, 20, 20).maxSize(38, 38).image(":/Icons/i_MediaAttached.mif");
    make(ui.txtLength, root, "txtLength")
        .at(48, 19, 80, 20)
        .minSize(0, 0)
        .font(normalWeightAA())
        .pixelSize(11)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("Length");

    addMembers(ui.horizontalLayout,
               {ui.txtLatitude, ui.txtDistance, ui.txtLongitude, ui.txtBearing, ui.txtCoordZ, ui.txtElevation});
}

void retranslateUi(Ui_TrackPopUpClass &, QWidget *root)
{
    root->setProperty("windowTitle", QCoreApplication::translate("TrackPopUpClass", ""));
}

Form<Ui_TrackPopUpClass, setupUi, retranslateUi> formTrackPopUpClass;

} // namespace

FormLayout &TrackPopUpClass()
{
    return formTrackPopUpClass;
}

} // namespace quarn::forms
