// The calibration, navigation-list and almanac screens: stacking, day-row
// grids, stacked pages, the read-out layouts and the status image lists the
// host indexes into.

#include "form_harness.h"

#include "controls/zel_controls.h"

#include <QLayout>
#include <QSet>
#include <QStackedWidget>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

QWidget *lowestChildWidget(QWidget *root)
{
    for (QObject *object : root->children()) {
        if (auto *widget = qobject_cast<QWidget *>(object))
            return widget;
    }
    return nullptr;
}

TEST(CalibrationScreens, BackingPanelCreatedLastLiesUnderEverything)
{
    for (const char *name : {"CompassCalibrateScreenClass", "BarometerCalibScreenClass"}) {
        BuiltForm form = buildForm(catalogued(name));
        QWidget *backing = child<ZelBacking>(form, QStringLiteral("backing"));
        EXPECT_EQ(lowestChildWidget(form.root()), backing) << name;
    }
}

TEST(CalibrationScreens, EachUnitChooserCarriesItsOwnDropMark)
{
    BuiltForm form = buildForm(catalogued("BarometerCalibScreenClass"));
    for (const char *comboName : {"cbPressureUnits", "cbCurrentElev"}) {
        auto *combo = child<ZelComboBox>(form, QString::fromUtf8(comboName));
        const QList<ZelIcon *> marks = combo->findChildren<ZelIcon *>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(marks.size(), 1) << comboName;
        EXPECT_TRUE(combo->rect().contains(marks.first()->geometry())) << comboName;
        EXPECT_EQ(combo->popupItemMargin(), 10);
        EXPECT_EQ(combo->popupItemSpacing(), 5);
    }
}

// The rows of a day entry: rows numbered 1..n, each a type, time and comment
// cell on one line, the lines going down in row order.
void expectDayRowGrid(const char *formName, int rowCount)
{
    SCOPED_TRACE(formName);
    BuiltForm form = buildForm(catalogued(formName), true);
    int previousTop = 30;
    for (int row = 1; row <= rowCount; ++row) {
        auto *type = child<ZelTextBox>(form, QStringLiteral("txtType_%1").arg(row));
        auto *time = child<ZelTextBox>(form, QStringLiteral("txtTime_%1").arg(row));
        auto *comment = child<ZelTextBox>(form, QStringLiteral("txtCom_%1").arg(row));
        ASSERT_TRUE(type && time && comment) << row;
        EXPECT_EQ(type->x(), 0);
        EXPECT_EQ(time->x(), 60);
        EXPECT_EQ(comment->x(), 120);
        EXPECT_EQ(comment->y(), type->y()) << row;
        // A taller time box still covers its line.
        EXPECT_LE(time->y(), type->y()) << row;
        EXPECT_GE(time->geometry().bottom(), type->geometry().bottom()) << row;
        EXPECT_GT(type->y(), previousTop) << row;
        previousTop = type->y();
        for (ZelTextBox *cell : {type, time, comment})
            EXPECT_TRUE(cell->content().isEmpty() && cell->text().isEmpty());
    }
    EXPECT_EQ(form.root()->findChildren<ZelTextBox *>().size(), 3 * rowCount + 1);
    EXPECT_LE(previousTop + 16, form.root()->height());
}

TEST(AlmanacScreens, DayRowsAreGridsOfTypeTimeAndComment)
{
    expectDayRowGrid("TideTblItemClass", 8);
    expectDayRowGrid("CurrTblItemClass", 12);
}

TEST(AlmanacScreens, WideTableScreensKeepTheirChildrenOnTheScreen)
{
    for (const char *name : {"TideTblScreenClass", "CurrTblScreenClass"}) {
        BuiltForm form = buildForm(catalogued(name));
        EXPECT_GT(form.root()->width(), 240) << name;
        for (QWidget *widget : form.root()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            EXPECT_LE(widget->geometry().right(), 239) << name << " " << qPrintable(widget->objectName());
    }
}

TEST(AlmanacScreens, CalendarsCannotEditDatesAndStayFixed)
{
    for (const char *name : {"SunMoonScreenClass", "FishHuntScreenClass", "TideCurrCalendarScreenClass",
                             "TideTblScreenClass", "CurrTblScreenClass"}) {
        BuiltForm form = buildForm(catalogued(name));
        const QList<zelCalendarWidget *> calendars = form.root()->findChildren<zelCalendarWidget *>();
        ASSERT_EQ(calendars.size(), 1) << name;
        zelCalendarWidget *calendar = calendars.first();
        EXPECT_FALSE(calendar->isDateEditEnabled()) << name;
        EXPECT_EQ(calendar->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed) << name;
        EXPECT_EQ(calendar->maximumSize(), QSize(240, 191)) << name;
        EXPECT_EQ(calendar->fontPixelSize(), 11) << name;
    }
}

TEST(AlmanacScreens, SunAndMoonTimesSitUnderTheirIconsBesideTheCaptions)
{
    BuiltForm form = buildForm(catalogued("SunMoonScreenClass"), true);
    QWidget *host = child<QWidget>(form, QStringLiteral("layoutWidget"));
    host->layout()->activate();

    auto *sun = child<ZelIcon>(form, QStringLiteral("iconSun"));
    auto *moon = child<ZelIcon>(form, QStringLiteral("iconMoon"));
    auto *rises = child<ZelTextBox>(form, QStringLiteral("txtRises"));
    auto *sets = child<ZelTextBox>(form, QStringLiteral("txtSets"));
    auto *sunRise = child<QTextEdit>(form, QStringLiteral("txtSunRise"));
    auto *sunSet = child<QTextEdit>(form, QStringLiteral("txtSunSet"));
    auto *moonRise = child<QTextEdit>(form, QStringLiteral("txtMoonRise"));
    auto *moonSet = child<QTextEdit>(form, QStringLiteral("txtMoonSet"));

    EXPECT_LT(sun->geometry().bottom(), sunRise->y());
    EXPECT_LT(sunRise->geometry().bottom(), sunSet->y());
    EXPECT_LT(moon->geometry().bottom(), moonRise->y());
    EXPECT_LT(rises->geometry().right(), sunRise->x());
    EXPECT_LT(sunRise->geometry().right(), moonRise->x());
    EXPECT_LT(rises->y(), sets->y());
    EXPECT_EQ(moonSet->y(), sunSet->y());
    for (QTextEdit *readout : {sunRise, sunSet, moonRise, moonSet}) {
        EXPECT_EQ(readout->height(), 21);
        EXPECT_TRUE(readout->toPlainText().isEmpty());
        EXPECT_TRUE(readout->font().bold());
        EXPECT_EQ(readout->font().pointSize(), 10);
    }
}

TEST(NavigationLists, TripSummaryRowsStartOnTheCoordinateVariant)
{
    BuiltForm form = buildForm(catalogued("TripSummaryItemClass"), true);
    auto *stack = child<QStackedWidget>(form, QStringLiteral("stackedWidget"));
    ASSERT_EQ(stack->count(), 2);
    EXPECT_EQ(stack->widget(0)->objectName(), QStringLiteral("page"));
    EXPECT_EQ(stack->widget(1)->objectName(), QStringLiteral("page_2"));
    EXPECT_EQ(stack->currentIndex(), 1);
    EXPECT_EQ(stack->currentWidget()->findChild<ZelTextBox *>(QStringLiteral("txtTitleCoord"))->content(),
              QStringLiteral("Start:"));
}

TEST(NavigationLists, TurnRowIsAnUncheckedExclusiveChoice)
{
    BuiltForm form = buildForm(catalogued("TurnListItemClass"), true);
    EXPECT_TRUE(form.root()->property("checkable").toBool());
    EXPECT_FALSE(form.root()->property("checked").toBool());
    EXPECT_TRUE(form.root()->property("autoExclusive").toBool());

    auto *widget = child<QWidget>(form, QStringLiteral("formLayoutWidget"));
    widget->layout()->activate();
    auto *name = child<ZelTextBox>(form, QStringLiteral("txtName"));
    auto *address = child<ZelTextBox>(form, QStringLiteral("txtAdd"));
    EXPECT_EQ(name->x(), 0);
    EXPECT_EQ(address->x(), 0);
    EXPECT_LE(name->geometry().bottom(), address->y());
}

// Indexes the host uses: each list's meaning is fixed by its position.
TEST(NavigationLists, StatusImageListsMatchTheStatesTheHostSets)
{
    BuiltForm turnRow = buildForm(catalogued("TurnListItemClass"));
    const QStringList manoeuvres = child<ZelStatusIndicator>(turnRow, QStringLiteral("manIndicator"))->images();
    ASSERT_EQ(manoeuvres.size(), 21);
    EXPECT_EQ(manoeuvres.first(), QStringLiteral(":/maneuvers/Icons/i_Man_01.mif"));
    EXPECT_EQ(manoeuvres.at(17), QStringLiteral(":/maneuvers/Icons/i_Man_18.mif"));
    EXPECT_EQ(manoeuvres.last(), QStringLiteral(":/Icons/i_DestinationIcon.mif"));
    EXPECT_EQ(QSet<QString>(manoeuvres.begin(), manoeuvres.end()).size(), 20);

    for (const char *name : {"NavCurrentsScreenClass", "TideCurrentScreenClass"}) {
        BuiltForm screen = buildForm(catalogued(name));
        const QStringList directions = child<ZelStatusIndicator>(screen, QStringLiteral("iconDirection"))->images();
        ASSERT_EQ(directions.size(), 8) << name;
        EXPECT_EQ(directions.first(), QStringLiteral(":/Icons/i_PaneBtn_DNorth.mif"));
        EXPECT_EQ(directions.at(2), QStringLiteral(":/Icons/i_PaneBtn_DEast.mif"));
        EXPECT_EQ(QSet<QString>(directions.begin(), directions.end()).size(), 8);
    }

    BuiltForm currents = buildForm(catalogued("NavCurrentsScreenClass"));
    const QStringList arrows = child<ZelStatusIndicator>(currents, QStringLiteral("siDirection"))->images();
    ASSERT_EQ(arrows.size(), 16);
    EXPECT_EQ(arrows.first(), QStringLiteral(":/Icons/i_currents_arrow1.mif"));
    EXPECT_EQ(arrows.last(), QStringLiteral(":/Icons/i_currents_arrow16.mif"));

    BuiltForm tide = buildForm(catalogued("TideCurrentScreenClass"));
    auto *riseFall = child<ZelStatusIndicator>(tide, QStringLiteral("siDirection"));
    ASSERT_EQ(riseFall->images().size(), 2);
    EXPECT_EQ(riseFall->images().at(riseFall->status()), QStringLiteral(":/Icons/i_currents_arrow9.mif"));
}

} // namespace
