#include "forms/map/QuickInfoBarMediaClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuickInfoBarMediaClass &ui, QWidget *root)
{
    quickInfoBarRoot(root, "QuickInfoBarMediaClass").sizeValue("IconSize", 38, 38);

    make(ui.txtName, root, "txtName")
        .at(50, 10, 141, 16)
        .palette(whiteTextDimDisabled())
        .caption()
        .textFormat(Qt::RichText)
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconObj, root, "iconObj").at(3, 10, 38, 38).image(":/Icons/i_function_stillCamera.mif");
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 240, 65);
    directionIndicator(ui.statDirection, root, 200, 10);
    make(ui.layoutWidget, root, "layoutWidget").at(45, 35, 158, 18);
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

void retranslateUi(Ui_QuickInfoBarMediaClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("QuickInfoBarMediaClass", ""));
}

Form<Ui_QuickInfoBarMediaClass, setupUi, retranslateUi> formQuickInfoBarMediaClass;

} // namespace

FormLayout &QuickInfoBarMediaClass()
{
    return formQuickInfoBarMediaClass;
}

} // namespace quarn::forms
