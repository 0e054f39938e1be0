// The geocache screens as a host uses them: the status pictures it indexes,
// the picture labels that must survive a language change, the scrolling
// columns and the bar the detail pages share.

#include "form_harness.h"

#include "controls/zel_controls.h"
#include "forms/geocaching/GeocacheDetailsScreenClass.h"
#include "forms/geocaching/GeocacheFiltersScreenClass.h"

#include <QCoreApplication>
#include <QResource>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <vector>

namespace quarn::forms {
FormLayout &GeocacheDetailsScreenClass();
FormLayout &GeocacheFiltersScreenClass();
} // namespace quarn::forms

namespace {

bool isGeocacheForm(const CatalogueEntry &entry)
{
    const QByteArray name(entry.name);
    // The geocache bubble belongs to the map's quick-info forms.
    return (name.startsWith("Geocache") || name.startsWith("GeoCache") || name.startsWith("Gc"))
        && !name.endsWith("PopUpClass");
}

struct GeocacheForm {
    const CatalogueEntry *entry;
    BuiltForm built;

    QWidget *root() const { return built.root(); }
    void retranslate() { built.retranslate(); }
};

std::vector<GeocacheForm> buildGeocacheForms(bool retranslate)
{
    std::vector<GeocacheForm> forms;
    for (const CatalogueEntry &entry : kCatalogue) {
        if (isGeocacheForm(entry))
            forms.push_back({&entry, buildForm(entry, retranslate)});
    }
    return forms;
}

// The picture an indicator shows for each status, named by file stem.
QStringList stems(const ZelStatusIndicator *indicator)
{
    QStringList names;
    for (const QString &path : indicator->images())
        names << path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
    return names;
}

bool placeholderImagesRegistered()
{
    static const bool registered =
        QResource::registerResource(QCoreApplication::applicationDirPath() + QStringLiteral("/placeholders.rcc"));
    return registered;
}

QString where(const QWidget *widget)
{
    return widget->window()->objectName() + QLatin1Char('.') + widget->objectName();
}

TEST(GeocacheStatusPictures, EveryIndicatorHasTheSetTheHostIndexes)
{
    const std::vector<GeocacheForm> forms = buildGeocacheForms(false);
    ASSERT_EQ(forms.size(), 23u);
    int directionSets = 0;
    int ratingSets = 0;
    int logSets = 0;
    for (const GeocacheForm &form : forms) {
        for (const ZelStatusIndicator *indicator : form.root()->findChildren<ZelStatusIndicator *>()) {
            const QStringList names = stems(indicator);
            ASSERT_FALSE(names.isEmpty()) << where(indicator).toStdString();
            // Direction pictures go clockwise from north in eight steps.
            if (names.first().endsWith(QLatin1String("DNorth"))) {
                ++directionSets;
                const QStringList clockwise = {"North", "NorthEast", "East", "SouthEast",
                                               "South", "SouthWest", "West", "NorthWest"};
                ASSERT_EQ(names.size(), 8) << where(indicator).toStdString();
                for (int index = 0; index < 8; ++index)
                    EXPECT_TRUE(names[index].endsWith(QLatin1Char('D') + clockwise[index]))
                        << names[index].toStdString();
            }
            // Ratings: the host's first four indexes alternate half and one
            // star, then half-star steps up to five stars at index 11.
            if (names.first() == QLatin1String("i_Rating_HalfStarRating")) {
                ++ratingSets;
                ASSERT_EQ(names.size(), 12) << where(indicator).toStdString();
                EXPECT_EQ(names[2], names[0]);
                EXPECT_EQ(names[3], QStringLiteral("i_Rating_1StarRating"));
                EXPECT_EQ(names[4], QStringLiteral("i_Rating_1_5StarRating"));
                EXPECT_EQ(names[11], QStringLiteral("i_Rating_5StarRating"));
            }
            if (names.first() == QLatin1String("i_stars_big_00")) {
                ASSERT_EQ(names.size(), 11) << where(indicator).toStdString();
                for (int index = 0; index < names.size(); ++index)
                    EXPECT_EQ(names[index].right(2).toInt(), index * 5) << names[index].toStdString();
            }
            // The log types name the field note twice, at 0 and 5.
            if (indicator->objectName() == QLatin1String("statGeocacheLogStatus")) {
                ++logSets;
                ASSERT_EQ(names.size(), 7);
                EXPECT_EQ(names[5], names[0]);
                EXPECT_NE(names[6], names[0]);
            }
        }
    }
    EXPECT_GE(directionSets, 3);
    EXPECT_GE(ratingSets, 3);
    EXPECT_EQ(logSets, 2);
}

TEST(GeocachePictureLabels, KeepTheirPictureWhenTheTextsAreAppliedAgain)
{
    if (!placeholderImagesRegistered())
        GTEST_SKIP() << "placeholders.rcc is not built beside the tests";
    std::vector<GeocacheForm> forms = buildGeocacheForms(true);
    int pictureLabels = 0;
    for (GeocacheForm &form : forms) {
        for (ZelTextBox *label : form.root()->findChildren<ZelTextBox *>()) {
            if (label->pixmap(Qt::ReturnByValue).isNull())
                continue;
            ++pictureLabels;
            label->setContent(QStringLiteral("left by the host"));
        }
    }
    ASSERT_GE(pictureLabels, 8);
    // A language change: the labels lose any text but keep their picture.
    for (GeocacheForm &form : forms)
        form.retranslate();
    for (GeocacheForm &form : forms) {
        for (ZelTextBox *label : form.root()->findChildren<ZelTextBox *>()) {
            if (label->pixmap(Qt::ReturnByValue).isNull())
                continue;
            --pictureLabels;
            EXPECT_TRUE(label->content().isEmpty()) << where(label).toStdString();
        }
    }
    EXPECT_EQ(pictureLabels, 0) << "a picture label lost its picture";
}

TEST(GeocacheColumns, ScrollDownToTheirLastRow)
{
    Ui_GeocacheFiltersScreenClass filters;
    QWidget filtersRoot;
    quarn::forms::GeocacheFiltersScreenClass().setupUi(&filters, &filtersRoot);
    Ui_GeocacheDetailsScreenClass details;
    QWidget detailsRoot;
    quarn::forms::GeocacheDetailsScreenClass().setupUi(&details, &detailsRoot);
    filtersRoot.show();
    detailsRoot.show();
    QCoreApplication::processEvents();

    struct Column {
        ZelScrollArea *area;
        QWidget *contents;
        QWidget *lastRow;
    };
    for (const Column &column : {Column{filters.scrollArea, filters.scrollAreaWidgetContents, filters.btnSearch},
                                 Column{details.scrollArea, details.scrollAreaWidgetContents, details.buttonOption}}) {
        ASSERT_EQ(column.area->widget(), column.contents);
        QScrollBar *bar = column.area->verticalScrollBar();
        EXPECT_GT(bar->maximum(), 0) << column.area->window()->objectName().toStdString();
        bar->setValue(bar->maximum());
        QCoreApplication::processEvents();
        const QRect lastRow(column.lastRow->mapTo(column.area->viewport(), QPoint()), column.lastRow->size());
        EXPECT_GT(lastRow.bottom(), 0);
        EXPECT_LE(lastRow.top(), column.area->viewport()->height())
            << column.area->window()->objectName().toStdString() << " cannot show "
            << column.lastRow->objectName().toStdString();
    }
}

TEST(GeocacheDetailPages, ShareOneBarOfFourButtonsSideBySide)
{
    const std::vector<GeocacheForm> forms = buildGeocacheForms(false);
    int pages = 0;
    for (const GeocacheForm &form : forms) {
        if (!form.root()->findChild<ZelWidget *>(QStringLiteral("GeocacheHeaderWidget")))
            continue;
        ++pages;
        const auto *bar = form.root()->findChild<ZelIcon *>(QStringLiteral("statusBar"));
        ASSERT_NE(bar, nullptr) << form.root()->objectName().toStdString();
        int left = 0;
        for (const char *name : {"btnBack", "btnMap", "btnGo", "btnContextMenu"}) {
            const auto *button = bar->findChild<ZelPushButton *>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
            ASSERT_NE(button, nullptr) << form.root()->objectName().toStdString() << " has no " << name;
            EXPECT_EQ(button->geometry(), QRect(left, 7, 60, 43)) << where(button).toStdString();
            left += 60;
        }
    }
    EXPECT_EQ(pages, 11);
}

} // namespace
