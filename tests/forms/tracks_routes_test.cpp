// Track and route screens: what the host relies on beyond the widget tree
// itself (bottom-bar button groups laid out side by side, scroll contents,
// row pages, raise order and the list rows' faces).

#include "catalogue/catalogue.h"
#include "controls/zel_controls.h"
#include "form_harness.h"
#include "forms/tracks_routes/RoutePointItemClass.h"
#include "forms/tracks_routes/TrackDDEScreenClass.h"
#include "forms/tracks_routes/TrackListScreenClass.h"

#include <QLayout>
#include <QPixmap>
#include <QScrollArea>
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

// The track screens put Map and Go into a layout fixed at 60 x 43 per button;
// once the layout runs they must sit side by side, flush, not stretched.
TEST(TrackScreens, MapAndGoButtonsLaidOutSideBySide)
{
    const char *screens[] = {"TrackDetailsScreenClass", "TrackDDEScreenClass", "TrackDescriptionScreenClass",
                             "TrackMediaScreenClass"};
    for (const char *name : screens) {
        SCOPED_TRACE(name);
        BuiltForm form = buildForm(catalogued(name));
        auto *map = form.root()->findChild<ZelPushButton *>(QStringLiteral("btnMap"));
        auto *go = form.root()->findChild<ZelPushButton *>(QStringLiteral("btnGo"));
        ASSERT_TRUE(map && go);
        ASSERT_EQ(map->parentWidget(), go->parentWidget());
        ASSERT_TRUE(map->parentWidget()->layout());
        map->parentWidget()->layout()->activate();
        EXPECT_EQ(map->size(), QSize(60, 43));
        EXPECT_EQ(go->size(), QSize(60, 43));
        EXPECT_EQ(map->x() + 60, go->x());
        EXPECT_EQ(map->y(), go->y());
    }
}

// The route screens place their four bottom-bar buttons by hand: each in its
// own 60-pixel slot, none covering another.
TEST(RouteScreens, BottomBarButtonsFillTheirOwnSlots)
{
    const char *screens[] = {"RouteDetailsScreenClass", "RouteDDEScreenClass", "RouteDescriptionScreenClass",
                             "RouteMediaScreenClass", "RoutePointsScreenClass"};
    const char *buttons[] = {"btnBack", "btnMap", "btnGo", "btnContextMenu"};
    for (const char *name : screens) {
        SCOPED_TRACE(name);
        BuiltForm form = buildForm(catalogued(name));
        auto *bar = form.root()->findChild<ZelIcon *>(QStringLiteral("statusBar"));
        ASSERT_TRUE(bar);
        for (int slot = 0; slot < 4; ++slot) {
            auto *button =
                bar->findChild<ZelPushButton *>(QString::fromUtf8(buttons[slot]), Qt::FindDirectChildrenOnly);
            ASSERT_TRUE(button) << buttons[slot];
            EXPECT_EQ(button->geometry(), QRect(slot * 60, 7, 60, 43)) << buttons[slot];
        }
    }
}

// The figures screen scrolls its own content widget; the content keeps the
// width of the figures form the host lays into it.
TEST(TrackScreens, FiguresScrollAreaHoldsItsContent)
{
    BuiltForm screen = buildForm(catalogued("TrackDDEScreenClass"));
    auto &ui = recordOf<Ui_TrackDDEScreenClass>(screen);
    ASSERT_EQ(ui.scrollArea->widget(), ui.scrollAreaWidgetContents);
    EXPECT_EQ(ui.scrollAreaWidgetContents->parentWidget(), ui.scrollArea->viewport());
    EXPECT_FALSE(ui.scrollArea->widgetResizable());

    const CatalogueEntry &content = catalogued("TrackDDEInfoContainerClass");
    EXPECT_EQ(ui.scrollAreaWidgetContents->width(), content.width);
    // The panel with the summary sits above the scrolled figures, not under them.
    const QList<QWidget *> order = childWidgets(screen.root());
    EXPECT_LT(order.indexOf(ui.scrollArea), order.indexOf(ui.btnDDE));
    EXPECT_EQ(order.last(), ui.statusBar);
}

// Raising the title icon twice leaves it above the count it was first raised
// over and below everything raised after its second raise.
TEST(TrackScreens, ListTitleRaiseOrder)
{
    BuiltForm screen = buildForm(catalogued("TrackListScreenClass"));
    auto &ui = recordOf<Ui_TrackListScreenClass>(screen);
    const QList<QWidget *> order = childWidgets(ui.backing);
    const QList<QWidget *> expectedTop = {ui.txtNumOfTracks, ui.icon, ui.txtCurPage, ui.txtPOIName, ui.txtFilter};
    ASSERT_GE(order.size(), expectedTop.size());
    EXPECT_EQ(order.mid(order.size() - expectedTop.size()), expectedTop);
}

// A point row switches between three pages by index; the host counts on the
// order normal, edit, add and on starting at the normal row.
TEST(RouteScreens, PointRowPagesInOrderStartingOnNormal)
{
    BuiltForm row = buildForm(catalogued("RoutePointItemClass"));
    auto &ui = recordOf<Ui_RoutePointItemClass>(row);
    ASSERT_EQ(ui.stackedWidget->count(), 3);
    EXPECT_EQ(ui.stackedWidget->widget(0), ui.pageNormal);
    EXPECT_EQ(ui.stackedWidget->widget(1), ui.pageEdit);
    EXPECT_EQ(ui.stackedWidget->widget(2), ui.pageAdd);
    EXPECT_EQ(ui.stackedWidget->currentWidget(), ui.pageNormal);
    EXPECT_EQ(ui.textName->parentWidget(), ui.pageNormal);
    EXPECT_EQ(ui.btnPageUp->parentWidget(), ui.pageEdit);
    EXPECT_EQ(ui.txtName->parentWidget()->parentWidget(), ui.pageAdd);

    // Held up and down buttons step through the route.
    for (ZelPushButton *button : {ui.btnPageUp, ui.btnPageDown}) {
        EXPECT_TRUE(button->autoRepeat());
        EXPECT_EQ(button->autoRepeatInterval(), 200);
    }
}

// Every list row of these screens hands the host its three row faces; the
// go-to row alone leaves event propagation unset.
TEST(TrackAndRouteRows, RowRootsCarryFacesForTheHost)
{
    const char *rows[] = {"TrackListItemClass", "RouteListItemClass", "RoutePointItemClass",
                          "GotoRoutePtListItemClass"};
    for (const char *name : rows) {
        SCOPED_TRACE(name);
        BuiltForm row = buildForm(catalogued(name), true);
        for (const char *face : {"normal", "pressed", "focused"}) {
            const QVariant value = row.root()->property(face);
            EXPECT_EQ(value.userType(), QMetaType::QPixmap) << face;
        }
        const bool propagates = row.root()->property("eventPropagation").toBool();
        EXPECT_EQ(propagates, qstrcmp(name, "GotoRoutePtListItemClass") != 0);
        EXPECT_FALSE(row.root()->property("windowTitle").toString().isEmpty());
    }
}

} // namespace
