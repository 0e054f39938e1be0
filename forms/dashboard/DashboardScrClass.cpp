#include "forms/dashboard/DashboardScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

const std::vector<navfields::Configuration> kDashboardDataFields = [] {
    using namespace navfields;
    return std::vector<Configuration>{
        {{full(183, 16, 32)}},
        {{full(91, 16, 28)}, {full(91, 16, 28)}},
        {{full(60, 16, 24)}, {full(60, 16, 24)}, {full(60, 16, 24)}},
        {{full(60, 16, 24)}, {full(60, 16, 24)}, {half(60), half(60)}},
        {{full(60, 16, 24)}, {half(60), half(60)}, {half(60), half(60)}},
        {{half(60), half(60)}, {half(60), half(60)}, {half(60), half(60)}},
        {{full(50, 16, 24)}, {half(45), half(45)}, {half(45), half(45)}, {half(45), half(45)}},
        {{half(45), half(45)}, {half(45), half(45)}, {half(45), half(45)}, {half(45), half(45)}},
    };
}();

void setupUi(Ui_DashboardScrClass &ui, QWidget *root)
{
    Root(root, "DashboardScrClass")
        .size(240, 400)
        .property("compassRadius", 45)
        .property("compassX", 42)
        .property("compassY", 67);

    make(ui.bkgdForGeocaches, root, "bkgdForGeocaches").at(0, 21, 240, 379).image(":/Bkgd/bkgd_Dashboard.mif");
    make(ui.iconGeocache, ui.bkgdForGeocaches, "iconGeocache").at(121, 39, 20, 20);
    make(ui.iconGeocacheFavorite, ui.bkgdForGeocaches, "iconGeocacheFavorite")
        .at(153, 38, 20, 20)
        .image(":/Icons/i_Favorite.mif");
    make(ui.iconGeocacheTrackables, ui.bkgdForGeocaches, "iconGeocacheTrackables")
        .at(178, 41, 11, 16)
        .image(":/Icons/i_HasTrackables.mif");
    make(ui.iconGeocacheFound, ui.bkgdForGeocaches, "iconGeocacheFound")
        .at(199, 41, 14, 15)
        .image(":/Icons/i_Found.mif");
    make(ui.iconGeocachePictureAttached, ui.bkgdForGeocaches, "iconGeocachePictureAttached")
        .at(216, 39, 20, 20)
        .image(":/Icons/i_MediaAttached.mif");
    make(ui.geocacheName, ui.bkgdForGeocaches, "geocacheName")
        .at(121, 9, 112, 16)
        .palette(whiteText())
        .caption()
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.bkgdWithoutGeocaches, root, "bkgdWithoutGeocaches")
        .at(0, 21, 240, 379)
        .image(":/Bkgd/bkgd_Dashboard_noRoute.mif");
    make(ui.iconFrog, ui.bkgdWithoutGeocaches, "iconFrog").at(134, 0, 71, 71).image(":/Icons/i_frog.mif");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnMenu, ui.statusBar, "btnMenu").at(180, 7, 60, 43).contextMenuButton();
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_Dashboard.mif")
        .pressed(":/Icons/i_ToolBar_Dashboard_h.mif");
    make(ui.cachesFound, root, "cachesFound")
        .at(113, 115, 47, 16)
        .palette(whiteText())
        .smallCaption()
        .alignment(Qt::AlignCenter)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.distanceToCache, root, "distanceToCache")
        .at(179, 116, 47, 16)
        .palette(whiteText())
        .buttonLabel()
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.distanceToCacheUnits, root, "distanceToCacheUnits")
        .at(186, 98, 31, 20)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.dashboardContainer, root, "dashboardContainer")
        .at(4, 153, 233, 210)
        .property("minNumberOfDataFields", 1u)
        .property("maxNumberOfDataFields", 8u)
        .property("navFieldsCfg", navfields::document(kDashboardDataFields));
    make(ui.compass, root, "compass")
        .at(-11, 8, 151, 151)
        .compassRing(":/Bkgd/bkgd_Compass_130.mif")
        .property("bDrawLabels", false)
        .imageProperty("targetIcon", ":/Icons/i_DashboardTarget.mif")
        .imageProperty("northBadge", ":/Icons/i_Compass_WhiteCardinalSmall.mif")
        .imageProperty("westBadge", ":/Icons/i_Compass_BlackCardinalSmall.mif")
        .imageProperty("southBadge", ":/Icons/i_Compass_BlackCardinalSmall.mif")
        .imageProperty("eastBadge", ":/Icons/i_Compass_BlackCardinalSmall.mif")
        .property("northUp", false)
        .property("dialRadius", 52)
        .property("dialCentre", QPoint(75, 82))
        .needles(":/Icons/i_Dashboard_Compass_Arrow_Green_small.mif",
                 ":/Icons/i_Dashboard_Compass_Arrow_Yellow_small.mif",
                 ":/Icons/i_Dashboard_Compass_Arrow_Red_small.mif", ":/Icons/i_Dashboard_Compass_Arrow_Blue_small.mif");
}

void retranslateUi(Ui_DashboardScrClass &ui, QWidget *)
{
    retranslateCompassLetters(
        ui.compass,
        {QCoreApplication::translate("DashboardScrClass", "N"), QCoreApplication::translate("DashboardScrClass", "W"),
         QCoreApplication::translate("DashboardScrClass", "S"), QCoreApplication::translate("DashboardScrClass", "E")});
}

Form<Ui_DashboardScrClass, setupUi, retranslateUi> formDashboardScrClass;

} // namespace

FormLayout &DashboardScrClass()
{
    return formDashboardScrClass;
}

} // namespace quarn::forms
