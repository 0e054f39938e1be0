#include "controls/zel_compass.h"
#include "controls/zel_north_up_widget.h"
#include "controls/zel_satellite_view.h"
#include "controls/zel_simple_graph_view.h"
#include "controls/zel_strip_compass.h"

#include "control_checks.h"

#include <QMetaProperty>
#include <QStringList>

using namespace controls_test;

TEST(Instruments, NorthUpIndicatorKeepsAndDrawsItsImages)
{
    ZelNorthUpWidget indicator;
    indicator.resize(48, 48);
    const QColor blank = pixelAt(indicator, QPoint(24, 24));
    const QPixmap north = solidImage(Qt::red);
    const QPixmap arrow = solidImage(Qt::blue, QSize(4, 4));
    indicator.setNorth(north);
    indicator.setArrow(arrow);
    EXPECT_EQ(indicator.north().cacheKey(), north.cacheKey());
    expectProperty(indicator, "north", north);
    expectProperty(indicator, "arrow", arrow);
    // Both scale into the whole indicator; the arrow lies on top.
    EXPECT_NE(pixelAt(indicator, QPoint(24, 24)), blank);
    EXPECT_EQ(pixelAt(indicator, QPoint(24, 24)), QColor(Qt::blue));
}

TEST(Instruments, CompassSettingsReadBackByName)
{
    zelCompass compass;
    const QPixmap ring = solidImage(Qt::gray);
    compass.setCompassRing(ring);
    compass.setRedNeedle(solidImage(Qt::red));
    compass.targetIcon = solidImage(Qt::green);
    compass.dialRadius = 82;
    compass.dialCentre = QPoint(120, 130);
    compass.westLetter = QStringLiteral("W");
    expectProperty(compass, "compassRing", ring);
    expectProperty(compass, "redNeedle", compass.redNeedle());
    expectProperty(compass, "targetIcon", compass.targetIcon);
    expectProperty(compass, "dialRadius", 82);
    expectProperty(compass, "dialCentre", QPoint(120, 130));
    expectProperty(compass, "westLetter", QStringLiteral("W"));

    // The forms set these two by name; they must land on the control, not as dynamic extras.
    compass.setProperty("bDrawLabels", false);
    compass.setProperty("bDrawCardinal", true);
    EXPECT_FALSE(compass.drawLabels());
    EXPECT_TRUE(compass.drawCardinal());
    EXPECT_TRUE(compass.dynamicPropertyNames().isEmpty());
}

// Designer forms write these pictures by name: each lands on its control, and
// nothing on the way takes a picture for anything else (a cursor, say).
TEST(Instruments, PicturesWrittenByNameLandQuietly)
{
    static QStringList messages;
    messages.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) { messages << text; });
    zelCompass compass;
    zelStripCompass strip;
    zelSimpleGraphView graph;
    for (QObject *control :
         {static_cast<QObject *>(&compass), static_cast<QObject *>(&strip), static_cast<QObject *>(&graph)}) {
        const QMetaObject *metaObject = control->metaObject();
        for (int i = metaObject->propertyOffset(); i < metaObject->propertyCount(); ++i) {
            const QMetaProperty property = metaObject->property(i);
            if (property.userType() != QMetaType::QPixmap)
                continue;
            SCOPED_TRACE(property.name());
            const QPixmap picture = solidImage(QColor::fromHsv((i * 37) % 360, 200, 200));
            EXPECT_TRUE(property.write(control, picture));
            EXPECT_EQ(property.read(control).value<QPixmap>().cacheKey(), picture.cacheKey());
        }
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST(Instruments, CompassBadgesSitOnTheDialAndTurnAgainstTheHeading)
{
    zelCompass compass;
    compass.resize(100, 100);
    compass.northBadge = solidImage(Qt::red, QSize(10, 10));
    compass.dialCentre = QPoint(50, 50);
    compass.dialRadius = 30;
    EXPECT_EQ(pixelAt(compass, QPoint(50, 20)), QColor(Qt::red));

    compass.northUp = false;
    compass.heading = 90; // heading east: north is to the left
    EXPECT_EQ(pixelAt(compass, QPoint(20, 50)), QColor(Qt::red));
    EXPECT_NE(pixelAt(compass, QPoint(50, 20)), QColor(Qt::red));

    compass.setDrawCardinal(false);
    EXPECT_NE(pixelAt(compass, QPoint(20, 50)), QColor(Qt::red));
}

TEST(Instruments, StripCompassNormalisesAngles)
{
    EXPECT_FLOAT_EQ(zelStripCompass::normalizeDegree(-90.0f), 270.0f);
    EXPECT_FLOAT_EQ(zelStripCompass::normalizeDegree(450.0f), 90.0f);
    EXPECT_FLOAT_EQ(zelStripCompass::normalizeDegree(360.0f), 0.0f);
    EXPECT_LT(zelStripCompass::normalizeDegree(-1e-6f), 360.0f);

    zelStripCompass strip;
    strip.setHeading(-30.0f);
    EXPECT_FLOAT_EQ(strip.heading(), 330.0f);
    expectProperty(strip, "heading", 330.0f);
    strip.setProperty("isRoadCompassMode", true);
    EXPECT_TRUE(strip.isRoadCompassMode());
    EXPECT_TRUE(strip.dynamicPropertyNames().isEmpty());
    strip.needleOffset = -5;
    strip.markerSize = 20;
    expectProperty(strip, "needleOffset", -5);
    expectProperty(strip, "markerSize", 20);
}

TEST(Instruments, StripCompassDrawsTheRoadOnlyInRoadModeAndScrollsWithTheHeading)
{
    zelStripCompass strip;
    strip.resize(240, 150);
    strip.setRoadBkgd(solidImage(Qt::darkGreen));
    strip.northLetterImage = solidImage(Qt::red, QSize(10, 10));
    const QPoint road(10, 140);
    const QPoint middleOfStrip(120, 15); // default strip: 30 high at the top

    EXPECT_NE(pixelAt(strip, road), QColor(Qt::darkGreen));
    EXPECT_EQ(pixelAt(strip, middleOfStrip), QColor(Qt::red));

    strip.setRoadCompassMode(true);
    EXPECT_EQ(pixelAt(strip, road), QColor(Qt::darkGreen));

    strip.setHeading(180.0f); // north out of the 90-degree view
    EXPECT_NE(pixelAt(strip, middleOfStrip), QColor(Qt::red));
}

TEST(Instruments, SatelliteViewPicksTheImageBySignalAndKind)
{
    zelSatelliteView view;
    const QPixmap images[] = {solidImage(Qt::white),      solidImage(Qt::red),      solidImage(Qt::yellow),
                              solidImage(Qt::green),      solidImage(Qt::gray),     solidImage(Qt::darkRed),
                              solidImage(Qt::darkYellow), solidImage(Qt::darkGreen)};
    view.setNoSat(images[0]);
    view.setWeakSat(images[1]);
    view.setMedSat(images[2]);
    view.setStrongSat(images[3]);
    view.setSBASNoSat(images[4]);
    view.setSBASWeakSat(images[5]);
    view.setSBASMedSat(images[6]);
    view.setSBASStrongSat(images[7]);
    expectProperty(view, "medSat", images[2]);
    expectProperty(view, "sBASStrongSat", images[7]);

    using Signal = zelSatelliteView::Signal;
    const Signal signals_[] = {Signal::None, Signal::Weak, Signal::Medium, Signal::Strong};
    for (int sbas = 0; sbas < 2; ++sbas) {
        for (int level = 0; level < 4; ++level) {
            zelSatelliteView::Satellite satellite;
            satellite.signal = signals_[level];
            satellite.sbas = sbas;
            EXPECT_EQ(view.imageFor(satellite).cacheKey(), images[sbas * 4 + level].cacheKey())
                << "sbas " << sbas << " level " << level;
        }
    }
}

TEST(Instruments, SatelliteViewDrawsASatelliteOverheadInTheMiddleOfTheSky)
{
    zelSatelliteView view;
    view.resize(240, 265);
    view.setStrongSat(solidImage(Qt::green, QSize(20, 20)));
    zelSatelliteView::Satellite overhead;
    overhead.elevation = 90;
    overhead.signal = zelSatelliteView::Signal::Strong;
    view.setSatellites({overhead});
    // The sky is the largest square that fits, less a margin, hung from the top.
    EXPECT_EQ(pixelAt(view, QPoint(120 + 8, 120 + 8)), QColor(Qt::green));
}

TEST(Instruments, GraphKeepsItsSettingsAndDrawsTheCursorOnlyWhenAsked)
{
    zelSimpleGraphView graph;
    graph.resize(230, 144);
    graph.setDrawingArea(QRect(0, 0, 230, 115));
    graph.drawGrid = false;
    graph.curveColor = QColor(85, 0, 255);
    graph.cursorImage = solidImage(Qt::red, QSize(10, 10));
    expectProperty(graph, "drawingArea", QRect(0, 0, 230, 115));
    expectProperty(graph, "curveColor", QColor(85, 0, 255));
    expectProperty(graph, "cursorImage", graph.cursorImage);

    const QPoint cursor = QRect(0, 0, 230, 115).center();
    EXPECT_NE(pixelAt(graph, cursor), QColor(Qt::red));
    graph.setDrawCursorFlags(zelSimpleGraphView::CursorImage);
    expectProperty(graph, "drawCursorFlags", 1);
    EXPECT_EQ(pixelAt(graph, cursor), QColor(Qt::red));
}

TEST(Instruments, GraphFillsItsBackdropOnlyWhenTheFormGaveOne)
{
    zelSimpleGraphView graph;
    graph.resize(50, 50);
    graph.drawGrid = false;
    EXPECT_EQ(pixelAt(graph, QPoint(25, 25)).alpha(), 0);
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(255, 255, 255, 200));
    graph.setPalette(palette);
    EXPECT_EQ(pixelAt(graph, QPoint(25, 25)).alpha(), 200);
}
