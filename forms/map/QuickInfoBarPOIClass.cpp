#include "forms/map/QuickInfoBarPOIClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuickInfoBarPOIClass &ui, QWidget *root)
{
    quickInfoBarRoot(root, "QuickInfoBarPOIClass");

    make(ui.txtName, root, "txtName")
        .at(10, 10, 181, 16)
        .palette(whiteTextDimDisabled())
        .caption()
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 240, 65);
    directionIndicator(ui.statDirection, root, 200, 10);
    make(ui.layoutWidget, root, "layoutWidget").at(11, 34, 167, 18);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    coordinateReadOut(ui.txtLatitude, ui.layoutWidget, "txtLatitude").quickInfoText().content("lat");
    valueReadOut(ui.txtDistance, ui.layoutWidget, "txtDistance").quickInfoText().content("100 mi");
    coordinateReadOut(ui.txtLongitude, ui.layoutWidget, "txtLongitude")
        .quickInfoText()
        .content("lon")
        .textBoxNumber(TextBoxNumber::FunctionCaption)
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    valueReadOut(ui.txtBearing, ui.layoutWidget, "txtBearing").quickInfoText().content("30*");
    valueReadOut(ui.txtElevation, ui.layoutWidget, "txtElevation").quickInfoText().content("+100 m");
    make(ui.txtCoordZ, ui.layoutWidget, "txtCoordZ").quickInfoText();

    addMembers(ui.horizontalLayout,
               {ui.txtLatitude, ui.txtDistance, ui.txtLongitude, ui.txtBearing, ui.txtElevation, ui.txtCoordZ});
}

void retranslateUi(Ui_QuickInfoBarPOIClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("QuickInfoBarPOIClass", ""));
}

Form<Ui_QuickInfoBarPOIClass, setupUi, retranslateUi> formQuickInfoBarPOIClass;

} // namespace

FormLayout &QuickInfoBarPOIClass()
{
    return formQuickInfoBarPOIClass;
}

} // namespace quarn::forms
