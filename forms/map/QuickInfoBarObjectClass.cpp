#include "forms/map/QuickInfoBarObjectClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuickInfoBarObjectClass &ui, QWidget *root)
{
    quickInfoBarRoot(root, "QuickInfoBarObjectClass");

    make(ui.btnNewWpt, root, "btnNewWpt").at(0, 0, 240, 65);
    make(ui.txtBearing, ui.btnNewWpt, "txtBearing")
        .at(9, 29, 80, 20)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDimDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDimDisabledText))
        .smallCaption();
    make(ui.txtDistance, ui.btnNewWpt, "txtDistance")
        .at(9, 8, 121, 16)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDimDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDimDisabledText))
        .popupCoordinates();
    make(ui.layoutWidget, ui.btnNewWpt, "layoutWidget").at(6, 33, 163, 19);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    coordinateReadOut(ui.txtLatitude, ui.layoutWidget, "txtLatitude")
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDimDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDimDisabledText))
        .popupCoordinates();
    coordinateReadOut(ui.txtLongitude, ui.layoutWidget, "txtLongitude")
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDimDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDimDisabledText))
        .popupCoordinates();
    make(ui.txtCoordZ, ui.layoutWidget, "txtCoordZ")
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDimDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDimDisabledText))
        .popupCoordinates();
    valueReadOut(ui.txtElevation, ui.layoutWidget, "txtElevation")
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDimDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDimDisabledText))
        .popupCoordinates()
        .content("+100 m");
    directionIndicator(ui.statDirection, ui.btnNewWpt, 200, 10);

    addMembers(ui.horizontalLayout, {ui.txtLatitude, ui.txtLongitude, ui.txtCoordZ, ui.txtElevation});
}

void retranslateUi(Ui_QuickInfoBarObjectClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("QuickInfoBarObjectClass", ""));
}

Form<Ui_QuickInfoBarObjectClass, setupUi, retranslateUi> formQuickInfoBarObjectClass;

} // namespace

FormLayout &QuickInfoBarObjectClass()
{
    return formQuickInfoBarObjectClass;
}

} // namespace quarn::forms
