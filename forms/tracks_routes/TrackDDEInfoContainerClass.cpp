#include "forms/tracks_routes/TrackDDEInfoContainerClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackDDEInfoContainerClass &ui, QWidget *root)
{
    Root(root, "TrackDDEInfoContainerClass").size(232, 842);

    make(ui.icon_4, root, "icon_4").at(0, 10, 25, 22).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.Distance_2, root, "Distance_2").at(27, 10, 121, 33).trackInfoName();
    make(ui.txtDistanceInfo, root, "txtDistanceInfo").at(151, 10, 80, 32).trackInfoValue().content("2.3");
    make(ui.Distance_9, root, "Distance_9").at(27, 49, 121, 33).trackInfoName();
    make(ui.txtStraightDistance, root, "txtStraightDistance").at(151, 49, 80, 32).trackInfoValue().content("2.3");
    make(ui.icon_5, root, "icon_5").at(0, 92, 25, 22).image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.Distance_4, root, "Distance_4").at(27, 92, 121, 33).trackInfoName();
    make(ui.Distance_10, root, "Distance_10").at(27, 131, 121, 33).trackInfoName();
    make(ui.Distance_11, root, "Distance_11").at(27, 170, 121, 33).trackInfoName();
    make(ui.Distance_12, root, "Distance_12").at(27, 209, 121, 33).trackInfoName();
    make(ui.Distance_13, root, "Distance_13").at(27, 248, 121, 33).trackInfoName();
    make(ui.txtMovingTime, root, "txtMovingTime").at(151, 288, 80, 32).trackInfoValue().content("2.3");
    make(ui.Distance_14, root, "Distance_14").at(27, 287, 121, 33).trackInfoName();
    make(ui.Distance_15, root, "Distance_15").at(27, 326, 121, 33).trackInfoName();
    make(ui.txtStoppedTime, root, "txtStoppedTime").at(151, 326, 80, 32).trackInfoValue().content("2.3");
    make(ui.Distance_16, root, "Distance_16").at(27, 365, 121, 33).trackInfoName();
    make(ui.txtAvgSpeed, root, "txtAvgSpeed").at(151, 365, 80, 32).trackInfoValue().content("2.3");
    make(ui.Distance_17, root, "Distance_17").at(27, 404, 121, 33).trackInfoName();
    make(ui.txtAvgMovingSpeed, root, "txtAvgMovingSpeed").at(151, 404, 80, 32).trackInfoValue().content("2.3");
    make(ui.Distance_20, root, "Distance_20").at(27, 443, 121, 33).trackInfoName();
    make(ui.txtMaxMovingSpeed, root, "txtMaxMovingSpeed").at(151, 443, 80, 32).trackInfoValue().content("2.3");
    make(ui.Distance_18, root, "Distance_18").at(27, 482, 121, 33).trackInfoName();
    make(ui.txtAvgAscentSpeed, root, "txtAvgAscentSpeed").at(151, 482, 80, 32).trackInfoValue().content("2.3");
    make(ui.Distance_19, root, "Distance_19").at(27, 521, 121, 33).trackInfoName();
    make(ui.txtAvgDescentSpeed, root, "txtAvgDescentSpeed").at(151, 521, 80, 32).trackInfoValue().content("2.3");
    make(ui.Distance_21, root, "Distance_21").at(27, 560, 121, 33).trackInfoName();
    make(ui.txtAvgTimeToFind, root, "txtAvgTimeToFind").at(151, 560, 80, 32).trackInfoValue().content("2.3");
    make(ui.Distance_6, root, "Distance_6").at(27, 599, 121, 33).trackInfoName();
    make(ui.txtPoints, root, "txtPoints").at(151, 599, 80, 32).trackInfoValue().content("2.3");
    make(ui.Distance_7, root, "Distance_7").at(27, 638, 121, 33).trackInfoName();
    make(ui.txtSegments, root, "txtSegments").at(151, 638, 80, 32).trackInfoValue().content("2.3");
    make(ui.txtElevationChange, root, "txtElevationChange").at(151, 92, 80, 32).trackInfoValue().content("2.3");
    make(ui.txtTotalDescent, root, "txtTotalDescent").at(151, 131, 80, 32).trackInfoValue().content("2.3");
    make(ui.txtTotalAscent, root, "txtTotalAscent").at(151, 170, 80, 32).trackInfoValue().content("2.3");
    make(ui.txtTotalAscentAndDescent, root, "txtTotalAscentAndDescent")
        .at(151, 209, 80, 32)
        .trackInfoValue()
        .content("2.3");
    make(ui.txtDurationInfo, root, "txtDurationInfo").at(151, 248, 80, 32).trackInfoValue().content("2.3");
    make(ui.icon_6, root, "icon_6").at(0, 700, 25, 15).minSize(25, 0).image(":/Icons/i_HasWaypoints.mif");
    make(ui.Distance, root, "Distance").at(27, 700, 82, 21).palette(whiteTextRoleDimDisabled()).pixelSize(14);
    make(ui.txtDateStart, root, "txtDateStart").at(112, 700, 118, 20).caption().content("Feb, 10, 2009");
    make(ui.txtStartLat, root, "txtStartLat")
        .at(29, 719, 201, 20)
        .palette(whiteTextRoleDimDisabled())
        .caption()
        .content("34.52345 N");
    make(ui.Distance_3, root, "Distance_3").at(27, 775, 82, 21).palette(whiteTextRoleDimDisabled()).pixelSize(14);
    make(ui.txtDateEnd, root, "txtDateEnd").at(112, 775, 118, 20).caption().content("Feb, 10, 2009");
    make(ui.txtEndLat, root, "txtEndLat")
        .at(29, 794, 201, 20)
        .palette(whiteTextRoleDimDisabled())
        .caption()
        .content("34.52345 N");
}

void retranslateUi(Ui_TrackDDEInfoContainerClass &ui, QWidget *)
{
    ui.Distance_2->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Distance Traveled:"));
    ui.Distance_9->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Straight Line Distance"));
    ui.Distance_4->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Elevation change"));
    ui.Distance_10->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Total Descent"));
    ui.Distance_11->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Total Ascent"));
    ui.Distance_12->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Total Ascent & Descent"));
    ui.Distance_13->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Duration"));
    ui.Distance_14->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Moving Time"));
    ui.Distance_15->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Stoped Time"));
    ui.Distance_16->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Avg. Speed"));
    ui.Distance_17->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Avg. Moving Speed"));
    ui.Distance_20->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Max Speed"));
    ui.Distance_18->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Avg. Ascent Speed"));
    ui.Distance_19->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Avg. Descent Speed"));
    ui.Distance_21->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Avg. Time To Find"));
    ui.Distance_6->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Points"));
    ui.Distance_7->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Segments"));
    ui.Distance->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "Start:"));
    ui.Distance_3->setContent(QCoreApplication::translate("TrackDDEInfoContainerClass", "End:"));
}

Form<Ui_TrackDDEInfoContainerClass, setupUi, retranslateUi> formTrackDDEInfoContainerClass;

} // namespace

FormLayout &TrackDDEInfoContainerClass()
{
    return formTrackDDEInfoContainerClass;
}

} // namespace quarn::forms
