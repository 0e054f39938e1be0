#include "forms/map/ObjectQuickInfoPopUpClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ObjectQuickInfoPopUpClass &ui, QWidget *root)
{
    mapBubbleRoot(root, "ObjectQuickInfoPopUpClass", 114, 96);

    make(ui.btnGo, root, "btnGo").at(170, 0, 47, 56).normal(":/Icons/i_Go_Map.mif");
    make(ui.btnNewWpt, root, "btnNewWpt").at(0, 0, 170, 55).shiftOnPress(0, 0);
    make(ui.txtBearing, ui.btnNewWpt, "txtBearing").at(9, 29, 80, 20).font(boldAA()).pixelSize(12).content("");
    make(ui.txtDistance, ui.btnNewWpt, "txtDistance")
        .at(9, 8, 121, 16)
        .font(boldAA())
        .scaledContents()
        .pixelSize(12)
        .content("");
    make(ui.layoutWidget, ui.btnNewWpt, "layoutWidget").at(6, 33, 163, 19);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    coordinateReadOut(ui.txtLatitude, ui.layoutWidget, "txtLatitude")
        .font(boldAA())
        .scaledContents()
        .pixelSize(12)
        .content("");
    coordinateReadOut(ui.txtLongitude, ui.layoutWidget, "txtLongitude")
        .font(boldAA())
        .scaledContents()
        .pixelSize(12)
        .content("");
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
    directionIndicator(ui.statDirection, ui.btnNewWpt, 139, 8);

    addMembers(ui.horizontalLayout, {ui.txtLatitude, ui.txtLongitude, ui.txtCoordZ, ui.txtElevation});
}

void retranslateUi(Ui_ObjectQuickInfoPopUpClass &, QWidget *root)
{
    root->setProperty("windowTitle", QCoreApplication::translate("ObjectQuickInfoPopUpClass", ""));
}

Form<Ui_ObjectQuickInfoPopUpClass, setupUi, retranslateUi> formObjectQuickInfoPopUpClass;

} // namespace

FormLayout &ObjectQuickInfoPopUpClass()
{
    return formObjectQuickInfoPopUpClass;
}

} // namespace quarn::forms
