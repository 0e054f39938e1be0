#include "forms/map/QuickInfoBarMediaClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuickInfoBarMediaClass &ui, QWidget *root)
{
    Root(root, "QuickInfoBarMediaClass")
        .size(240, 76)
        .minimumSize(222, 75)
        .image("image", ":/Bkgd/bkgd_QuickInfoBar_3.mif")
        .point("Offset", 0, 20)
        .sizeValue("IconSize", 38, 38);

    make(ui.txtName, root, "txtName")
        .at(50, 10, 141, 16)
        .palette(whiteTextDimDisabled())
        .caption()
        .textFormat(Qt::RichText)
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconObj, root, "iconObj").at(3, 10, 38, 38).image(":/Icons/i_function_stillCamera.mif");
    make(ui.btnDetails, root, "btnDetails").at(0, 0, 240, 65);
    make(ui.statDirection, root, "statDirection").at(200, 10, 25, 22).statusImages(paneDirectionImages());
    make(ui.layoutWidget, root, "layoutWidget").at(45, 35, 158, 18);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    make(ui.txtLatitude, ui.layoutWidget, "txtLatitude")
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed)
        .quickInfoText()
        .content("lat");
    make(ui.txtDistance, ui.layoutWidget, "txtDistance")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed)
        .quickInfoText()
        .content("100 mi");
    make(ui.txtLongitude, ui.layoutWidget, "txtLongitude")
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed)
        .quickInfoText()
        .content("lon");
    make(ui.txtBearing, ui.layoutWidget, "txtBearing")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed)
        .quickInfoText()
        .content("30*");
    make(ui.txtElevation, ui.layoutWidget, "txtElevation")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed)
        .quickInfoText()
        .content("+100 m");
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
