// The quick-info bars and map bubbles: what the host relies on when it fills
// them in, checked across all fourteen forms at once.

#include "form_harness.h"

#include "controls/zel_controls.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QMap>
#include <QTranslator>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct QuickInfoForm {
    const CatalogueEntry *entry = nullptr;
    BuiltForm built;

    bool isBar() const { return QByteArray(entry->name).startsWith("QuickInfoBar"); }
};

std::vector<QuickInfoForm> buildQuickInfoForms(bool retranslate = false)
{
    std::vector<QuickInfoForm> forms;
    for (const CatalogueEntry &entry : kCatalogue) {
        const QByteArray name(entry.name);
        if (!name.startsWith("QuickInfoBar") && !name.endsWith("PopUpClass"))
            continue;
        forms.push_back({&entry, buildForm(entry, retranslate)});
    }
    return forms;
}

// The compass point an arrow image stands for, in degrees clockwise from north.
int arrowBearing(const QString &path)
{
    static const QMap<QString, int> bearings = {{"North", 0},   {"NorthEast", 45},  {"East", 90},  {"SouthEast", 135},
                                                {"South", 180}, {"SouthWest", 225}, {"West", 270}, {"NorthWest", 315}};
    const QString prefix = QStringLiteral(":/Icons/i_PaneBtn_D");
    if (!path.startsWith(prefix) || !path.endsWith(QLatin1String(".mif")))
        return -1;
    return bearings.value(path.mid(prefix.size()).chopped(4), -1);
}

TEST(QuickInfoForms, AllFourteenAreCatalogued)
{
    const std::vector<QuickInfoForm> forms = buildQuickInfoForms();
    EXPECT_EQ(forms.size(), 14u);
    int bars = 0;
    for (const QuickInfoForm &form : forms)
        bars += form.isBar() ? 1 : 0;
    EXPECT_EQ(bars, 7);
}

TEST(QuickInfoForms, BarsKeepTheirStripSizeBesideTheMinimumTheHostReads)
{
    for (const QuickInfoForm &form : buildQuickInfoForms()) {
        SCOPED_TRACE(form.entry->name);
        const QSize expected = form.isBar() ? QSize(240, 76) : QSize(222, 75);
        EXPECT_EQ(form.built.root()->size(), expected);
        // Set by name for the host's root class, not as the widget's own minimum.
        EXPECT_EQ(form.built.root()->property("minimumSize").toSize(), QSize(222, 75));
        EXPECT_TRUE(form.built.root()->property("image").isValid());
        EXPECT_TRUE(form.built.root()->property("Offset").canConvert<QPoint>());
    }
}

TEST(QuickInfoForms, DirectionArrowsTurnClockwiseFromNorthInEighths)
{
    for (const QuickInfoForm &form : buildQuickInfoForms()) {
        SCOPED_TRACE(form.entry->name);
        auto *direction = form.built.find<ZelStatusIndicator>("statDirection");
        ASSERT_NE(direction, nullptr);
        EXPECT_EQ(direction->size(), QSize(25, 22));
        const QStringList images = direction->images();
        ASSERT_EQ(images.size(), 8);
        for (int index = 0; index < images.size(); ++index)
            EXPECT_EQ(arrowBearing(images[index]), index * 45) << images[index].toStdString();
    }
}

TEST(QuickInfoForms, ReadOutLinesHoldEveryReadOutInOrderWithoutOverlap)
{
    int lines = 0;
    for (const QuickInfoForm &form : buildQuickInfoForms()) {
        SCOPED_TRACE(form.entry->name);
        auto *line = form.built.find<QWidget>("layoutWidget");
        auto *layout = form.built.find<QHBoxLayout>("horizontalLayout");
        ASSERT_EQ(line == nullptr, layout == nullptr);
        if (!line)
            continue;
        ++lines;
        ASSERT_EQ(layout->parentWidget(), line);

        // Nothing created on the line is left out of its layout.
        const QList<ZelTextBox *> readOuts = line->findChildren<ZelTextBox *>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(layout->count(), readOuts.size());

        layout->activate();
        int previousRight = -1;
        for (int index = 0; index < layout->count(); ++index) {
            auto *readOut = qobject_cast<ZelTextBox *>(layout->itemAt(index)->widget());
            ASSERT_NE(readOut, nullptr);
            SCOPED_TRACE(readOut->objectName().toStdString());
            EXPECT_GT(readOut->geometry().left(), previousRight);
            previousRight = readOut->geometry().right();

            const QString name = readOut->objectName();
            const QSizePolicy policy = readOut->sizePolicy();
            if (name == QLatin1String("txtLatitude") || name == QLatin1String("txtLongitude")) {
                EXPECT_EQ(policy.horizontalPolicy(), QSizePolicy::Preferred);
                EXPECT_EQ(policy.verticalPolicy(), QSizePolicy::Fixed);
            } else if (name != QLatin1String("txtCoordZ")) {
                EXPECT_EQ(policy.horizontalPolicy(), QSizePolicy::Maximum);
                EXPECT_EQ(policy.verticalPolicy(), QSizePolicy::Fixed);
            }
        }
    }
    EXPECT_EQ(lines, 12);
}

TEST(QuickInfoForms, TapsOnObjectReadOutsPressTheNewWaypointButton)
{
    int objectForms = 0;
    for (const QuickInfoForm &form : buildQuickInfoForms()) {
        auto *newWaypoint = form.built.find<ZelPushButton>("btnNewWpt");
        if (!newWaypoint)
            continue;
        SCOPED_TRACE(form.entry->name);
        ++objectForms;
        EXPECT_EQ(form.built.find<ZelTextBox>("txtName"), nullptr);
        for (ZelTextBox *readOut : form.built.root()->findChildren<ZelTextBox *>())
            EXPECT_TRUE(newWaypoint->isAncestorOf(readOut)) << readOut->objectName().toStdString();
        EXPECT_TRUE(newWaypoint->isAncestorOf(form.built.find<ZelStatusIndicator>("statDirection")));
    }
    EXPECT_EQ(objectForms, 2);
}

TEST(QuickInfoForms, DetailsButtonLiesAboveTheNameAndIconItCovers)
{
    int detailed = 0;
    for (const QuickInfoForm &form : buildQuickInfoForms()) {
        auto *details = form.built.find<ZelPushButton>("btnDetails");
        if (!details)
            continue;
        SCOPED_TRACE(form.entry->name);
        ++detailed;
        EXPECT_TRUE(details->normal().isNull()) << "the details target is an invisible button";
        const QObjectList siblings = form.built.root()->children();
        for (const char *covered : {"txtName", "iconObj"}) {
            if (QWidget *widget = form.built.find<QWidget>(covered)) {
                EXPECT_LT(siblings.indexOf(widget), siblings.indexOf(details)) << covered;
            }
        }
    }
    EXPECT_EQ(detailed, 10);
}

TEST(QuickInfoForms, OnlyTheTitleAndTheGeocacheRatingCaptionAreTranslated)
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const std::vector<QuickInfoForm> forms = buildQuickInfoForms(true);
    QCoreApplication::removeTranslator(&translator);

    for (const QuickInfoForm &form : forms) {
        SCOPED_TRACE(form.entry->name);
        // The empty title still goes through the translator.
        EXPECT_EQ(form.built.root()->property("windowTitle").toString(), QStringLiteral("<<>>"));
        for (ZelTextBox *text : form.built.root()->findChildren<ZelTextBox *>()) {
            SCOPED_TRACE(text->objectName().toStdString());
            if (text->objectName() == QLatin1String("txtDiffTerr"))
                EXPECT_EQ(text->content(), QStringLiteral("<<(Dif/Terr)>>"));
            else
                EXPECT_FALSE(text->content().startsWith(QLatin1String("<<")));
        }
    }
}

} // namespace
