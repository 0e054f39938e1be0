#include "forms/places/WptDDEScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptDDEScreenClass &ui, QWidget *root)
{
    Root(root, "WptDDEScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(3, 119, 234, 231);
    make(ui.txtDistance, ui.backing, "txtDistance").at(159, 19, 76, 21).distancePageValue().content("0");
    make(ui.iconDirectionBig, ui.backing, "iconDirectionBig")
        .at(0, 182, 33, 33)
        .statusImages(geocache::largeDirectionImages());
    make(ui.txtElevationChange, ui.backing, "txtElevationChange").at(159, 68, 76, 21).distancePageValue().content("0");
    make(ui.labelDistance, ui.backing, "labelDistance")
        .at(38, 19, 120, 21)
        .plainPanelText()
        .scaledContents()
        .alignment(Qt::AlignLeading | Qt::AlignTop)
        .pixelSize(13);
    make(ui.labelBearing, ui.backing, "labelBearing").at(38, 188, 120, 36).distancePageName().scaledContents();
    make(ui.iconFlagBig, ui.backing, "iconFlagBig").at(0, 9, 38, 38).image(":/Icons/i_DestinationIcon.mif");
    make(ui.icon3DAbstractBig, ui.backing, "icon3DAbstractBig").at(0, 61, 38, 38).image(":/Icons/i_Elevation.mif");
    make(ui.labelTotalAscent, ui.backing, "labelTotalAscent").at(38, 140, 120, 36).distancePageName();
    make(ui.txtTotalDescent, ui.backing, "txtTotalDescent").at(159, 104, 76, 20).distancePageValue().content("0");
    make(ui.labelTotalDescent, ui.backing, "labelTotalDescent").at(38, 104, 120, 36).distancePageName();
    make(ui.labelElevationChange, ui.backing, "labelElevationChange").at(38, 68, 120, 36).distancePageName();
    make(ui.txtBearing, ui.backing, "txtBearing").at(159, 188, 76, 21).distancePageValue().content("0");
    make(ui.txtTotalAscent, ui.backing, "txtTotalAscent").at(159, 140, 76, 21).distancePageValue().content("0");
    make(ui.btnTitle, root, "btnTitle").at(11, 72, 218, 44).panelButton();
    make(ui.iconFlag, ui.btnTitle, "iconFlag").at(8, 11, 25, 20).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.txtTitleDistance, ui.btnTitle, "txtTitleDistance").at(33, 12, 65, 19).distanceBarText();
    make(ui.icon3DAbstract, ui.btnTitle, "icon3DAbstract").at(99, 11, 25, 20).image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.txtTitleElevation, ui.btnTitle, "txtTitleElevation").at(126, 12, 61, 19).distanceBarText();
    make(ui.txtTitleDirection, ui.btnTitle, "txtTitleDirection").at(190, 12, 25, 19).distanceBarText();
    make(ui.iconDirection, ui.btnTitle, "iconDirection").at(190, 11, 25, 22).statusImages(paneDirectionImages());
}

void retranslateUi(Ui_WptDDEScreenClass &ui, QWidget *)
{
    ui.labelDistance->setContent(QCoreApplication::translate("WptDDEScreenClass", "Distance:"));
    ui.labelBearing->setContent(QCoreApplication::translate("WptDDEScreenClass", "Bearing:"));
    ui.labelTotalAscent->setContent(QCoreApplication::translate("WptDDEScreenClass", "Total Ascent:"));
    ui.labelTotalDescent->setContent(QCoreApplication::translate("WptDDEScreenClass", "Total Descent:"));
    ui.labelElevationChange->setContent(QCoreApplication::translate("WptDDEScreenClass", "Elevation Change:"));
    ui.txtTitleElevation->setContent(QString());
}

Form<Ui_WptDDEScreenClass, setupUi, retranslateUi> formWptDDEScreenClass;

} // namespace

FormLayout &WptDDEScreenClass()
{
    return formWptDDEScreenClass;
}

} // namespace quarn::forms
