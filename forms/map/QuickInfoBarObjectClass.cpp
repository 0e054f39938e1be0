#include "forms/map/QuickInfoBarObjectClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

// The read-outs lie on the new-waypoint button, so its text role is white too.
const Colours kReadOutText = whiteTextDimDisabled().role(QPalette::ButtonText, kWhite, kDimDisabledText);

void setupUi(Ui_QuickInfoBarObjectClass &ui, QWidget *root)
{
    quickInfoBarRoot(root, "QuickInfoBarObjectClass");

    make(ui.btnNewWpt, root, "btnNewWpt").at(0, 0, 240, 65).shiftOnPress(0, 0);
    make(ui.txtBearing, ui.btnNewWpt, "txtBearing")
        .at(9, 29, 80, 20)
        .palette(kReadOutText)
        .font(boldAA())
        .pixelSize(12)
        .content("");
    make(ui.txtDistance, ui.btnNewWpt, "txtDistance")
        .at(9, 8, 121, 16)
        .palette(kReadOutText)
        .font(boldAA())
        .scaledContents()
        .pixelSize(12)
        .content("");
    make(ui.layoutWidget, ui.btnNewWpt, "layoutWidget").at(6, 33, 163, 19);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    coordinateReadOut(ui.txtLatitude, ui.layoutWidget, "txtLatitude")
        .palette(kReadOutText)
        .font(boldAA())
        .scaledContents()
        .pixelSize(12)
        .content("");
    coordinateReadOut(ui.txtLongitude, ui.layoutWidget, "txtLongitude")
        .palette(kReadOutText)
        .font(boldAA())
        .scaledContents()
        .pixelSize(12)
        .content("");
    make(ui.txtCoordZ, ui.layoutWidget, "txtCoordZ")
        .palette(kReadOutText)
        .font(boldAA())
        .scaledContents()
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("");
    valueReadOut(ui.txtElevation, ui.layoutWidget, "txtElevation")
        .palette(kReadOutText)
        .font(boldAA())
        .scaledContents()
        .alignment(align::LeftVCentre)
        .pixelSize(12)
        .content("+100 m");
    directionIndicator(ui.statDirection, ui.btnNewWpt, 200, 10);

    addMembers(ui.horizontalLayout, {ui.txtLatitude, ui.txtLongitude, ui.txtCoordZ, ui.txtElevation});
}

void retranslateUi(Ui_QuickInfoBarObjectClass &, QWidget *root)
{
    root->setProperty("windowTitle", QCoreApplication::translate("QuickInfoBarObjectClass", ""));
}

Form<Ui_QuickInfoBarObjectClass, setupUi, retranslateUi> formQuickInfoBarObjectClass;

} // namespace

FormLayout &QuickInfoBarObjectClass()
{
    return formQuickInfoBarObjectClass;
}

} // namespace quarn::forms
