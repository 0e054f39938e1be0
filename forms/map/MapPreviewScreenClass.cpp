#include "forms/map/MapPreviewScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapPreviewScreenClass &ui, QWidget *root)
{
    Root(root, "MapPreviewScreenClass").size(240, 400).zoomPositions(110, 170);

    mapControl(ui.zelMapControl, root);
    make(ui.infoBackground, ui.zelMapControl, "infoBackground")
        .at(0, 21, 240, 38)
        .image(":/Bkgd/bkgd_QuickInfoBar.mif");
    make(ui.txtDistance, ui.infoBackground, "txtDistance")
        .at(25, 2, 76, 30)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .scaledContents()
        .content("7.1 mi")
        .pixelSize(18);
    make(ui.txtAddInfo, ui.infoBackground, "txtAddInfo")
        .at(102, 2, 70, 30)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .scaledContents()
        .alignment(Qt::AlignCenter)
        .content("+1457 ft")
        .pixelSize(18);
    make(ui.destIcon, ui.infoBackground, "destIcon").at(0, 5, 25, 22).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    scaleBar(ui.widgetScale, ui.zelMapControl, 160, 330);
    scaleBracket(ui.iconScale, ui.widgetScale);
    scaleTextShadow(ui.txtScaleShadow, ui.widgetScale);
    scaleText(ui.txtScale, ui.widgetScale);
    northUpIndicator(ui.NorthUp, ui.zelMapControl, 0, 302);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    make(ui.addressBkg, ui.zelMapControl, "addressBkg").at(0, 50, 240, 55);
    make(ui.Name, ui.addressBkg, "Name").at(0, 0, 171, 22).palette(whiteTextOnClear()).scaledContents().pixelSize(18);
    make(ui.Description, ui.addressBkg, "Description")
        .at(0, 22, 171, 22)
        .palette(whiteTextOnClear())
        .scaledContents()
        .pixelSize(18);
    mapBottomPanel(ui.panelBottom, root, 0, 346, 240, 54);
    make(ui.btnRouteOptions, ui.panelBottom, "btnRouteOptions")
        .at(175, 7, 67, 52)
        .focusPolicy(Qt::NoFocus)
        .normal(":/Icons/i_Route Options.mif");
    goButton(ui.btnBigGo, root);
    goText(ui.textBox, ui.btnBigGo);
    mapBackButton(ui.btnBack, root, 0, 348, 90, 52);
}

void retranslateUi(Ui_MapPreviewScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapPreviewScreenClass", ""));
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.addressBkg->setStyleSheet(
        QCoreApplication::translate("MapPreviewScreenClass",
                                    "background-color: qlineargradient(spread:pad, x1:0.5, y1:0.8, x2:0.5, y2:1, "
                                    "stop:0 rgba(0, 0, 0, 180), stop:1 rgba(0,0,0, 0));"));
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.Name->setStyleSheet(QCoreApplication::translate("MapPreviewScreenClass", "background-color: rgba(0, 0, 0, 0);"));
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.Description->setStyleSheet(
        QCoreApplication::translate("MapPreviewScreenClass", "background-color: rgba(0, 0, 0, 0);"));
    ui.textBox->setContent(QCoreApplication::translate("MapPreviewScreenClass", "GO"));
}

Form<Ui_MapPreviewScreenClass, setupUi, retranslateUi> formMapPreviewScreenClass;

} // namespace

FormLayout &MapPreviewScreenClass()
{
    return formMapPreviewScreenClass;
}

} // namespace quarn::forms
