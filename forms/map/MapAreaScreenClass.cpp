#include "forms/map/MapAreaScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapAreaScreenClass &ui, QWidget *root)
{
    Root(root, "MapAreaScreenClass").size(240, 400).zoomPositions(64, 124);

    mapControl(ui.zelMapControl, root);
    northUpIndicator(ui.NorthUp, ui.zelMapControl, 0, 302);
    scaleBar(ui.widgetScale, ui.zelMapControl, 160, 330);
    scaleBracket(ui.iconScale, ui.widgetScale);
    scaleTextShadow(ui.txtScaleShadow, ui.widgetScale);
    scaleText(ui.txtScale, ui.widgetScale);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    make(ui.infoBkg, ui.zelMapControl, "infoBkg").at(0, 21, 240, 55);
    make(ui.layoutWidget, ui.infoBkg, "layoutWidget").at(2, 0, 237, 27);
    layout(ui.horizontalLayout1, ui.layoutWidget, "horizontalLayout1").spacing(4);
    make(ui.txtArea, ui.layoutWidget, "txtArea").palette(whiteTextOnClear()).scaledContents().pixelSize(18);
    make(ui.txtAreaValue, ui.layoutWidget, "txtAreaValue")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .palette(whiteTextOnClear())
        .scaledContents()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(18)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.layoutWidget_2, ui.infoBkg, "layoutWidget_2").at(2, 22, 237, 27);
    layout(ui.horizontalLayout2, ui.layoutWidget_2, "horizontalLayout2").spacing(4);
    make(ui.txtPerimeter, ui.layoutWidget_2, "txtPerimeter").palette(whiteTextOnClear()).scaledContents().pixelSize(18);
    make(ui.txtPerimeterValue, ui.layoutWidget_2, "txtPerimeterValue")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .palette(whiteTextOnClear())
        .scaledContents()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(18)
        .textBoxFlags(TextBoxFlags::FirstOn);
    mapBottomPanel(ui.panelBottom, root, 0, 346, 240, 54);
    mapBackButton(ui.btnBack, root, 0, 348, 90, 52);
    mapContextMenuButton(ui.btnContextMenu, root, 150, 348, 90, 51);

    addMembers(ui.horizontalLayout1, {ui.txtArea, ui.txtAreaValue});
    addMembers(ui.horizontalLayout2, {ui.txtPerimeter, ui.txtPerimeterValue});
}

void retranslateUi(Ui_MapAreaScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapAreaScreenClass", ""));
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.infoBkg->setStyleSheet(
        QCoreApplication::translate("MapAreaScreenClass",
                                    "background-color: qlineargradient(spread:pad, x1:0.5, y1:0.8, x2:0.5, y2:1, "
                                    "stop:0 rgba(0, 0, 0, 180), stop:1 rgba(0,0,0, 0));"));
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.txtArea->setStyleSheet(QCoreApplication::translate("MapAreaScreenClass", "background-color: rgba(0, 0, 0, 0);"));
    ui.txtArea->setContent(QCoreApplication::translate("MapAreaScreenClass", "Area"));
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.txtAreaValue->setStyleSheet(
        QCoreApplication::translate("MapAreaScreenClass", "background-color: rgba(0, 0, 0, 0);"));
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.txtPerimeter->setStyleSheet(
        QCoreApplication::translate("MapAreaScreenClass", "background-color: rgba(0, 0, 0, 0);"));
    ui.txtPerimeter->setContent(QCoreApplication::translate("MapAreaScreenClass", "Perimeter"));
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.txtPerimeterValue->setStyleSheet(
        QCoreApplication::translate("MapAreaScreenClass", "background-color: rgba(0, 0, 0, 0);"));
}

Form<Ui_MapAreaScreenClass, setupUi, retranslateUi> formMapAreaScreenClass;

} // namespace

FormLayout &MapAreaScreenClass()
{
    return formMapAreaScreenClass;
}

} // namespace quarn::forms
