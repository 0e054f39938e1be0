#include "forms/places/POIDetailScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIDetailScreenClass &ui, QWidget *root)
{
    Root(root, "POIDetailScreenClass").size(240, 400);

    make(ui.layoutWidget, root, "layoutWidget").at(7, 72, 232, 246);
    layout(ui.verticalLayout, ui.layoutWidget, "verticalLayout");
    make(ui.btnDDE, ui.layoutWidget, "btnDDE").plainPanelButton();
    make(ui.txtDirection, ui.btnDDE, "txtDirection").at(192, 12, 25, 19).distanceBarText();
    make(ui.txtElevation, ui.btnDDE, "txtElevation").at(128, 12, 61, 19).distanceBarText();
    make(ui.iconDirection, ui.btnDDE, "iconDirection").at(192, 11, 25, 22).statusImages(paneDirectionImages());
    make(ui.iconFlag, ui.btnDDE, "iconFlag").at(10, 11, 25, 20).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.icon3DAbstract, ui.btnDDE, "icon3DAbstract").at(101, 11, 25, 20).image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.txtDistance, ui.btnDDE, "txtDistance").at(35, 12, 65, 19).distanceBarText();
    make(ui.btnDescription, ui.layoutWidget, "btnDescription").plainPanelButton();
    make(ui.label_3, ui.btnDescription, "label_3").at(13, 15, 81, 16).smallCaption();
    make(ui.txtDescription, ui.btnDescription, "txtDescription")
        .at(100, 16, 111, 16)
        .content("Blah-blah-blah")
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnLocation, ui.layoutWidget, "btnLocation").plainPanelButton();
    make(ui.horizontalLayoutWidget_2, ui.btnLocation, "horizontalLayoutWidget_2").at(12, 10, 206, 23);
    layout(ui.horizontalLayout, ui.horizontalLayoutWidget_2, "horizontalLayout").spacing(4);
    make(ui.label_4, ui.horizontalLayoutWidget_2, "label_4").smallCaption();
    make(ui.txtCoord1, ui.horizontalLayoutWidget_2, "txtCoord1")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("qqqqq")
        .pixelSize(10)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnPictures, ui.layoutWidget, "btnPictures").plainPanelButton();
    make(ui.label_6, ui.btnPictures, "label_6").at(13, 15, 81, 16).smallCaption();
    make(ui.txtPictNum, ui.btnPictures, "txtPictNum").at(100, 16, 111, 16).content("0").pixelSize(12);
    make(ui.btnOptions, ui.layoutWidget, "btnOptions").plainPanelButton();
    make(ui.label_7, ui.btnOptions, "label_7").at(13, 15, 81, 16).smallCaption();
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 48);

    addMembers(ui.horizontalLayout, {ui.label_4, ui.txtCoord1});
    addMembers(ui.verticalLayout, {ui.btnDDE, ui.btnDescription, ui.btnLocation, ui.btnPictures, ui.btnOptions});
}

void retranslateUi(Ui_POIDetailScreenClass &ui, QWidget *)
{
    ui.txtElevation->setContent(QString());
    ui.label_3->setContent(QCoreApplication::translate("POIDetailScreenClass", "Description"));
    ui.label_4->setContent(QCoreApplication::translate("POIDetailScreenClass", "Location"));
    ui.label_6->setContent(QCoreApplication::translate("POIDetailScreenClass", "Pictures"));
    ui.label_7->setContent(QCoreApplication::translate("POIDetailScreenClass", "Options"));
}

Form<Ui_POIDetailScreenClass, setupUi, retranslateUi> formPOIDetailScreenClass;

} // namespace

FormLayout &POIDetailScreenClass()
{
    return formPOIDetailScreenClass;
}

} // namespace quarn::forms
