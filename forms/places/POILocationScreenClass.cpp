#include "forms/places/POILocationScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POILocationScreenClass &ui, QWidget *root)
{
    Root(root, "POILocationScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.btnSubtitle, root, "btnSubtitle").at(5, 70, 226, 44).plainPanelButton();
    make(ui.layoutWidget, ui.btnSubtitle, "layoutWidget").at(40, 12, 175, 18);
    layout(ui.horizontalLayout_2, ui.layoutWidget, "horizontalLayout_2").spacing(4);
    make(ui.labelLocation, ui.layoutWidget, "labelLocation")
        .panelText()
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.Location, ui.layoutWidget, "Location")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .plainPanelText()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(10)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconLocation, ui.btnSubtitle, "iconLocation")
        .at(13, 10, 25, 22)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_PaneBtn_Location.mif")
        .pixelSize(12);
    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 48);
    make(ui.scrollArea, root, "scrollArea")
        .at(14, 112, 213, 236)
        .palette(Colours().role(QPalette::Base, kClear).role(QPalette::Window, kClear))
        .autoFillBackground()
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff)
        .widgetResizable();
    scrollContent(ui.scrollAreaWidgetContents, ui.scrollArea, "scrollAreaWidgetContents")
        .at(0, 0, 194, 312)
        .sizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum)
        .minSize(0, 312)
        .maxSize(QWIDGETSIZE_MAX, 312)
        .palette(Colours()
                     .role(QPalette::Base, kClear, QColor(255, 255, 255, 150))
                     .role(QPalette::Window, QColor(255, 255, 255, 150)));
    make(ui.icon_2, ui.scrollAreaWidgetContents, "icon_2").at(0, 6, 38, 38).image(":/Icons/i_WP_Coordinates.mif");
    make(ui.PrimaryCoordEW, ui.scrollAreaWidgetContents, "PrimaryCoordEW")
        .at(0, 50, 204, 65)
        .maxSize(QWIDGETSIZE_MAX, 70)
        .coordinateDisplay();
    make(ui.SecondaryCoordEW, ui.scrollAreaWidgetContents, "SecondaryCoordEW")
        .at(0, 170, 204, 65)
        .maxSize(QWIDGETSIZE_MAX, 70)
        .coordinateDisplay();
    make(ui.icon3DAbstract, ui.scrollAreaWidgetContents, "icon3DAbstract")
        .at(0, 256, 38, 38)
        .image(":/Icons/i_Elevation.mif");
    make(ui.layoutWidget_2, ui.scrollAreaWidgetContents, "layoutWidget_2").at(40, 5, 159, 20);
    layout(ui.horizontalLayout_1, ui.layoutWidget_2, "horizontalLayout_1");
    make(ui.PrimaryCoordLabel, ui.layoutWidget_2, "PrimaryCoordLabel").pixelSize(14);
    make(ui.PrimaryCoord, ui.layoutWidget_2, "PrimaryCoord").locationCoordinate();
    make(ui.layoutWidget_3, ui.scrollAreaWidgetContents, "layoutWidget_3").at(40, 26, 159, 20);
    layout(ui.horizontalLayout_3, ui.layoutWidget_3, "horizontalLayout_3");
    make(ui.PrimaryDatumLabel, ui.layoutWidget_3, "PrimaryDatumLabel").pixelSize(14);
    make(ui.PrimaryDatum, ui.layoutWidget_3, "PrimaryDatum").locationCoordinate();
    make(ui.layoutWidget_4, ui.scrollAreaWidgetContents, "layoutWidget_4").at(41, 124, 157, 20);
    layout(ui.horizontalLayout_4, ui.layoutWidget_4, "horizontalLayout_4");
    make(ui.SecondaryCoordLabel, ui.layoutWidget_4, "SecondaryCoordLabel").pixelSize(14);
    make(ui.SecondaryCoord, ui.layoutWidget_4, "SecondaryCoord").locationCoordinate();
    make(ui.layoutWidget_5, ui.scrollAreaWidgetContents, "layoutWidget_5").at(41, 146, 157, 20);
    layout(ui.horizontalLayout_5, ui.layoutWidget_5, "horizontalLayout_5");
    make(ui.SecondaryDatumLabel, ui.layoutWidget_5, "SecondaryDatumLabel").pixelSize(14);
    make(ui.SecondaryDatum, ui.layoutWidget_5, "SecondaryDatum").locationCoordinate();
    make(ui.layoutWidget_6, ui.scrollAreaWidgetContents, "layoutWidget_6").at(42, 264, 157, 22);
    layout(ui.horizontalLayout_6, ui.layoutWidget_6, "horizontalLayout_6");
    make(ui.labelElevation, ui.layoutWidget_6, "labelElevation").plainPanelText().pixelSize(14);
    make(ui.Elevation, ui.layoutWidget_6, "Elevation")
        .palette(blackText())
        .font(Font().pointSize(13).normalWeight().aa())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .indent(5)
        .pixelSize(-1)
        .textBoxFlags(TextBoxFlags::FirstOn);

    addMembers(ui.horizontalLayout_2, {ui.labelLocation, ui.Location});
    addMembers(ui.horizontalLayout_1, {ui.PrimaryCoordLabel, ui.PrimaryCoord});
    setStretchFactors(ui.horizontalLayout_1, {1, 2});
    addMembers(ui.horizontalLayout_3, {ui.PrimaryDatumLabel, ui.PrimaryDatum});
    setStretchFactors(ui.horizontalLayout_3, {1, 2});
    addMembers(ui.horizontalLayout_4, {ui.SecondaryCoordLabel, ui.SecondaryCoord});
    setStretchFactors(ui.horizontalLayout_4, {1, 2});
    addMembers(ui.horizontalLayout_5, {ui.SecondaryDatumLabel, ui.SecondaryDatum});
    setStretchFactors(ui.horizontalLayout_5, {1, 2});
    addMembers(ui.horizontalLayout_6, {ui.labelElevation, ui.Elevation});
    setStretchFactors(ui.horizontalLayout_6, {1, 2});
}

void retranslateUi(Ui_POILocationScreenClass &ui, QWidget *)
{
    ui.labelLocation->setContent(QCoreApplication::translate("POILocationScreenClass", "Location"));
    ui.iconLocation->setContent(QString());
    ui.PrimaryCoordLabel->setContent(QCoreApplication::translate("POILocationScreenClass", "Primary: "));
    ui.PrimaryCoord->setContent(QString());
    ui.PrimaryDatumLabel->setContent(QCoreApplication::translate("POILocationScreenClass", "Datum: "));
    ui.PrimaryDatum->setContent(QString());
    ui.SecondaryCoordLabel->setContent(QCoreApplication::translate("POILocationScreenClass", "Secondary: "));
    ui.SecondaryCoord->setContent(QString());
    ui.SecondaryDatumLabel->setContent(QCoreApplication::translate("POILocationScreenClass", "Datum:"));
    ui.SecondaryDatum->setContent(QString());
    ui.labelElevation->setContent(QCoreApplication::translate("POILocationScreenClass", "Elevation:"));
    //: Number shown until the host fills it.
    ui.Elevation->setContent(QCoreApplication::translate("POILocationScreenClass", "0.0"));
}

Form<Ui_POILocationScreenClass, setupUi, retranslateUi> formPOILocationScreenClass;

} // namespace

FormLayout &POILocationScreenClass()
{
    return formPOILocationScreenClass;
}

} // namespace quarn::forms
