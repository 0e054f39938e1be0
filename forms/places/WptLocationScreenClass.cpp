#include "forms/places/WptLocationScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptLocationScreenClass &ui, QWidget *root)
{
    Root(root, "WptLocationScreenClass").size(240, 400);

    make(ui.scrollArea, root, "scrollArea")
        .at(14, 112, 213, 236)
        .palette(Colours().role(QPalette::Base, kClear).role(QPalette::Window, kClear))
        .autoFillBackground()
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff)
        .widgetResizable();
    scrollContent(ui.scrollAreaWidgetContents, ui.scrollArea, "scrollAreaWidgetContents")
        .at(0, -78, 194, 312)
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
        .font(Font().pointSize(13))
        .readOnly();
    make(ui.SecondaryCoordEW, ui.scrollAreaWidgetContents, "SecondaryCoordEW")
        .at(0, 170, 204, 65)
        .maxSize(QWIDGETSIZE_MAX, 70)
        .font(Font().pointSize(13))
        .readOnly();
    make(ui.icon3DAbstract, ui.scrollAreaWidgetContents, "icon3DAbstract")
        .at(0, 256, 38, 38)
        .image(":/Icons/i_Elevation.mif");
    make(ui.layoutWidget, ui.scrollAreaWidgetContents, "layoutWidget").at(40, 5, 159, 20);
    layout(ui.horizontalLayout_1, ui.layoutWidget, "horizontalLayout_1");
    make(ui.PrimaryCoordLabel, ui.layoutWidget, "PrimaryCoordLabel").pixelSize(14);
    make(ui.PrimaryCoord, ui.layoutWidget, "PrimaryCoord").locationCoordinate();
    make(ui.layoutWidget1, ui.scrollAreaWidgetContents, "layoutWidget1").at(40, 26, 159, 20);
    layout(ui.horizontalLayout_2, ui.layoutWidget1, "horizontalLayout_2");
    make(ui.PrimaryDatumLabel, ui.layoutWidget1, "PrimaryDatumLabel").pixelSize(14);
    make(ui.PrimaryDatum, ui.layoutWidget1, "PrimaryDatum").locationCoordinate();
    make(ui.layoutWidget2, ui.scrollAreaWidgetContents, "layoutWidget2").at(41, 124, 157, 20);
    layout(ui.horizontalLayout_3, ui.layoutWidget2, "horizontalLayout_3");
    make(ui.SecondaryCoordLabel, ui.layoutWidget2, "SecondaryCoordLabel").pixelSize(14);
    make(ui.SecondaryCoord, ui.layoutWidget2, "SecondaryCoord").locationCoordinate();
    make(ui.layoutWidget3, ui.scrollAreaWidgetContents, "layoutWidget3").at(41, 146, 157, 20);
    layout(ui.horizontalLayout_4, ui.layoutWidget3, "horizontalLayout_4");
    make(ui.SecondaryDatumLabel, ui.layoutWidget3, "SecondaryDatumLabel").pixelSize(14);
    make(ui.SecondaryDatum, ui.layoutWidget3, "SecondaryDatum").locationCoordinate();
    make(ui.layoutWidget4, ui.scrollAreaWidgetContents, "layoutWidget4").at(42, 264, 157, 22);
    layout(ui.horizontalLayout_5, ui.layoutWidget4, "horizontalLayout_5");
    make(ui.Elevation, ui.layoutWidget4, "Elevation").plainPanelText().pixelSize(14);
    make(ui.labelElevation, ui.layoutWidget4, "labelElevation")
        .palette(blackText())
        .font(Font().pointSize(13).normalWeight().aa())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .indent(5)
        .pixelSize(-1)
        .clickable()
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnNext, root, "btnNext").at(161, 357, 76, 43).actionButton();
    make(ui.btnNextLabel, ui.btnNext, "btnNextLabel").at(8, 6, 62, 31).actionButtonLabel();
    make(ui.btnTitle, root, "btnTitle").at(5, 70, 230, 44).panelButton();
    make(ui.iconPaneLocation, ui.btnTitle, "iconPaneLocation")
        .at(13, 10, 25, 22)
        .image(":/Icons/i_PaneBtn_Location.mif");
    make(ui.layoutWidget5, ui.btnTitle, "layoutWidget5").at(40, 12, 175, 18);
    layout(ui.horizontalLayout, ui.layoutWidget5, "horizontalLayout").spacing(4);
    make(ui.Location, ui.layoutWidget5, "Location").panelText().pixelSize(12);
    make(ui.labelLocation, ui.layoutWidget5, "labelLocation")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .plainPanelText()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(10)
        .textBoxFlags(TextBoxFlags::FirstOn);

    addMembers(ui.horizontalLayout_1, {ui.PrimaryCoordLabel, ui.PrimaryCoord});
    setStretchFactors(ui.horizontalLayout_1, {1, 2});
    addMembers(ui.horizontalLayout_2, {ui.PrimaryDatumLabel, ui.PrimaryDatum});
    setStretchFactors(ui.horizontalLayout_2, {1, 2});
    addMembers(ui.horizontalLayout_3, {ui.SecondaryCoordLabel, ui.SecondaryCoord});
    setStretchFactors(ui.horizontalLayout_3, {1, 2});
    addMembers(ui.horizontalLayout_4, {ui.SecondaryDatumLabel, ui.SecondaryDatum});
    setStretchFactors(ui.horizontalLayout_4, {1, 2});
    addMembers(ui.horizontalLayout_5, {ui.Elevation, ui.labelElevation});
    setStretchFactors(ui.horizontalLayout_5, {1, 2});
    addMembers(ui.horizontalLayout, {ui.Location, ui.labelLocation});
}

void retranslateUi(Ui_WptLocationScreenClass &ui, QWidget *)
{
    ui.PrimaryCoordLabel->setContent(QCoreApplication::translate("WptLocationScreenClass", "Primary: "));
    ui.PrimaryCoord->setContent(QString());
    ui.PrimaryDatumLabel->setContent(QCoreApplication::translate("WptLocationScreenClass", "Datum: "));
    ui.PrimaryDatum->setContent(QString());
    ui.SecondaryCoordLabel->setContent(QCoreApplication::translate("WptLocationScreenClass", "Secondary: "));
    ui.SecondaryCoord->setContent(QString());
    ui.SecondaryDatumLabel->setContent(QCoreApplication::translate("WptLocationScreenClass", "Datum:"));
    ui.SecondaryDatum->setContent(QString());
    ui.Elevation->setContent(QCoreApplication::translate("WptLocationScreenClass", "Elevation:"));
    //: Number shown until the host fills it.
    ui.labelElevation->setContent(QCoreApplication::translate("WptLocationScreenClass", "0.0"));
    ui.btnNextLabel->setContent(QCoreApplication::translate("WptLocationScreenClass", "Next>"));
    ui.Location->setContent(QCoreApplication::translate("WptLocationScreenClass", "Location"));
    ui.labelLocation->setContent(QString());
}

Form<Ui_WptLocationScreenClass, setupUi, retranslateUi> formWptLocationScreenClass;

} // namespace

FormLayout &WptLocationScreenClass()
{
    return formWptLocationScreenClass;
}

} // namespace quarn::forms
