#include "forms/geocaching/GeocacheDDEScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheDDEScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheDDEScreenClass").size(240, 400);

    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
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
    make(ui.btnTitle, root, "btnTitle").at(7, 72, 226, 44).panelButton().eventPropagation();
    make(ui.txtTitleDirection, ui.btnTitle, "txtTitleDirection").at(190, 10, 25, 22).panelText().pixelSize(12);
    make(ui.txtTitleDistance, ui.btnTitle, "txtTitleDistance").at(33, 4, 65, 33).panelText().wordWrap().pixelSize(12);
    make(ui.icon3DAbstract, ui.btnTitle, "icon3DAbstract").at(99, 10, 25, 22).image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.iconDirection, ui.btnTitle, "iconDirection").at(190, 10, 25, 22).statusImages(paneDirectionImages());
    make(ui.txtTitleElevation, ui.btnTitle, "txtTitleElevation")
        .at(126, 4, 61, 33)
        .panelText()
        .wordWrap()
        .pixelSize(12);
    make(ui.iconFlag, ui.btnTitle, "iconFlag").at(8, 10, 25, 22).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
}

void retranslateUi(Ui_GeocacheDDEScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.labelDistance->setContent(QCoreApplication::translate("GeocacheDDEScreenClass", "Distance:"));
    ui.labelTotalAscent->setContent(QCoreApplication::translate("GeocacheDDEScreenClass", "Total Ascent:"));
    ui.labelTotalDescent->setContent(QCoreApplication::translate("GeocacheDDEScreenClass", "Total Descent:"));
    ui.labelBearing->setContent(QCoreApplication::translate("GeocacheDDEScreenClass", "Bearing:"));
    ui.labelElevationChange->setContent(QCoreApplication::translate("GeocacheDDEScreenClass", "Elevation Change:"));
    ui.txtTitleElevation->setContent(QString());
}

Form<Ui_GeocacheDDEScreenClass, setupUi, retranslateUi> formGeocacheDDEScreenClass;

} // namespace

FormLayout &GeocacheDDEScreenClass()
{
    return formGeocacheDDEScreenClass;
}

} // namespace quarn::forms
