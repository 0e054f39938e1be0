#include "forms/map/QuickInfoBarWaypointClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuickInfoBarWaypointClass &ui, QWidget *root)
{
    quickInfoBarRoot(root, "QuickInfoBarWaypointClass").sizeValue("IconSize", 38, 38);

    make(ui.txtName, root, "txtName")
        .at(50, 10, 141, 16)
        .palette(whiteTextDimDisabled())
        .caption()
        .textFormat(Qt::RichText)
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconObj, root, "iconObj").at(3, 10, 38, 38).image(":/Icons/i_WayPoints.mif");
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 240, 65);
    directionIndicator(ui.statDirection, root, 200, 10);
    make(ui.layoutWidget, root, "layoutWidget").at(44, 35, 158, 18);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    coordinateReadOut(ui.txtLatitude, ui.layoutWidget, "txtLatitude").quickInfoText().content("lat");
    valueReadOut(ui.txtDistance, ui.layoutWidget, "txtDistance").quickInfoText().content("100 mi");
    coordinateReadOut(ui.txtLongitude, ui.layoutWidget, "txtLongitude").quickInfoText().content("lon");
    valueReadOut(ui.txtBearing, ui.layoutWidget, "txtBearing").quickInfoText().content("30*");
    make(ui.txtCoordZ, ui.layoutWidget, "txtCoordZ").quickInfoText();
    valueReadOut(ui.txtElevation, ui.layoutWidget, "txtElevation").quickInfoText().content("+100 m");
    make(ui.favoriteIcon, root, "favoriteIcon").at(29, 4, 20, 20).maxSize(38, 38).image(":/Icons/i_Favorite.mif");
    make(ui.mediaIcon, root, "mediaIcon").at(20, 40, 20, 20).maxSize(38, 38).image(":/Icons/i_MediaAttached.mif");

    addMembers(ui.horizontalLayout,
               {ui.txtLatitude, ui.txtDistance, ui.txtLongitude, ui.txtBearing, ui.txtCoordZ, ui.txtElevation});
}

void retranslateUi(Ui_QuickInfoBarWaypointClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("QuickInfoBarWaypointClass", ""));
}

Form<Ui_QuickInfoBarWaypointClass, setupUi, retranslateUi> formQuickInfoBarWaypointClass;

} // namespace

FormLayout &QuickInfoBarWaypointClass()
{
    return formQuickInfoBarWaypointClass;
}

} // namespace quarn::forms
