// The waypoint and point-of-interest screens as the host drives them: direction
// arrows it turns by index, values it shows that a language change clears,
// pages it switches, and layouts and scroll areas it shows on screen.

#include "form_harness.h"

#include "controls/zel_scroll_area.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QStackedWidget>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

bool isPlaceScreen(const char *name)
{
    return std::strncmp(name, "Wpt", 3) == 0 || std::strncmp(name, "POI", 3) == 0;
}

void retranslate(const char *formName, BuiltForm &built)
{
    catalogued(formName).form().retranslateUi(built.record(), built.root());
}

// The compass word of a direction image: ":/Icons/i_PaneBtn_DNorthEast.mif" -> "NorthEast".
QString directionOf(const QString &path)
{
    const int start = path.lastIndexOf(QStringLiteral("_D")) + 2;
    return path.mid(start, path.lastIndexOf(QLatin1Char('.')) - start);
}

TEST(PlaceScreens, DirectionIndicatorsTurnClockwiseFromNorthInOneImageFamily)
{
    const QStringList clockwise = {
        QStringLiteral("North"), QStringLiteral("NorthEast"), QStringLiteral("East"), QStringLiteral("SouthEast"),
        QStringLiteral("South"), QStringLiteral("SouthWest"), QStringLiteral("West"), QStringLiteral("NorthWest")};
    int indicators = 0;
    for (const CatalogueEntry &entry : kCatalogue) {
        if (!isPlaceScreen(entry.name))
            continue;
        BuiltForm built = buildForm(entry, true);
        for (const ZelStatusIndicator *indicator : built.root()->findChildren<ZelStatusIndicator *>()) {
            const QStringList images = indicator->images();
            if (images.isEmpty() || !images.first().contains(QStringLiteral("North")))
                continue; // the routing-activity indicators
            ++indicators;
            const QString where = QString::fromUtf8(entry.name) + QLatin1Char('/') + indicator->objectName();
            QStringList directions;
            for (const QString &path : images) {
                directions << directionOf(path);
                // Small and big arrows never mix within one indicator.
                EXPECT_EQ(path.left(path.lastIndexOf(QStringLiteral("_D"))),
                          images.first().left(images.first().lastIndexOf(QStringLiteral("_D"))))
                    << where.toStdString();
            }
            EXPECT_EQ(directions, clockwise) << where.toStdString();
        }
    }
    EXPECT_GE(indicators, 7) << "direction indicators of the waypoint and point-of-interest screens";
}

TEST(PlaceScreens, DirectionTextAndArrowShareAPlaceBothVisible)
{
    struct Pair {
        const char *form;
        const char *text;
        const char *arrow;
        bool arrowOnTop;
    };
    const Pair pairs[] = {{"WptListItem", "txtDirection", "statDirection", true},
                          {"WptDetailScreenClass", "labelDirection", "indicatorDirection", true},
                          {"WptDDEScreenClass", "txtTitleDirection", "iconDirection", true},
                          {"POIListItemClass", "textDirection", "statDirection", false}};
    for (const Pair &pair : pairs) {
        BuiltForm built = buildForm(catalogued(pair.form), true);
        QWidget *text = child<ZelTextBox>(built, pair.text);
        QWidget *arrow = child<ZelStatusIndicator>(built, pair.arrow);
        ASSERT_TRUE(text && arrow);
        ASSERT_EQ(text->parentWidget(), arrow->parentWidget()) << pair.form;
        EXPECT_TRUE(text->geometry().intersects(arrow->geometry())) << pair.form;
        EXPECT_FALSE(text->isHidden()) << pair.form;
        EXPECT_FALSE(arrow->isHidden()) << pair.form;
        // Later siblings paint over earlier ones.
        const QObjectList siblings = text->parentWidget()->children();
        EXPECT_EQ(siblings.indexOf(arrow) > siblings.indexOf(text), pair.arrowOnTop) << pair.form;
    }
}

TEST(PlaceScreens, LanguageChangeClearsShownValuesButNotThePlaceholdersOfRows)
{
    struct Shown {
        const char *form;
        std::vector<const char *> cleared;
        std::vector<const char *> kept; // host values retranslateUi leaves alone
    };
    const Shown screens[] = {
        {"WptDetailScreenClass", {"labelHeight", "labelLocation"}, {"labelDistance", "labelDescription"}},
        {"WptDDEScreenClass", {"txtTitleElevation"}, {"txtTitleDistance", "txtDistance", "txtBearing"}},
        {"WptLocationScreenClass",
         {"PrimaryCoord", "PrimaryDatum", "SecondaryCoord", "SecondaryDatum", "labelLocation"},
         {}},
        {"POIDetailScreenClass", {"txtElevation"}, {"txtDistance", "txtCoord1", "txtDescription"}},
        {"POILocationScreenClass", {"PrimaryCoord", "SecondaryDatum"}, {"Location"}},
    };
    const QString hostValue = QStringLiteral("1234 m");
    for (const Shown &screen : screens) {
        BuiltForm built = buildForm(catalogued(screen.form), true);
        for (const char *name : screen.cleared)
            child<ZelTextBox>(built, name)->setContent(hostValue);
        for (const char *name : screen.kept)
            child<ZelTextBox>(built, name)->setContent(hostValue);
        retranslate(screen.form, built);
        for (const char *name : screen.cleared)
            EXPECT_TRUE(child<ZelTextBox>(built, name)->content().isEmpty()) << screen.form << "/" << name;
        for (const char *name : screen.kept)
            EXPECT_EQ(child<ZelTextBox>(built, name)->content(), hostValue) << screen.form << "/" << name;
    }

    // A row shows its placeholders until the host fills it, language changes or not.
    BuiltForm row = buildForm(catalogued("WptListItem"));
    retranslate("WptListItem", row);
    retranslate("WptListItem", row);
    QStringList shown;
    for (const char *name : {"txtWptName", "txtDistance", "txtHeight", "txtDirection"})
        shown << child<ZelTextBox>(row, name)->content();
    EXPECT_EQ(shown,
              QStringList({QStringLiteral("WPT"), QStringLiteral("0.0"), QStringLiteral("0.0"), QStringLiteral("NW")}));
}

TEST(PlaceScreens, WaypointListSwitchesItsBottomBarBetweenMenuAndNext)
{
    BuiltForm built = buildForm(catalogued("WptListScreenClass"), true);
    auto *stack = child<QStackedWidget>(built, "stackedWidget");
    QWidget *menuPage = child<QWidget>(built, "pageMenu");
    QWidget *nextPage = child<QWidget>(built, "pageNext");
    ASSERT_TRUE(stack && menuPage && nextPage);
    ASSERT_EQ(stack->count(), 2);
    EXPECT_EQ(stack->currentWidget(), menuPage);
    EXPECT_EQ(stack->widget(1), nextPage);

    built.root()->show();
    QWidget *menu = child<QWidget>(built, "btnContextMenu");
    QWidget *next = child<QWidget>(built, "btnNext");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(next->isVisible());
    stack->setCurrentIndex(1);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(next->isVisible());
    // The page fills the stack, so the button keeps its place in the bar.
    EXPECT_EQ(nextPage->geometry(), QRect(QPoint(0, 0), stack->size()));
}

TEST(PlaceScreens, DetailMenusStackTheirPanelsTopDownInFieldOrder)
{
    struct Menu {
        const char *form;
        const char *host;
        std::vector<const char *> panels;
    };
    const Menu menus[] = {
        {"WptDetailScreenClass",
         "verticalLayoutWidget",
         {"buttonDDE", "buttonDescription", "buttonLocation", "buttonPictures", "buttonOption"}},
        {"POIDetailScreenClass",
         "layoutWidget",
         {"btnDDE", "btnDescription", "btnLocation", "btnPictures", "btnOptions"}},
    };
    for (const Menu &menu : menus) {
        BuiltForm built = buildForm(catalogued(menu.form), true);
        built.root()->show();
        QCoreApplication::processEvents();
        QWidget *host = child<QWidget>(built, menu.host);
        int bottom = -1;
        for (const char *name : menu.panels) {
            QWidget *panel = child<QWidget>(built, name);
            ASSERT_EQ(panel->parentWidget(), host) << menu.form << "/" << name;
            EXPECT_GT(panel->height(), 30) << menu.form << "/" << name << " is too flat for its captions";
            EXPECT_GE(panel->y(), bottom + 6) << menu.form << "/" << name << " overlaps the panel above";
            EXPECT_LE(panel->geometry().bottom(), host->height()) << menu.form << "/" << name;
            bottom = panel->geometry().bottom();
        }
    }
}

TEST(PlaceScreens, LocationScrollContentKeepsItsHeightAndScrollsVerticallyOnly)
{
    for (const char *form : {"WptLocationScreenClass", "POILocationScreenClass"}) {
        BuiltForm built = buildForm(catalogued(form), true);
        auto *area = child<ZelScrollArea>(built, "scrollArea");
        QWidget *content = child<QWidget>(built, "scrollAreaWidgetContents");
        ASSERT_TRUE(area && content);
        EXPECT_EQ(area->widget(), content) << form;
        built.root()->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(content->height(), 312) << form;
        EXPECT_LE(content->width(), area->viewport()->width()) << form;
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible()) << form;
        EXPECT_EQ(area->verticalScrollBar()->maximum(), 312 - area->viewport()->height()) << form;
        // Everything inside the content can be scrolled to.
        for (const QWidget *inside : content->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            EXPECT_LE(inside->geometry().bottom(), 312) << form << "/" << inside->objectName().toStdString();
    }
}

} // namespace
