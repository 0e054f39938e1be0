#include "forms/tracks_routes/RouteDetailsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteDetailsScreenClass &ui, QWidget *root)
{
    Root(root, "RouteDetailsScreenClass").size(240, 400);

    make(ui.scrollArea, root, "scrollArea").at(0, 76, 240, 268).scrollingPage();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, -84, 230, 350)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 350);
    make(ui.verticalLayoutWidget, ui.scrollAreaWidgetContents, "verticalLayoutWidget").at(0, 1, 230, 310);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout").spacing(0);
    make(ui.buttonDDE, ui.verticalLayoutWidget, "buttonDDE").panelButton().eventPropagation();
    make(ui.iconFlag, ui.buttonDDE, "iconFlag").at(11, 10, 25, 22).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.labelDistance, ui.buttonDDE, "labelDistance").at(36, 11, 65, 21).panelText().pixelSize(13);
    make(ui.icon3DAbstract, ui.buttonDDE, "icon3DAbstract")
        .at(102, 10, 25, 22)
        .image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.labelHeight, ui.buttonDDE, "labelHeight").at(129, 11, 61, 21).panelText().pixelSize(13);
    make(ui.buttonDescription, ui.verticalLayoutWidget, "buttonDescription").panelButton().eventPropagation();
    make(ui.dateTimeLabel_2, ui.buttonDescription, "dateTimeLabel_2").at(33, 10, 85, 21).panelText().pixelSize(13);
    make(ui.labelDescription, ui.buttonDescription, "labelDescription")
        .at(116, 10, 101, 20)
        .font(normalWeightAA())
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconPaneLocation_3, ui.buttonDescription, "iconPaneLocation_3")
        .at(6, 9, 25, 22)
        .image(":/Icons/i_PaneBtn_Desciption.mif");
    make(ui.buttonPoints, ui.verticalLayoutWidget, "buttonPoints").panelButton().eventPropagation();
    make(ui.dateTimeLabel_3, ui.buttonPoints, "dateTimeLabel_3").at(33, 10, 51, 21).panelText().pixelSize(13);
    make(ui.labelDistance2, ui.buttonPoints, "labelDistance2").at(142, 10, 65, 21).panelText().pixelSize(13);
    make(ui.iconFlag_2, ui.buttonPoints, "iconFlag_2")
        .at(117, 10, 25, 22)
        .image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.txtPoints, ui.buttonPoints, "txtPoints").at(82, 10, 35, 21).panelText().content("(%1)").pixelSize(13);
    make(ui.iconPaneLocation_4, ui.buttonPoints, "iconPaneLocation_4")
        .at(6, 9, 25, 22)
        .image(":/Icons/i_PanelBtn_Route_Points.mif");
    make(ui.buttonVerticalProfile, ui.verticalLayoutWidget, "buttonVerticalProfile").panelButton().eventPropagation();
    make(ui.zelTextBox, ui.buttonVerticalProfile, "zelTextBox").at(34, 10, 111, 21).panelText().pixelSize(13);
    make(ui.labelHeight2, ui.buttonVerticalProfile, "labelHeight2").at(150, 10, 61, 21).plainPanelText().pixelSize(13);
    make(ui.icon3DAbstract_2, ui.buttonVerticalProfile, "icon3DAbstract_2")
        .at(7, 9, 25, 22)
        .image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.buttonAreaCalc, ui.verticalLayoutWidget, "buttonAreaCalc").panelButton().eventPropagation();
    make(ui.dateTimeLabel_4, ui.buttonAreaCalc, "dateTimeLabel_4").at(34, 10, 111, 21).panelText().pixelSize(13);
    make(ui.txtArea, ui.buttonAreaCalc, "txtArea")
        .at(152, 10, 61, 21)
        .panelText()
        .alignment(Qt::AlignCenter)
        .content("0 sq.m")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconPaneLocation_5, ui.buttonAreaCalc, "iconPaneLocation_5")
        .at(7, 9, 25, 22)
        .image(":/Icons/i_PanelBtn_AreaCalculation.mif");
    make(ui.buttonPictures, ui.verticalLayoutWidget, "buttonPictures").panelButton().eventPropagation();
    make(ui.labelMemoCounter, ui.buttonPictures, "labelMemoCounter").at(171, 10, 41, 20).panelText().pixelSize(13);
    make(ui.iconMemo, ui.buttonPictures, "iconMemo").at(144, 10, 25, 22).image(":/Icons/i_PaneBtn_Music.mif");
    make(ui.labelPicturesCounter, ui.buttonPictures, "labelPicturesCounter")
        .at(32, 10, 41, 21)
        .panelText()
        .pixelSize(13);
    make(ui.labelVideoCounter, ui.buttonPictures, "labelVideoCounter").at(102, 10, 41, 20).panelText().pixelSize(13);
    make(ui.iconPhoto, ui.buttonPictures, "iconPhoto").at(6, 10, 25, 31).image(":/Icons/i_PaneBtn_Pictures.mif");
    make(ui.iconVideo, ui.buttonPictures, "iconVideo").at(76, 10, 25, 22).image(":/Icons/i_PaneBtn_Video.mif");
    make(ui.buttonOption, ui.verticalLayoutWidget, "buttonOption").panelButton().eventPropagation();
    make(ui.horizontalLayoutWidget_3, ui.buttonOption, "horizontalLayoutWidget_3").at(7, 6, 206, 32);
    layout(ui.horizontalLayout_4, ui.horizontalLayoutWidget_3, "horizontalLayout_4").spacing(1);
    make(ui.iconPaneLocation_2, ui.horizontalLayoutWidget_3, "iconPaneLocation_2")
        .image(":/Icons/i_PaneBtn_Options.mif");
    coordinateReadOut(ui.dateTimeLabel_5, ui.horizontalLayoutWidget_3, "dateTimeLabel_5").panelText().pixelSize(13);
    spacer(ui.horizontalSpacer, 30, 20, QSizePolicy::Maximum, QSizePolicy::Minimum);
    make(ui.statRoutingMethod, ui.horizontalLayoutWidget_3, "statRoutingMethod")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed)
        .statusImages(geocache::routingMethodImages());
    make(ui.routeHeaderItem, root, "routeHeaderItem").at(1, 20, 240, 47);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.horizontalLayout_4,
               {ui.iconPaneLocation_2, ui.dateTimeLabel_5, ui.horizontalSpacer, ui.statRoutingMethod});
    addMembers(ui.verticalLayout,
               {ui.buttonDDE, ui.buttonDescription, ui.buttonPoints, ui.buttonVerticalProfile, ui.buttonAreaCalc,
                ui.buttonPictures, ui.buttonOption});
}

void retranslateUi(Ui_RouteDetailsScreenClass &ui, QWidget *)
{
    ui.dateTimeLabel_2->setContent(QCoreApplication::translate("RouteDetailsScreenClass", "Description"));
    ui.dateTimeLabel_3->setContent(QCoreApplication::translate("RouteDetailsScreenClass", "Points"));
    ui.zelTextBox->setContent(QCoreApplication::translate("RouteDetailsScreenClass", "Vertical Profile"));
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("RouteDetailsScreenClass", "Area Calculation"));
    ui.dateTimeLabel_5->setContent(QCoreApplication::translate("RouteDetailsScreenClass", "Options"));
}

Form<Ui_RouteDetailsScreenClass, setupUi, retranslateUi> formRouteDetailsScreenClass;

} // namespace

FormLayout &RouteDetailsScreenClass()
{
    return formRouteDetailsScreenClass;
}

} // namespace quarn::forms
