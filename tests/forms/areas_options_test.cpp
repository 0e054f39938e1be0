// Area, geofence, option, sorting, profile and playback screens: pages the
// host switches, the stacking it relies on and the few controls whose
// settings pull against each other.

#include "catalogue/catalogue.h"
#include "controls/zel_controls.h"
#include "form_harness.h"
#include "forms/tracks_routes/PlayTrackScreenClass.h"
#include "forms/tracks_routes/RouteSortAndSearchScreenClass.h"
#include "forms/tracks_routes/RouteVPScreenClass.h"
#include "forms/tracks_routes/ToolsGeofenceDetailsScreen.h"
#include "forms/tracks_routes/VerticalProfileTrackScreenClass.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QResource>
#include <QStackedWidget>
#include <gtest/gtest.h>

namespace {

template <typename Ui>
Ui &recordOf(BuiltForm &form)
{
    return *reinterpret_cast<Ui *>(form.record());
}

QList<QWidget *> childWidgets(QWidget *parent)
{
    return parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

bool placeholderImagesRegistered()
{
    static const bool registered =
        QResource::registerResource(QCoreApplication::applicationDirPath() + QStringLiteral("/placeholders.rcc"));
    return registered;
}

// Both profiles switch the same three tool pages by index, but the route's
// opens on the zoom tools and the track's on the initial tools.
TEST(ProfileScreens, ToolPagesInOrderAndTheirStartPages)
{
    BuiltForm track = buildForm(catalogued("VerticalProfileTrackScreenClass"));
    auto &trackUi = recordOf<Ui_VerticalProfileTrackScreenClass>(track);
    BuiltForm route = buildForm(catalogued("RouteVPScreenClass"));
    auto &routeUi = recordOf<Ui_RouteVPScreenClass>(route);

    const QList<QWidget *> trackPages = {trackUi.initMode, trackUi.editMode, trackUi.zoomMode};
    const QList<QWidget *> routePages = {routeUi.initMode, routeUi.editMode, routeUi.zoomMode};
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(trackUi.stackedWidget->widget(page), trackPages[page]);
        EXPECT_EQ(routeUi.stackedWidget->widget(page), routePages[page]);
    }
    EXPECT_EQ(trackUi.stackedWidget->count(), 3);
    EXPECT_EQ(routeUi.stackedWidget->count(), 3);
    EXPECT_EQ(trackUi.stackedWidget->currentWidget(), trackUi.initMode);
    EXPECT_EQ(routeUi.stackedWidget->currentWidget(), routeUi.zoomMode);

    // The cursor buttons step while held, after a short delay.
    for (ZelPushButton *button : {trackUi.btnLeft, trackUi.btnRight, routeUi.btnLeft, routeUi.btnRight}) {
        EXPECT_TRUE(button->autoRepeat());
        EXPECT_EQ(button->autoRepeatDelay(), 100);
    }
}

// The route list's filter caption is a two-page widget; the host flips to
// the favourites page, so the order and the start page matter.
TEST(SortScreens, RouteFilterPagesStartOnAll)
{
    BuiltForm screen = buildForm(catalogued("RouteSortAndSearchScreenClass"), true);
    auto &ui = recordOf<Ui_RouteSortAndSearchScreenClass>(screen);
    ASSERT_EQ(ui.stackedWidget->count(), 2);
    EXPECT_EQ(ui.stackedWidget->widget(0), ui.pageAll);
    EXPECT_EQ(ui.stackedWidget->widget(1), ui.pageFavorites);
    EXPECT_EQ(ui.stackedWidget->currentWidget(), ui.pageAll);
    EXPECT_EQ(ui.btnShowAll->parentWidget(), ui.pageAll);
    EXPECT_EQ(ui.btnShowFavorites->parentWidget(), ui.pageFavorites);
    EXPECT_NE(ui.lblWptFilter->content(), ui.lblWptFilter_3->content());
}

// The white scale text must end on top of its grey shadow, one pixel up and
// left of it, with the bracket below both.
TEST(PlaybackScreen, ScaleTextLiesOverItsShadow)
{
    BuiltForm screen = buildForm(catalogued("PlayTrackScreenClass"));
    auto &ui = recordOf<Ui_PlayTrackScreenClass>(screen);
    const QList<QWidget *> order = childWidgets(ui.widgetScale);
    EXPECT_LT(order.indexOf(ui.iconScale), order.indexOf(ui.txtScaleShadow));
    EXPECT_LT(order.indexOf(ui.txtScaleShadow), order.indexOf(ui.txtScale));
    EXPECT_EQ(ui.txtScaleShadow->pos() - ui.txtScale->pos(), QPoint(1, 1));
    EXPECT_NE(ui.txtScaleShadow->palette().color(QPalette::WindowText),
              ui.txtScale->palette().color(QPalette::WindowText));

    // Play and pause share one slot; the host shows one of them.
    EXPECT_EQ(ui.btnPlay->parentWidget(), ui.btnPause->parentWidget());
    EXPECT_EQ(ui.horizontalLayout->indexOf(ui.btnPlay), 0);
    EXPECT_EQ(ui.horizontalLayout->indexOf(ui.btnPause), 1);
    EXPECT_EQ(ui.progressBar->value(), 24);
    EXPECT_FALSE(ui.progressBar->isTextVisible());
}

// The geofence details: a combo whose point-size font must survive the
// control's own pixel size of -1, and toggles that carry a Qt button icon.
TEST(GeofenceScreens, DetailsCombosAndToggles)
{
    const bool pictures =
        placeholderImagesRegistered() && QFile::exists(QStringLiteral(":/Buttons/b_ToggleButton_h.mif"));
    BuiltForm screen = buildForm(catalogued("ToolsGeofenceDetailsScreen"), true);
    auto &ui = recordOf<Ui_ToolsGeofenceDetailsScreen>(screen);
    EXPECT_EQ(ui.comboProximityAlert->font().pointSize(), 9);
    EXPECT_TRUE(ui.comboProximityAlert->font().bold());
    EXPECT_EQ(ui.comboProximityAlert->fontPixelSize(), -1);
    EXPECT_TRUE(ui.comboProximityAlert->eventPropagation());

    // Save and Delete take turns in one place of the bottom bar.
    EXPECT_EQ(ui.btnSave->geometry(), ui.btnDelete->geometry());
    EXPECT_EQ(ui.btnSave->parentWidget(), ui.btnDelete->parentWidget());
    EXPECT_TRUE(screen.root()->property("windowTitle").toString().isEmpty());

    if (!pictures)
        GTEST_SKIP() << "no placeholder pictures for the toggle faces";
    for (ZelPushButton *toggle :
         {ui.buttonBorderAlert, ui.buttonProximityAlert, static_cast<ZelPushButton *>(ui.chkShowOnMap)}) {
        SCOPED_TRACE(toggle->objectName().toStdString());
        EXPECT_EQ(toggle->icon().availableSizes(QIcon::Normal, QIcon::Off).size(), 1);
        EXPECT_EQ(toggle->icon().availableSizes(QIcon::Normal, QIcon::On).size(), 1);
    }
}

// Widgets raised at the end of setup: the area panel above the shaded
// field, the source path of the route options above everything else.
TEST(AreaAndOptionScreens, RaisedWidgetsEndOnTop)
{
    struct Expectation {
        const char *form;
        const char *top;
        const char *below;
    };
    const Expectation expectations[] = {
        {"AreaCalculationScreenClass", "btnAreaCalculation", "statusBar"},
        {"RouteOptionsScreenClass", "txtWaypointSource", "btnDelete"},
    };
    for (const Expectation &expected : expectations) {
        SCOPED_TRACE(expected.form);
        BuiltForm screen = buildForm(catalogued(expected.form));
        const QList<QWidget *> order = childWidgets(screen.root());
        ASSERT_GE(order.size(), 2);
        EXPECT_EQ(order.last()->objectName(), QString::fromUtf8(expected.top));
        EXPECT_EQ(order.at(order.size() - 2)->objectName(), QString::fromUtf8(expected.below));
    }
}

} // namespace
