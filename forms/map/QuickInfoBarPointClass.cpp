#include "forms/map/QuickInfoBarPointClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuickInfoBarPointClass &ui, QWidget *root)
{
    quickInfoBarRoot(root, "QuickInfoBarPointClass");

    make(ui.txtDistance, root, "txtDistance")
        .at(10, 37, 91, 16)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("Distance");
    make(ui.btnSave, root, "btnSave").at(199, 31, 32, 32).normal(":/Icons/i_MenuIcon_Save.mif");
    make(ui.txtElevation, root, "txtElevation")
        .at(10, 10, 91, 16)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("Elevation");
    make(ui.txtBearing, root, "txtBearing")
        .at(110, 37, 90, 16)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .pixelSize(12)
        .content("Bearing");
    make(ui.txtLatitude, root, "txtLatitude").at(10, 37, 159, 16).quickInfoText().content("");
    make(ui.txtLongitude, root, "txtLongitude").at(100, 37, 80, 16).quickInfoText().content("");
    make(ui.txtCoordZ, root, "txtCoordZ")
        .at(110, 10, 91, 16)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("Z");
    directionIndicator(ui.statDirection, root, 140, 37);

    ui.txtDistance->raise();
    ui.txtElevation->raise();
    ui.txtBearing->raise();
    ui.txtLatitude->raise();
    ui.txtLongitude->raise();
    ui.txtCoordZ->raise();
    ui.statDirection->raise();
    ui.btnSave->raise();
}

void retranslateUi(Ui_QuickInfoBarPointClass &, QWidget *root)
{
    root->setProperty("windowTitle", QCoreApplication::translate("QuickInfoBarPointClass", ""));
}

Form<Ui_QuickInfoBarPointClass, setupUi, retranslateUi> formQuickInfoBarPointClass;

} // namespace

FormLayout &QuickInfoBarPointClass()
{
    return formQuickInfoBarPointClass;
}

} // namespace quarn::forms
