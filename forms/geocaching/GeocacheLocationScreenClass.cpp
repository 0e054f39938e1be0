#include "forms/geocaching/GeocacheLocationScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

// The scrolling coordinates lie on a pale veil over the clear scroll area.
const QColor kVeil(255, 255, 255, 150);
const Colours kClearArea = Colours().role(QPalette::Base, kClear).role(QPalette::Window, kClear);
const Colours kVeiledContents = Colours().role(QPalette::Base, kClear, kVeil).role(QPalette::Window, kVeil);

void setupUi(Ui_GeocacheLocationScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheLocationScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar, aaFont());
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    make(ui.subTitle, root, "subTitle").at(5, 70, 230, 44).panelButton().eventPropagation();
    make(ui.iconLocation, ui.subTitle, "iconLocation")
        .at(13, 10, 25, 22)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_PaneBtn_Location.mif")
        .pixelSize(12);
    make(ui.layoutWidget, ui.subTitle, "layoutWidget").at(40, 12, 175, 18);
    layout(ui.horizontalLayout_9, ui.layoutWidget, "horizontalLayout_9").spacing(4);
    make(ui.zelTextBox, ui.layoutWidget, "zelTextBox").panelText().pixelSize(12).textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.labelLocation, ui.layoutWidget, "labelLocation")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .palette(blackText())
        .font(normalWeightAA())
        .alignment(align::RightVCentre)
        .pixelSize(10)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("");
    make(ui.scrollArea, root, "scrollArea")
        .at(14, 112, 213, 236)
        .palette(kClearArea)
        .autoFillBackground()
        .scrollBars(Qt::ScrollBarAlwaysOff, Qt::ScrollBarAsNeeded)
        .widgetResizable();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, 0, 194, 312)
        .sizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum)
        .minSize(0, 312)
        .maxSize(QWIDGETSIZE_MAX, 312)
        .palette(kVeiledContents)
        .autoFillBackground();
    make(ui.icon_2, ui.scrollAreaWidgetContents, "icon_2").at(0, 6, 38, 38).image(":/Icons/i_WP_Coordinates.mif");
    make(ui.PrimaryCoordEW, ui.scrollAreaWidgetContents, "PrimaryCoordEW")
        .at(0, 50, 204, 65)
        .maxSize(QWIDGETSIZE_MAX, 70)
        .font(Font().pointSize(13))
        .readOnly()
        .modifiable(false);
    make(ui.SecondaryCoordEW, ui.scrollAreaWidgetContents, "SecondaryCoordEW")
        .at(0, 170, 204, 65)
        .maxSize(QWIDGETSIZE_MAX, 70)
        .font(Font().pointSize(13))
        .readOnly()
        .modifiable(false);
    make(ui.icon3DAbstract, ui.scrollAreaWidgetContents, "icon3DAbstract")
        .at(0, 256, 38, 38)
        .image(":/Icons/i_Elevation.mif");
    make(ui.layoutWidget_2, ui.scrollAreaWidgetContents, "layoutWidget_2").at(40, 5, 159, 20);
    layout(ui.horizontalLayout_1, ui.layoutWidget_2, "horizontalLayout_1").spacing(6);
    make(ui.PrimaryCoordLabel, ui.layoutWidget_2, "PrimaryCoordLabel").pixelSize(14);
    make(ui.PrimaryCoord, ui.layoutWidget_2, "PrimaryCoord")
        .font(boldAA())
        .alignment(align::RightVCentre)
        .wordWrap(false)
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.layoutWidget_3, ui.scrollAreaWidgetContents, "layoutWidget_3").at(40, 26, 159, 20);
    layout(ui.horizontalLayout_2, ui.layoutWidget_3, "horizontalLayout_2").spacing(6);
    make(ui.PrimaryDatumLabel, ui.layoutWidget_3, "PrimaryDatumLabel").pixelSize(14);
    make(ui.PrimaryDatum, ui.layoutWidget_3, "PrimaryDatum")
        .font(boldAA())
        .alignment(align::RightVCentre)
        .wordWrap(false)
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.layoutWidget_4, ui.scrollAreaWidgetContents, "layoutWidget_4").at(41, 124, 157, 20);
    layout(ui.horizontalLayout_3, ui.layoutWidget_4, "horizontalLayout_3").spacing(6);
    make(ui.SecondaryCoordLabel, ui.layoutWidget_4, "SecondaryCoordLabel").pixelSize(14);
    make(ui.SecondaryCoord, ui.layoutWidget_4, "SecondaryCoord")
        .font(boldAA())
        .alignment(align::RightVCentre)
        .wordWrap(false)
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.layoutWidget_5, ui.scrollAreaWidgetContents, "layoutWidget_5").at(41, 146, 157, 20);
    layout(ui.horizontalLayout_4, ui.layoutWidget_5, "horizontalLayout_4").spacing(6);
    make(ui.SecondaryDatumLabel, ui.layoutWidget_5, "SecondaryDatumLabel").pixelSize(14);
    make(ui.SecondaryDatum, ui.layoutWidget_5, "SecondaryDatum")
        .font(boldAA())
        .alignment(align::RightVCentre)
        .wordWrap(false)
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.layoutWidget_6, ui.scrollAreaWidgetContents, "layoutWidget_6").at(42, 264, 157, 22);
    layout(ui.horizontalLayout_5, ui.layoutWidget_6, "horizontalLayout_5").spacing(6);
    make(ui.Elevation, ui.layoutWidget_6, "Elevation").palette(blackText()).font(normalWeightAA()).pixelSize(14);
    make(ui.labelElevation, ui.layoutWidget_6, "labelElevation")
        .palette(blackText())
        .font(normalWeightAA().pointSize(13))
        .alignment(align::RightVCentre)
        .indent(5)
        .pixelSize(-1)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .clickable(false);

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.horizontalLayout_9, {ui.zelTextBox, ui.labelLocation});
    addMembers(ui.horizontalLayout_1, {ui.PrimaryCoordLabel, ui.PrimaryCoord});
    addMembers(ui.horizontalLayout_2, {ui.PrimaryDatumLabel, ui.PrimaryDatum});
    addMembers(ui.horizontalLayout_3, {ui.SecondaryCoordLabel, ui.SecondaryCoord});
    addMembers(ui.horizontalLayout_4, {ui.SecondaryDatumLabel, ui.SecondaryDatum});
    addMembers(ui.horizontalLayout_5, {ui.Elevation, ui.labelElevation});
    setStretchFactors(ui.horizontalLayout_1, {1, 2});
    setStretchFactors(ui.horizontalLayout_2, {1, 2});
    setStretchFactors(ui.horizontalLayout_3, {1, 2});
    setStretchFactors(ui.horizontalLayout_4, {1, 2});
    setStretchFactors(ui.horizontalLayout_5, {1, 2});
}

void retranslateUi(Ui_GeocacheLocationScreenClass &ui, QWidget *)
{
    ui.iconLocation->setContent(QString());
    ui.zelTextBox->setContent(QCoreApplication::translate("GeocacheLocationScreenClass", "Location"));
    ui.PrimaryCoordLabel->setContent(QCoreApplication::translate("GeocacheLocationScreenClass", "Primary: "));
    ui.PrimaryCoord->setContent(QString());
    ui.PrimaryDatumLabel->setContent(QCoreApplication::translate("GeocacheLocationScreenClass", "Datum: "));
    ui.PrimaryDatum->setContent(QString());
    ui.SecondaryCoordLabel->setContent(QCoreApplication::translate("GeocacheLocationScreenClass", "Secondary: "));
    ui.SecondaryCoord->setContent(QString());
    ui.SecondaryDatumLabel->setContent(QCoreApplication::translate("GeocacheLocationScreenClass", "Datum:"));
    ui.SecondaryDatum->setContent(QString());
    ui.Elevation->setContent(QCoreApplication::translate("GeocacheLocationScreenClass", "Elevation:"));
    //: Number shown until the host fills it.
    ui.labelElevation->setContent(QCoreApplication::translate("GeocacheLocationScreenClass", "0.0"));
}

Form<Ui_GeocacheLocationScreenClass, setupUi, retranslateUi> formGeocacheLocationScreenClass;

} // namespace

FormLayout &GeocacheLocationScreenClass()
{
    return formGeocacheLocationScreenClass;
}

} // namespace quarn::forms
