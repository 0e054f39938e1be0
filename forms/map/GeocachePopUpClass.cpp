#include "forms/map/GeocachePopUpClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocachePopUpClass &ui, QWidget *root)
{
    mapBubbleRoot(root, "GeocachePopUpClass", 114, 67).sizeValue("IconSize", 38, 38);

    make(ui.btnGo, root, "btnGo").at(170, 0, 47, 56).normal(":/Icons/i_Go_Map.mif");
    make(ui.txtName, root, "txtName")
        .at(42, 3, 110, 16)
        .smallCaption()
        .textFormat(Qt::RichText)
        .content("Object Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    titleIcon(ui.iconObj, root, "iconObj", ":/Icons/i_GeocacheIcons.mif");
    make(ui.txtDiffTerr, root, "txtDiffTerr").at(48, 20, 54, 16).popupCoordinates();
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 151, 61);
    geocacheStatusIndicator(ui.iconStatus, root, 26, 6);
    geocacheSizeIndicator(ui.iconSize, root, 104, 21);
    directionIndicator(ui.statDirection, root, 150, 6);
    make(ui.iconBug, root, "iconBug").at(2, 32, 11, 16).image(":/Icons/i_HasTrackables.mif");
    make(ui.iconBookmark, root, "iconBookmark").at(32, 25, 16, 16).image(":/Icons/i_Geocache_Favorites.mif");
    make(ui.iconPicture, root, "iconPicture").at(15, 28, 20, 20).image(":/Icons/i_MediaAttached.mif");
    make(ui.layoutWidget, root, "layoutWidget").at(33, 37, 178, 18);
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

void retranslateUi(Ui_GeocachePopUpClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("GeocachePopUpClass", ""));
    //: Sample content, replaced by the host at run time.
    ui.txtDiffTerr->setContent(QCoreApplication::translate("GeocachePopUpClass", "(Dif/Terr)"));
}

Form<Ui_GeocachePopUpClass, setupUi, retranslateUi> formGeocachePopUpClass;

} // namespace

FormLayout &GeocachePopUpClass()
{
    return formGeocachePopUpClass;
}

} // namespace quarn::forms
