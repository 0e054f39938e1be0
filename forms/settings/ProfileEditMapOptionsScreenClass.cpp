#include "forms/settings/ProfileEditMapOptionsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ProfileEditMapOptionsScreenClass &ui, QWidget *root)
{
    Root(root, "ProfileEditMapOptionsScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    titleHeader(ui.iconTitle, root, "iconTitle");
    titleIcon(ui.iconProfile, ui.iconTitle, "iconProfile", ":/Icons/i_Geocaching.mif")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    make(ui.icon, ui.iconTitle, "icon").at(41, 4, 38, 38).image(":/Icons/i_Maps.mif");
    make(ui.lblMapOptions_2, ui.iconTitle, "lblMapOptions_2")
        .at(84, 2, 154, 43)
        .palette(whiteTextDimDisabled())
        .largeCaption();
    make(ui.backing, root, "backing").at(0, 67, 240, 288);
    make(ui.scrollArea, ui.backing, "scrollArea")
        .at(0, 0, 240, 288)
        .scrollingPage()
        .frameShape(QFrame::NoFrame)
        .frameShadow(QFrame::Plain)
        .lineWidth(0);
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents").at(0, 0, 230, 1368).minSize(230, 1368);
    make(ui.verticalLayoutWidget, ui.scrollAreaWidgetContents, "verticalLayoutWidget").at(0, 2, 240, 1371);
    layout(ui.vOptionsLayout, ui.verticalLayoutWidget, "vOptionsLayout");
    make(ui.btnNavionicsChartOptions, ui.verticalLayoutWidget, "btnNavionicsChartOptions").panelButton();
    make(ui.lblNavionicsChartOptions, ui.btnNavionicsChartOptions, "lblNavionicsChartOptions")
        .at(20, 13, 190, 16)
        .settingCaption();
    make(ui.otherMapOptions, ui.verticalLayoutWidget, "otherMapOptions");
    make(ui.lblGeocaches, ui.otherMapOptions, "lblGeocaches").at(10, 774, 215, 16).settingCaption();
    make(ui.comboGeocaches, ui.otherMapOptions, "comboGeocaches")
        .at(0, 841, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblShadedRelief, ui.otherMapOptions, "lblShadedRelief").at(10, 704, 215, 16).settingCaption();
    make(ui.comboMapView, ui.otherMapOptions, "comboMapView").at(0, 21, 230, 44).standardComboBox().eventPropagation();
    make(ui.lblQuickInfo, ui.otherMapOptions, "lblQuickInfo").at(10, 214, 215, 16).settingCaption();
    make(ui.lblMapDetail, ui.otherMapOptions, "lblMapDetail").at(10, 564, 215, 16).settingCaption();
    make(ui.lblPosDestLine, ui.otherMapOptions, "lblPosDestLine").at(10, 354, 215, 16).settingCaption();
    make(ui.comboMapFields, ui.otherMapOptions, "comboMapFields")
        .at(0, 161, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lbMapDrawMode, ui.otherMapOptions, "lbMapDrawMode").at(10, 1244, 215, 16).settingCaption();
    make(ui.lblOrientation, ui.otherMapOptions, "lblOrientation").at(10, 74, 215, 16).settingCaption();
    make(ui.comboAutoZoom, ui.otherMapOptions, "comboAutoZoom")
        .at(0, 1121, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboQuickInfo, ui.otherMapOptions, "comboQuickInfo")
        .at(0, 231, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lbWaypoints, ui.otherMapOptions, "lbWaypoints").at(10, 894, 215, 16).settingCaption();
    make(ui.lblShowTracks, ui.otherMapOptions, "lblShowTracks").at(10, 494, 215, 16).settingCaption();
    make(ui.lbShowMediaPoints, ui.otherMapOptions, "lbShowMediaPoints").at(10, 1174, 215, 16).settingCaption();
    make(ui.lblMapView, ui.otherMapOptions, "lblMapView").at(10, 4, 215, 16).settingCaption();
    make(ui.comboOriginDestLine, ui.otherMapOptions, "comboOriginDestLine")
        .at(0, 441, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboOrientation, ui.otherMapOptions, "comboOrientation")
        .at(0, 91, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboGeocachesFilter, ui.otherMapOptions, "comboGeocachesFilter")
        .at(0, 791, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lbPOI, ui.otherMapOptions, "lbPOI").at(10, 964, 215, 16).settingCaption();
    make(ui.comboPosDestLine, ui.otherMapOptions, "comboPosDestLine")
        .at(0, 371, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboShadedRelief, ui.otherMapOptions, "comboShadedRelief")
        .at(0, 721, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboWaypoints, ui.otherMapOptions, "comboWaypoints")
        .at(0, 911, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblMapFields, ui.otherMapOptions, "lblMapFields").at(10, 144, 215, 16).settingCaption();
    make(ui.comboShowTracks, ui.otherMapOptions, "comboShowTracks")
        .at(0, 511, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboTopoLines, ui.otherMapOptions, "comboTopoLines")
        .at(0, 651, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblTopoLines, ui.otherMapOptions, "lblTopoLines").at(10, 634, 215, 16).settingCaption();
    make(ui.comboShowMediaPoints, ui.otherMapOptions, "comboShowMediaPoints")
        .at(0, 1191, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboCurLocIcon, ui.otherMapOptions, "comboCurLocIcon")
        .at(0, 1051, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboPOI, ui.otherMapOptions, "comboPOI").at(0, 981, 230, 44).standardComboBox().eventPropagation();
    make(ui.comboMapDrawMode, ui.otherMapOptions, "comboMapDrawMode")
        .at(0, 1261, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblOriginDestLine, ui.otherMapOptions, "lblOriginDestLine").at(10, 424, 215, 16).settingCaption();
    make(ui.lbCurLocIcon, ui.otherMapOptions, "lbCurLocIcon").at(10, 1034, 215, 16).settingCaption();
    make(ui.comboMapDetail, ui.otherMapOptions, "comboMapDetail")
        .at(0, 581, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lbAutoZoom, ui.otherMapOptions, "lbAutoZoom").at(10, 1104, 215, 16).settingCaption();
    make(ui.comboQuickInfoStyle, ui.otherMapOptions, "comboQuickInfoStyle")
        .at(0, 301, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblQuickInfoStyle, ui.otherMapOptions, "lblQuickInfoStyle").at(10, 284, 215, 16).settingCaption();

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.vOptionsLayout, {ui.btnNavionicsChartOptions, ui.otherMapOptions});
}

void retranslateUi(Ui_ProfileEditMapOptionsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblMapOptions_2->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Map Options"));
    ui.lblNavionicsChartOptions->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Navionics Chart Options"));
    ui.lblGeocaches->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Geocaches"));
    ui.lblShadedRelief->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Shaded Relief"));
    ui.lblQuickInfo->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Quick Info: Data"));
    ui.lblMapDetail->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Map / Chart Detail", "ComboBox Caption"));
    ui.lblPosDestLine->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Position Destination Line"));
    ui.lbMapDrawMode->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Map Draw Mode"));
    ui.lblOrientation->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Orientation"));
    ui.lbWaypoints->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Waypoints"));
    ui.lblShowTracks->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Show Tracks"));
    ui.lbShowMediaPoints->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Show Media Points"));
    ui.lblMapView->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Map View"));
    ui.lbPOI->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "POI"));
    ui.lblMapFields->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Map Fields"));
    ui.lblTopoLines->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Topo Lines"));
    ui.lblOriginDestLine->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Origin Destination Line"));
    ui.lbCurLocIcon->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Current Location Icon"));
    ui.lbAutoZoom->setContent(QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Auto Zoom"));
    ui.lblQuickInfoStyle->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsScreenClass", "Quick Info: Style"));
}

Form<Ui_ProfileEditMapOptionsScreenClass, setupUi, retranslateUi> formProfileEditMapOptionsScreenClass;

} // namespace

FormLayout &ProfileEditMapOptionsScreenClass()
{
    return formProfileEditMapOptionsScreenClass;
}

} // namespace quarn::forms
