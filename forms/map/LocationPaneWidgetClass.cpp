#include "forms/map/LocationPaneWidgetClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_LocationPaneWidgetClass &ui, QWidget *root)
{
    Root(root, "LocationPaneWidgetClass").size(230, 260).maximumSize(230, 260);

    make(ui.icon_6, root, "icon_6").at(6, 34, 218, 227).image(":/Bkgd/bkgd_Shade_DetailFonts.mif");
    make(ui.dateTimeLabel_5, ui.icon_6, "dateTimeLabel_5").at(50, 120, 81, 21).plainPanelText().pixelSize(12);
    make(ui.icon3DAbstract, ui.icon_6, "icon3DAbstract").at(10, 105, 38, 38).image(":/Icons/i_Elevation.mif");
    make(ui.dateTimeLabel_3, ui.icon_6, "dateTimeLabel_3").at(50, 21, 51, 21).plainPanelText().pixelSize(12);
    make(ui.icon_2, ui.icon_6, "icon_2").at(10, 17, 38, 38).image(":/Icons/i_WP_Coordinates.mif");
    make(ui.dateTimeLabel_4, ui.icon_6, "dateTimeLabel_4").at(50, 45, 51, 21).plainPanelText().pixelSize(12);
    make(ui.labelLongitude, ui.icon_6, "labelLongitude").at(109, 46, 106, 21).paneValue();
    make(ui.labelLatitude, ui.icon_6, "labelLatitude").at(109, 22, 106, 21).paneValue();
    make(ui.labelElevation, ui.icon_6, "labelElevation").at(111, 119, 101, 21).paneValue();
    make(ui.icon, root, "icon").at(0, 0, 230, 38).minSize(230, 0).image(":/Buttons/b_Geocache_Details_PageOpen.mif");
    make(ui.dateTimeLabel_2, ui.icon, "dateTimeLabel_2").at(12, 7, 81, 21).panelText().pixelSize(12);
    make(ui.labelLocation, ui.icon, "labelLocation")
        .at(76, 7, 146, 21)
        .palette(blackText())
        .font(aaFont())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(10);
}

void retranslateUi(Ui_LocationPaneWidgetClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("LocationPaneWidgetClass", "Form"));
    ui.dateTimeLabel_5->setContent(QCoreApplication::translate("LocationPaneWidgetClass", "Elevation:"));
    ui.dateTimeLabel_3->setContent(QCoreApplication::translate("LocationPaneWidgetClass", "Lat:"));
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("LocationPaneWidgetClass", "Long:"));
    //: Number shown until the host fills it.
    ui.labelLongitude->setContent(QCoreApplication::translate("LocationPaneWidgetClass", "0.0"));
    //: Number shown until the host fills it.
    ui.labelLatitude->setContent(QCoreApplication::translate("LocationPaneWidgetClass", "0.0"));
    //: Number shown until the host fills it.
    ui.labelElevation->setContent(QCoreApplication::translate("LocationPaneWidgetClass", "0.0"));
    ui.dateTimeLabel_2->setContent(QCoreApplication::translate("LocationPaneWidgetClass", "Location"));
    ui.labelLocation->setContent(QString());
}

Form<Ui_LocationPaneWidgetClass, setupUi, retranslateUi> formLocationPaneWidgetClass;

} // namespace

FormLayout &LocationPaneWidgetClass()
{
    return formLocationPaneWidgetClass;
}

} // namespace quarn::forms
