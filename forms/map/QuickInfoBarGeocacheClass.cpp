#include "forms/map/QuickInfoBarGeocacheClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuickInfoBarGeocacheClass &ui, QWidget *root)
{
    quickInfoBarRoot(root, "QuickInfoBarGeocacheClass").sizeValue("IconSize", 38, 38);

    make(ui.txtName, root, "txtName")
        .at(55, 6, 141, 16)
        .palette(whiteTextDimDisabled())
        .caption()
        .textFormat(Qt::RichText)
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconObj, root, "iconObj").at(3, 10, 38, 38).image(":/Icons/i_GeocacheIcons.mif");
    make(ui.txtDiffTerr, root, "txtDiffTerr").at(63, 26, 54, 16).quickInfoText();
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 200, 65);
    geocacheStatusIndicator(ui.iconStatus, root, 34, 6);
    geocacheSizeIndicator(ui.iconSize, root, 119, 27);
    directionIndicator(ui.statDirection, root, 200, 10);
    make(ui.iconBug, root, "iconBug").at(2, 46, 11, 16).image(":/Icons/i_HasTrackables.mif");
    make(ui.iconBookmark, root, "iconBookmark").at(32, 45, 16, 16).image(":/Icons/i_Geocache_Favorites.mif");
    make(ui.iconPicture, root, "iconPicture").at(15, 42, 20, 20).image(":/Icons/i_MediaAttached.mif");
    make(ui.layoutWidget, root, "layoutWidget").at(47, 45, 178, 18);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    coordinateReadOut(ui.txtLatitude, ui.layoutWidget, "txtLatitude").quickInfoText().content("lat");
    valueReadOut(ui.txtDistance, ui.layoutWidget, "txtDistance").quickInfoText().content("100 mi");
    coordinateReadOut(ui.txtLongitude, ui.layoutWidget, "txtLongitude").quickInfoText().content("lon");
    valueReadOut(ui.txtBearing, ui.layoutWidget, "txtBearing").quickInfoText().content("30*");
    valueReadOut(ui.txtElevation, ui.layoutWidget, "txtElevation").quickInfoText().content("+100 m");
    make(ui.txtCoordZ, ui.layoutWidget, "txtCoordZ").quickInfoText();

    addMembers(ui.horizontalLayout,
               {ui.txtLatitude, ui.txtDistance, ui.txtLongitude, ui.txtBearing, ui.txtElevation, ui.txtCoordZ});
}

void retranslateUi(Ui_QuickInfoBarGeocacheClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("QuickInfoBarGeocacheClass", ""));
    //: Sample content, replaced by the host at run time.
    ui.txtDiffTerr->setContent(QCoreApplication::translate("QuickInfoBarGeocacheClass", "(Dif/Terr)"));
}

Form<Ui_QuickInfoBarGeocacheClass, setupUi, retranslateUi> formQuickInfoBarGeocacheClass;

} // namespace

FormLayout &QuickInfoBarGeocacheClass()
{
    return formQuickInfoBarGeocacheClass;
}

} // namespace quarn::forms
