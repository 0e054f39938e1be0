#include "forms/places/NearByTypeScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_NearByTypeScreenClass &ui, QWidget *root)
{
    Root(root, "NearByTypeScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    make(ui.OKButton, ui.statusBar, "OKButton").at(163, 7, 76, 43).labelledActionButton();
    make(ui.okText, ui.OKButton, "okText")
        .at(18, 12, 42, 20)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .alignment(Qt::AlignCenter)
        .pixelSize(20);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnViewOnMap, ui.statusBar, "btnViewOnMap")
        .at(70, 5, 60, 43)
        .normal(":/Icons/i_ToolBar_POI.mif")
        .pressed(":/Icons/i_ToolBar_POI_h.mif");
    listHeaderButton(ui.btnListHeader, root);
    make(ui.txtLabel, ui.btnListHeader, "txtLabel")
        .at(10, 5, 221, 35)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.verticalLayoutWidget, root, "verticalLayoutWidget").at(0, 70, 241, 281);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout").spacing(0).margins(7, 0, 0, 0);
    make(ui.wptButton, ui.verticalLayoutWidget, "wptButton").listCheckBox();
    make(ui.icon, ui.wptButton, "icon").at(40, 7, 38, 41).image(":/Icons/i_WayPoints.mif");
    make(ui.WptText, ui.wptButton, "WptText").at(80, 10, 131, 31).pixelSize(18);
    make(ui.GeocacheButton, ui.verticalLayoutWidget, "GeocacheButton").listCheckBox();
    make(ui.icon_3, ui.GeocacheButton, "icon_3").at(42, 17, 26, 20).image(":/Icons/i_GeocacheIcons.mif");
    make(ui.GeocachesText, ui.GeocacheButton, "GeocachesText").at(80, 10, 131, 31).pixelSize(18);
    make(ui.POIButton, ui.verticalLayoutWidget, "POIButton").listCheckBox();
    make(ui.icon_5, ui.POIButton, "icon_5").at(40, 7, 38, 38).image(":/Icons/i_poiicon.mif");
    make(ui.POItext, ui.POIButton, "POItext").at(80, 10, 131, 31).pixelSize(18);
    make(ui.TrackButton, ui.verticalLayoutWidget, "TrackButton").listCheckBox();
    make(ui.icon_4, ui.TrackButton, "icon_4").at(40, 10, 32, 30).image(":/Icons/i_track_icon.mif");
    make(ui.TrackText, ui.TrackButton, "TrackText").at(80, 10, 131, 31).pixelSize(18);
    make(ui.RouteButton, ui.verticalLayoutWidget, "RouteButton").listCheckBox();
    make(ui.icon_2, ui.RouteButton, "icon_2").at(40, 7, 38, 41).image(":/Icons/i_Routes.mif");
    make(ui.RouteText, ui.RouteButton, "RouteText").at(80, 10, 131, 31).pixelSize(18);

    addMembers(ui.verticalLayout, {ui.wptButton, ui.GeocacheButton, ui.POIButton, ui.TrackButton, ui.RouteButton});
}

void retranslateUi(Ui_NearByTypeScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("NearByTypeScreenClass", "NearByTypeScreen"));
    ui.okText->setContent(QCoreApplication::translate("NearByTypeScreenClass", "OK"));
    ui.txtLabel->setContent(QCoreApplication::translate("NearByTypeScreenClass", "Search Nearby"));
    ui.WptText->setContent(QCoreApplication::translate("NearByTypeScreenClass", "Waypoints"));
    ui.GeocachesText->setContent(QCoreApplication::translate("NearByTypeScreenClass", "Geocaches"));
    ui.POItext->setContent(QCoreApplication::translate("NearByTypeScreenClass", "POI"));
    ui.TrackText->setContent(QCoreApplication::translate("NearByTypeScreenClass", "Tracks"));
    ui.RouteText->setContent(QCoreApplication::translate("NearByTypeScreenClass", "Routes"));
}

Form<Ui_NearByTypeScreenClass, setupUi, retranslateUi> formNearByTypeScreenClass;

} // namespace

FormLayout &NearByTypeScreenClass()
{
    return formNearByTypeScreenClass;
}

} // namespace quarn::forms
