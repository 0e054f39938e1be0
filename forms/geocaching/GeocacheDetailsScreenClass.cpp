#include "forms/geocaching/GeocacheDetailsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheDetailsScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheDetailsScreenClass").size(240, 400);

    make(ui.scrollArea, root, "scrollArea").at(0, 127, 240, 222).scrollingPage();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, 0, 230, 444)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 444);
    make(ui.verticalLayoutWidget, ui.scrollAreaWidgetContents, "verticalLayoutWidget").at(0, 0, 230, 442);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout").spacing(0);
    make(ui.buttonDDE, ui.verticalLayoutWidget, "buttonDDE").panelButton().eventPropagation();
    make(ui.labelDirection, ui.buttonDDE, "labelDirection").at(190, 10, 25, 22).panelText().pixelSize(12);
    make(ui.labelDistance, ui.buttonDDE, "labelDistance").at(33, 4, 65, 33).panelText().wordWrap().pixelSize(12);
    make(ui.icon3DAbstract, ui.buttonDDE, "icon3DAbstract").at(99, 10, 25, 22).image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.indicatorDirection, ui.buttonDDE, "indicatorDirection")
        .at(190, 10, 25, 22)
        .statusImages(paneDirectionImages());
    make(ui.labelHeight, ui.buttonDDE, "labelHeight").at(126, 4, 61, 33).panelText().wordWrap().pixelSize(12);
    make(ui.iconFlag, ui.buttonDDE, "iconFlag").at(8, 10, 25, 22).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.buttonDescription, ui.verticalLayoutWidget, "buttonDescription").panelButton().eventPropagation();
    make(ui.dateTimeLabel_2, ui.buttonDescription, "dateTimeLabel_2")
        .at(38, 4, 81, 33)
        .panelText()
        .wordWrap()
        .pixelSize(13);
    make(ui.labelDescription, ui.buttonDescription, "labelDescription")
        .at(116, 4, 101, 33)
        .font(normalWeightAA())
        .wordWrap()
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconPaneLocation_3, ui.buttonDescription, "iconPaneLocation_3")
        .at(9, 10, 25, 22)
        .image(":/Icons/i_PaneBtn_Desciption.mif");
    make(ui.buttonLogs, ui.verticalLayoutWidget, "buttonLogs").panelButton().eventPropagation();
    make(ui.horizontalLayoutWidget_2, ui.buttonLogs, "horizontalLayoutWidget_2").at(37, 4, 187, 35);
    layout(ui.horizontalLayout_3, ui.horizontalLayoutWidget_2, "horizontalLayout_3").spacing(0);
    make(ui.labelRecentLogs, ui.horizontalLayoutWidget_2, "labelRecentLogs")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .minSize(100, 0)
        .panelText()
        .wordWrap()
        .pixelSize(13);
    make(ui.iconLog1, ui.horizontalLayoutWidget_2, "iconLog1").image(":/Icons/i_PaneBtn_NeedsMaintenance.mif");
    make(ui.txtLog1, ui.horizontalLayoutWidget_2, "txtLog1").panelText().pixelSize(12);
    make(ui.iconLog2, ui.horizontalLayoutWidget_2, "iconLog2").image(":/Icons/i_PaneBtn_FoundIt.mif");
    make(ui.txtLog2, ui.horizontalLayoutWidget_2, "txtLog2").panelText().pixelSize(12);
    make(ui.iconLog3, ui.horizontalLayoutWidget_2, "iconLog3").image(":/Icons/i_PaneBtn_DidntFoundIt.mif");
    make(ui.txtLog3, ui.horizontalLayoutWidget_2, "txtLog3").panelText().pixelSize(12);
    make(ui.iconLog4, ui.horizontalLayoutWidget_2, "iconLog4").image(":/Icons/i_PaneBtn_Pictures.mif");
    make(ui.txtLog4, ui.horizontalLayoutWidget_2, "txtLog4").panelText().pixelSize(12);
    make(ui.iconLog5, ui.horizontalLayoutWidget_2, "iconLog5").image(":/Icons/i_PaneBtn_Hint.mif");
    make(ui.txtLog5, ui.horizontalLayoutWidget_2, "txtLog5").panelText().pixelSize(12);
    spacer(ui.horizontalSpacer, 40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.iconRecentLogs, ui.buttonLogs, "iconRecentLogs").at(9, 9, 25, 22).image(":/Icons/i_PaneBtn_RecentLogs.mif");
    make(ui.buttonHint, ui.verticalLayoutWidget, "buttonHint").panelButton().eventPropagation();
    make(ui.txtHint, ui.buttonHint, "txtHint").at(41, 5, 171, 32).panelText().wordWrap().pixelSize(13);
    make(ui.iconHint, ui.buttonHint, "iconHint").at(8, 8, 25, 22).image(":/Icons/i_PaneBtn_Hint.mif");
    make(ui.buttonStatus, ui.verticalLayoutWidget, "buttonStatus").panelButton().eventPropagation();
    make(ui.layoutWidget_3, ui.buttonStatus, "layoutWidget_3").at(9, 4, 210, 35);
    layout(ui.horizontalLayout_2, ui.layoutWidget_3, "horizontalLayout_2").spacing(2);
    make(ui.statGeocacheStatus, ui.layoutWidget_3, "statGeocacheStatus")
        .statusImages(geocache::foundStatusPaneImages());
    make(ui.txtStatus, ui.layoutWidget_3, "txtStatus").panelText().wordWrap().content("Not found").pixelSize(13);
    make(ui.txtLastLogDate, ui.layoutWidget_3, "txtLastLogDate")
        .plainPanelText()
        .wordWrap()
        .content("Not found")
        .pixelSize(13);
    spacer(ui.horizontalSpacer_2, 40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.buttonLocation, ui.verticalLayoutWidget, "buttonLocation").panelButton().eventPropagation();
    make(ui.iconLocation, ui.buttonLocation, "iconLocation")
        .at(9, 10, 23, 22)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_PaneBtn_Location.mif")
        .pixelSize(12);
    make(ui.labelLocation, ui.buttonLocation, "labelLocation")
        .at(58, 20, 158, 18)
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .plainPanelText()
        .scaledContents()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(10)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.zelTextBox, ui.buttonLocation, "zelTextBox")
        .at(40, 1, 175, 20)
        .panelText()
        .scaledContents()
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.buttonPictures, ui.verticalLayoutWidget, "buttonPictures").panelButton().eventPropagation();
    make(ui.layoutWidget, ui.buttonPictures, "layoutWidget").at(9, 4, 216, 34);
    layout(ui.horizontalLayout_7, ui.layoutWidget, "horizontalLayout_7");
    make(ui.iconPhoto, ui.layoutWidget, "iconPhoto").image(":/Icons/i_PaneBtn_Pictures.mif");
    make(ui.labelPicturesCounter, ui.layoutWidget, "labelPicturesCounter").panelText().pixelSize(13);
    make(ui.iconVideo, ui.layoutWidget, "iconVideo").image(":/Icons/i_PaneBtn_Video.mif");
    make(ui.labelVideoCounter, ui.layoutWidget, "labelVideoCounter").panelText().pixelSize(13);
    make(ui.iconMemo, ui.layoutWidget, "iconMemo").image(":/Icons/i_PaneBtn_Music.mif");
    make(ui.labelMemoCounter, ui.layoutWidget, "labelMemoCounter").panelText().pixelSize(13);
    make(ui.buttonAttributes, ui.verticalLayoutWidget, "buttonAttributes").panelButton().eventPropagation();
    make(ui.iconAttributes, ui.buttonAttributes, "iconAttributes")
        .at(6, 5, 36, 34)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_Geocache-Attributes.mif")
        .pixelSize(12);
    make(ui.labelAttributesCount, ui.buttonAttributes, "labelAttributesCount")
        .at(146, 11, 67, 20)
        .panelText()
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.labelAttributes, ui.buttonAttributes, "labelAttributes")
        .at(40, 11, 103, 21)
        .panelText()
        .scaledContents()
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.buttonStats, ui.verticalLayoutWidget, "buttonStats").panelButton().eventPropagation();
    make(ui.dateTimeLabel_4, ui.buttonStats, "dateTimeLabel_4").at(38, 10, 180, 21).panelText().pixelSize(13);
    make(ui.iconAttributes_2, ui.buttonStats, "iconAttributes_2")
        .at(8, 5, 32, 32)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_MenuIcon_ViewSummary.mif")
        .pixelSize(12);
    make(ui.buttonOption, ui.verticalLayoutWidget, "buttonOption").panelButton().eventPropagation();
    make(ui.horizontalLayoutWidget_3, ui.buttonOption, "horizontalLayoutWidget_3").at(9, 4, 211, 34);
    layout(ui.horizontalLayout_4, ui.horizontalLayoutWidget_3, "horizontalLayout_4").spacing(2);
    make(ui.iconPaneLocation_2, ui.horizontalLayoutWidget_3, "iconPaneLocation_2")
        .image(":/Icons/i_PaneBtn_Options.mif");
    coordinateReadOut(ui.dateTimeLabel_5, ui.horizontalLayoutWidget_3, "dateTimeLabel_5").panelText().pixelSize(13);
    spacer(ui.horizontalSpacer_3, 40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.statRoutingMethod, ui.horizontalLayoutWidget_3, "statRoutingMethod")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed)
        .statusImages(geocache::routingMethodImages());
    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    make(ui.statGeocacheLogStatus, root, "statGeocacheLogStatus")
        .at(10, 0, 25, 22)
        .statusImages(geocache::logTypeImages());
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.backing, root, "backing").at(5, 72, 230, 50);
    make(ui.txtDate, ui.backing, "txtDate")
        .at(143, 16, 81, 16)
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("9.May.2009")
        .pixelSize(11)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.txtSize, ui.backing, "txtSize")
        .at(3, 31, 61, 16)
        .font(boldAA())
        .pixelSize(11)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.txtID, ui.backing, "txtID")
        .at(123, 2, 101, 16)
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("ID here")
        .pixelSize(11)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.Terrain, ui.backing, "Terrain").at(63, 2, 71, 12).statusImages(geocache::ratingImages());
    make(ui.CacheSize, ui.backing, "CacheSize").at(63, 32, 47, 14).statusImages(geocache::cacheSizeImages());
    make(ui.Difficulty, ui.backing, "Difficulty").at(63, 17, 71, 12).statusImages(geocache::ratingImages());
    make(ui.txtTerrain, ui.backing, "txtTerrain").at(3, 2, 61, 16).font(boldAA()).pixelSize(11);
    make(ui.txtDiff, ui.backing, "txtDiff").at(3, 16, 61, 16).font(boldAA()).pixelSize(11);

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.horizontalLayout_3,
               {ui.labelRecentLogs, ui.iconLog1, ui.txtLog1, ui.iconLog2, ui.txtLog2, ui.iconLog3, ui.txtLog3,
                ui.iconLog4, ui.txtLog4, ui.iconLog5, ui.txtLog5, ui.horizontalSpacer});
    addMembers(ui.horizontalLayout_2, {ui.statGeocacheStatus, ui.txtStatus, ui.txtLastLogDate, ui.horizontalSpacer_2});
    addMembers(
        ui.horizontalLayout_7,
        {ui.iconPhoto, ui.labelPicturesCounter, ui.iconVideo, ui.labelVideoCounter, ui.iconMemo, ui.labelMemoCounter});
    addMembers(ui.horizontalLayout_4,
               {ui.iconPaneLocation_2, ui.dateTimeLabel_5, ui.horizontalSpacer_3, ui.statRoutingMethod});
    addMembers(ui.verticalLayout,
               {ui.buttonDDE, ui.buttonDescription, ui.buttonLogs, ui.buttonHint, ui.buttonStatus, ui.buttonLocation,
                ui.buttonPictures, ui.buttonAttributes, ui.buttonStats, ui.buttonOption});
}

void retranslateUi(Ui_GeocacheDetailsScreenClass &ui, QWidget *)
{
    ui.labelHeight->setContent(QString());
    ui.dateTimeLabel_2->setContent(QCoreApplication::translate("GeocacheDetailsScreenClass", "Description"));
    ui.labelRecentLogs->setContent(QCoreApplication::translate("GeocacheDetailsScreenClass", "Recent Logs"));
    ui.txtHint->setContent(QCoreApplication::translate("GeocacheDetailsScreenClass", "Hint"));
    ui.iconLocation->setContent(QString());
    ui.zelTextBox->setContent(QCoreApplication::translate("GeocacheDetailsScreenClass", "Location"));
    ui.iconAttributes->setContent(QString());
    ui.labelAttributes->setContent(QCoreApplication::translate("GeocacheDetailsScreenClass", "Attributes"));
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("GeocacheDetailsScreenClass", "Stats/History"));
    ui.iconAttributes_2->setContent(QString());
    ui.dateTimeLabel_5->setContent(QCoreApplication::translate("GeocacheDetailsScreenClass", "Options"));
    ui.txtSize->setContent(QCoreApplication::translate("GeocacheDetailsScreenClass", "Size"));
    ui.txtTerrain->setContent(QCoreApplication::translate("GeocacheDetailsScreenClass", "Terrain"));
    ui.txtDiff->setContent(QCoreApplication::translate("GeocacheDetailsScreenClass", "Difficulty"));
}

Form<Ui_GeocacheDetailsScreenClass, setupUi, retranslateUi> formGeocacheDetailsScreenClass;

} // namespace

FormLayout &GeocacheDetailsScreenClass()
{
    return formGeocacheDetailsScreenClass;
}

} // namespace quarn::forms
