// The furniture that the map screens share, checked once across every
// catalogued map screen, and the main menu's captions under a translator.

#include "form_harness.h"
#include "controls/zel_controls.h"
#include "forms/map/MainMenuScreenClass.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QMetaProperty>
#include <QPoint>
#include <QSet>
#include <QTranslator>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// One map screen built the way a host builds it: a fresh root, a Ui record of
// the catalogued field count, setupUi then retranslateUi.
struct MapScreen {
    BuiltForm built;

    QString name() const { return QString::fromUtf8(built.entry().name); }
    QWidget *root() const { return built.root(); }
    void retranslate() { built.retranslate(); }
};

// Every catalogued screen named Map... that shows a map.
std::vector<MapScreen> buildMapScreens()
{
    std::vector<MapScreen> screens;
    for (const CatalogueEntry &entry : kCatalogue) {
        if (!QByteArray(entry.name).startsWith("Map"))
            continue;
        MapScreen screen{buildForm(entry, true)};
        if (screen.root()->findChild<ZelMapControl *>())
            screens.push_back(std::move(screen));
    }
    return screens;
}

// A set as one sorted line, so a failure shows which names differ.
std::string joined(QStringList list)
{
    list.removeDuplicates();
    list.sort();
    return list.join(QStringLiteral(", ")).toStdString();
}

TEST(MapFurniture, MapControlIsFieldZeroUnderEverything)
{
    const std::vector<MapScreen> screens = buildMapScreens();
    ASSERT_FALSE(screens.empty());
    for (const MapScreen &screen : screens) {
        SCOPED_TRACE(screen.name().toStdString());
        auto *map = screen.built.find<ZelMapControl>("zelMapControl");
        ASSERT_NE(map, nullptr);
        EXPECT_EQ(screen.built.field(0), static_cast<void *>(map));
        // Raising reorders the child list; the map stays first only if it was
        // created first and nothing was stacked below it.
        ASSERT_FALSE(screen.root()->children().isEmpty());
        EXPECT_EQ(screen.root()->children().first(), map);
        EXPECT_EQ(map->geometry(), QRect(0, 0, 240, 400));
    }
}

TEST(MapFurniture, ZoomButtonsStackAtTheRightEdgeClearOfTheGoButton)
{
    int zoomButtons = 0;
    int goButtons = 0;
    for (const MapScreen &screen : buildMapScreens()) {
        SCOPED_TRACE(screen.name().toStdString());
        auto *zoomIn = screen.built.find<ZelPushButton>("ZoomIn");
        auto *zoomOut = screen.built.find<ZelPushButton>("ZoomOut");
        ASSERT_EQ(zoomIn == nullptr, zoomOut == nullptr) << "zoom buttons come in pairs";
        if (zoomIn) {
            ++zoomButtons;
            // One column at the right edge, zoom out right under zoom in.
            EXPECT_EQ(zoomOut->geometry(), zoomIn->geometry().translated(0, zoomIn->height()));
            EXPECT_EQ(zoomIn->geometry().right(), screen.root()->rect().right());
            EXPECT_TRUE(screen.root()->rect().contains(zoomOut->geometry()));
            EXPECT_EQ(zoomIn->focusPolicy(), Qt::NoFocus);
            EXPECT_EQ(zoomOut->focusPolicy(), Qt::NoFocus);
        }
        if (auto *go = screen.built.find<ZelPushButton>("btnBigGo")) {
            ++goButtons;
            EXPECT_TRUE(screen.root()->rect().contains(go->geometry()));
            EXPECT_FALSE(go->geometry().intersects(zoomIn ? zoomIn->geometry() : QRect())) << "go covers zoom in";
            auto *caption = go->findChild<ZelTextBox *>(QStringLiteral("textBox"));
            ASSERT_NE(caption, nullptr);
            EXPECT_EQ(caption->parentWidget(), go);
            EXPECT_FALSE(caption->content().isEmpty());
            EXPECT_EQ(caption->palette().color(QPalette::ButtonText), QColor(Qt::white));
        }
    }
    EXPECT_GT(zoomButtons, 0);
    EXPECT_GT(goButtons, 0);
}

TEST(MapFurniture, ScaleShadowLiesOnePixelOffBelowTheText)
{
    int scaleBars = 0;
    for (const MapScreen &screen : buildMapScreens()) {
        SCOPED_TRACE(screen.name().toStdString());
        auto *bar = screen.built.find<QWidget>("widgetScale");
        if (!bar)
            continue;
        ++scaleBars;
        auto *text = bar->findChild<ZelTextBox *>(QStringLiteral("txtScale"));
        auto *shadow = bar->findChild<ZelTextBox *>(QStringLiteral("txtScaleShadow"));
        ASSERT_NE(text, nullptr);
        ASSERT_NE(shadow, nullptr);
        EXPECT_EQ(shadow->geometry(), text->geometry().translated(1, 1));
        EXPECT_FALSE(text->content().isEmpty());
        EXPECT_EQ(shadow->content(), text->content());
        EXPECT_NE(shadow->palette().color(QPalette::WindowText), text->palette().color(QPalette::WindowText));
        const QObjectList stacking = bar->children();
        EXPECT_GT(stacking.indexOf(text), stacking.indexOf(shadow)) << "the text must lie above its shadow";
    }
    EXPECT_GT(scaleBars, 0);
}

TEST(MapFurniture, RunTimePlacementsArePoints)
{
    const char *const zoomPositions[] = {"zoomInStd", "zoomOutStd", "zoomInBubble", "zoomOutBubble"};
    int screensWithZoomPositions = 0;
    for (const MapScreen &screen : buildMapScreens()) {
        SCOPED_TRACE(screen.name().toStdString());
        int given = 0;
        for (const char *name : zoomPositions) {
            const QVariant position = screen.root()->property(name);
            if (!position.isValid())
                continue;
            ++given;
            EXPECT_EQ(position.userType(), int(QMetaType::QPoint)) << name;
        }
        EXPECT_TRUE(given == 0 || given == 4) << "the four zoom positions come together";
        if (given)
            ++screensWithZoomPositions;
        const QVariant countEdit = screen.root()->property("NavFieldCountEditPosition");
        if (countEdit.isValid()) {
            EXPECT_EQ(countEdit.userType(), int(QMetaType::QPoint));
        }
    }
    EXPECT_GT(screensWithZoomPositions, 0);
}

TEST(MapFurniture, NavigationFieldBarHoldsOneConfigurationPerFieldCount)
{
    int bars = 0;
    for (const MapScreen &screen : buildMapScreens()) {
        SCOPED_TRACE(screen.name().toStdString());
        auto *bar = screen.built.find<ZelWidget>("dashboardBar");
        if (!bar)
            continue;
        ++bars;
        EXPECT_EQ(bar->parentWidget(), screen.root());
        EXPECT_GT(screen.root()->children().indexOf(bar), 0) << "the bar lies over the map";
        EXPECT_TRUE(screen.root()->property("NavFieldHeight").isValid());
        EXPECT_TRUE(screen.root()->property("BaseNavFieldsY").isValid());

        const int minimum = bar->property("minNumberOfDataFields").toInt();
        const int maximum = bar->property("maxNumberOfDataFields").toInt();
        EXPECT_LE(minimum, maximum);
        const QVariant document = bar->property("navFieldsCfg");
        ASSERT_EQ(document.userType(), int(QMetaType::QByteArray));
        // The declared UTF-16 is not what the bytes are: read them as ASCII.
        QDomDocument dom;
        ASSERT_TRUE(dom.setContent(QString::fromLatin1(document.toByteArray())));
        const QDomElement top = dom.documentElement();
        EXPECT_EQ(top.tagName(), QStringLiteral("NAV_FIELDS_CONFIGURATION"));
        int configurations = 0;
        for (QDomElement configuration = top.firstChildElement(); !configuration.isNull();
             configuration = configuration.nextSiblingElement()) {
            ++configurations;
            EXPECT_EQ(configuration.tagName(), QStringLiteral("CONFIGURATION_%1").arg(configurations));
            EXPECT_EQ(configuration.elementsByTagName(QStringLiteral("FIELD")).count(), configurations);
        }
        EXPECT_EQ(configurations, maximum);
    }
    EXPECT_GT(bars, 0);
}

TEST(MapFurniture, CompassLettersFollowTheTranslator)
{
    int compasses = 0;
    for (MapScreen &screen : buildMapScreens()) {
        SCOPED_TRACE(screen.name().toStdString());
        auto *compass = screen.built.find<zelCompass>("compass");
        if (!compass)
            continue;
        ++compasses;
        InstalledTranslator installed;
        screen.retranslate();
        EXPECT_EQ(compass->parentWidget(), screen.built.find<ZelMapControl>("zelMapControl"));
        EXPECT_EQ(compass->size(), QSize(240, 240));
        const QRect dial(compass->dialCentre - QPoint(compass->dialRadius, compass->dialRadius),
                         QSize(2 * compass->dialRadius, 2 * compass->dialRadius));
        EXPECT_GT(compass->dialRadius, 0);
        EXPECT_TRUE(compass->rect().contains(dial)) << "the dial must fit its widget";
        EXPECT_EQ(compass->northLetter.toStdString(), "<<N>>");
        EXPECT_EQ(compass->westLetter.toStdString(), "<<W>>");
        EXPECT_EQ(compass->southLetter.toStdString(), "<<S>>");
        EXPECT_EQ(compass->eastLetter.toStdString(), "<<E>>");
        EXPECT_EQ(joined(installed.translator.contexts), screen.name().toStdString());
    }
    EXPECT_GT(compasses, 0);
}

// Every stored property of the root and its descendants, by object name (derived
// values such as size hints follow the texts and are left out).
QMap<QString, QVariant> propertiesOf(QWidget *root)
{
    QMap<QString, QVariant> properties;
    QObjectList objects = {root};
    for (QObject *object : root->findChildren<QObject *>())
        objects.append(object);
    for (QObject *object : objects) {
        const QString prefix = object->objectName() + QLatin1Char('/');
        const QMetaObject *meta = object->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (property.isReadable() && property.isWritable())
                properties.insert(prefix + QString::fromLatin1(property.name()), property.read(object));
        }
        for (const QByteArray &name : object->dynamicPropertyNames())
            properties.insert(prefix + QString::fromLatin1(name), object->property(name));
    }
    return properties;
}

TEST(MainMenu, RetranslatingReplacesTheTenCaptionsAndNothingElse)
{
    const CatalogueEntry *entry = &catalogued("MainMenuScreenClass");
    QWidget root;
    Ui_MainMenuScreenClass ui;
    entry->form().setupUi(&ui, &root);
    entry->form().retranslateUi(&ui, &root);

    const QMap<QString, QVariant> before = propertiesOf(&root);
    const QMap<QString, QVariant> reread = propertiesOf(&root);
    InstalledTranslator installed;
    entry->form().retranslateUi(&ui, &root);
    const QMap<QString, QVariant> after = propertiesOf(&root);

    QSet<QString> captions;
    for (ZelTextBox *caption : root.findChildren<ZelTextBox *>())
        captions.insert(caption->objectName() + QStringLiteral("/content"));
    EXPECT_EQ(captions.size(), 10);

    QSet<QString> changed;
    ASSERT_EQ(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        // Some values (icons, cursors) never compare equal to themselves.
        if (reread.value(it.key()) == it.value() && after.value(it.key()) != it.value())
            changed.insert(it.key());
    }
    EXPECT_EQ(joined(changed.values()), joined(captions.values()));
    for (const QString &key : captions) {
        const QString source = before.value(key).toString();
        EXPECT_FALSE(source.isEmpty()) << key.toStdString();
        EXPECT_EQ(after.value(key).toString(), QStringLiteral("<<") + source + QStringLiteral(">>"))
            << key.toStdString();
    }
    EXPECT_EQ(joined(installed.translator.contexts), "MainMenuScreenClass");
}

} // namespace
