#include "forms/places/POIDDEScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIDDEScreenClass &ui, QWidget *root)
{
    Root(root, "POIDDEScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 48);
    make(ui.backing, root, "backing").at(3, 119, 234, 231);
    make(ui.txtTotalDescent, ui.backing, "txtTotalDescent").at(159, 104, 76, 20).panelText().content("0").pixelSize(14);
    make(ui.iconFlagBig, ui.backing, "iconFlagBig").at(0, 9, 38, 38).image(":/Icons/i_DestinationIcon.mif");
    make(ui.txtElevationChange, ui.backing, "txtElevationChange")
        .at(159, 68, 76, 21)
        .panelText()
        .content("0")
        .pixelSize(14);
    make(ui.labelDistance, ui.backing, "labelDistance")
        .at(38, 18, 120, 21)
        .plainPanelText()
        .scaledContents()
        .alignment(Qt::AlignLeading | Qt::AlignTop)
        .pixelSize(13);
    make(ui.txtBearing, ui.backing, "txtBearing").at(159, 188, 76, 21).panelText().content("0").pixelSize(14);
    make(ui.icon3DAbstractBig, ui.backing, "icon3DAbstractBig").at(0, 61, 38, 38).image(":/Icons/i_Elevation.mif");
    make(ui.iconDirectionBig, ui.backing, "iconDirectionBig")
        .at(0, 182, 33, 33)
        .statusImages(geocache::largeDirectionImages());
    make(ui.txtDistance, ui.backing, "txtDistance").at(159, 19, 76, 21).distancePageValue().content("0");
    make(ui.labelTotalAscent, ui.backing, "labelTotalAscent").at(38, 140, 120, 36).distancePageName();
    make(ui.labelTotalDescent, ui.backing, "labelTotalDescent").at(38, 104, 120, 36).distancePageName();
    make(ui.labelBearing, ui.backing, "labelBearing").at(38, 188, 120, 36).distancePageName();
    make(ui.txtTotalAscent, ui.backing, "txtTotalAscent").at(159, 140, 76, 21).panelText().content("0").pixelSize(14);
    make(ui.labelElevationChange, ui.backing, "labelElevationChange").at(38, 68, 120, 36).distancePageName();
    make(ui.btnTitle, root, "btnTitle").at(11, 72, 218, 44).panelButton();
    make(ui.iconFlag, ui.btnTitle, "iconFlag").at(6, 11, 25, 20).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.txtTitleDistance, ui.btnTitle, "txtTitleDistance").at(31, 12, 65, 19).distanceBarText();
    make(ui.icon3DAbstract, ui.btnTitle, "icon3DAbstract").at(97, 11, 25, 20).image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.txtTitleElevation, ui.btnTitle, "txtTitleElevation").at(124, 12, 61, 19).distanceBarText();
    make(ui.txtTitleDirection, ui.btnTitle, "txtTitleDirection").at(188, 12, 25, 19).distanceBarText();
    make(ui.iconDirection, ui.btnTitle, "iconDirection").at(188, 11, 25, 22).statusImages(paneDirectionImages());
}

void retranslateUi(Ui_POIDDEScreenClass &ui, QWidget *)
{
    ui.labelDistance->setContent(QCoreApplication::translate("POIDDEScreenClass", "Distance:"));
    ui.labelTotalAscent->setContent(QCoreApplication::translate("POIDDEScreenClass", "Total Ascent:"));
    ui.labelTotalDescent->setContent(QCoreApplication::translate("POIDDEScreenClass", "Total Descent:"));
    ui.labelBearing->setContent(QCoreApplication::translate("POIDDEScreenClass", "Bearing:"));
    ui.labelElevationChange->setContent(QCoreApplication::translate("POIDDEScreenClass", "Elevation Change:"));
    ui.txtTitleElevation->setContent(QString());
}

Form<Ui_POIDDEScreenClass, setupUi, retranslateUi> formPOIDDEScreenClass;

} // namespace

FormLayout &POIDDEScreenClass()
{
    return formPOIDDEScreenClass;
}

} // namespace quarn::forms
