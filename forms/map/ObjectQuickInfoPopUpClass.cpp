#include "forms/map/ObjectQuickInfoPopUpClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ObjectQuickInfoPopUpClass &ui, QWidget *root)
{
    mapBubbleRoot(root, "ObjectQuickInfoPopUpClass", 114, 96);

    make(ui.btnGo, root, "btnGo").at(170, 0, 47, 56).normal(":/Icons/i_Go_Map.mif");
    make(ui.btnNewWpt, root, "btnNewWpt").at(0, 0, 170, 55);
    make(ui.txtBearing, ui.btnNewWpt, "txtBearing").at(9, 29, 80, 20).smallCaption();
    make(ui.txtDistance, ui.btnNewWpt, "txtDistance").at(9, 8, 121, 16).popupCoordinates();
    make(ui.layoutWidget, ui.btnNewWpt, "layoutWidget").at(6, 33, 163, 19);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").spacing(4);
    coordinateReadOut(ui.txtLatitude, ui.layoutWidget, "txtLatitude").popupCoordinates();
    coordinateReadOut(ui.txtLongitude, ui.layoutWidget, "txtLongitude").popupCoordinates();
    make(ui.txtCoordZ, ui.layoutWidget, "txtCoordZ").popupCoordinates();
    valueReadOut(ui.txtElevation, ui.layoutWidget, "txtElevation").popupCoordinates().content("+100 m");
    directionIndicator(ui.statDirection, ui.btnNewWpt, 139, 8);

    addMembers(ui.horizontalLayout, {ui.txtLatitude, ui.txtLongitude, ui.txtCoordZ, ui.txtElevation});
}

void retranslateUi(Ui_ObjectQuickInfoPopUpClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("ObjectQuickInfoPopUpClass", ""));
}

Form<Ui_ObjectQuickInfoPopUpClass, setupUi, retranslateUi> formObjectQuickInfoPopUpClass;

} // namespace

FormLayout &ObjectQuickInfoPopUpClass()
{
    return formObjectQuickInfoPopUpClass;
}

} // namespace quarn::forms
