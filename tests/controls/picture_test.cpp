// Pictures given by path: decoded the first time they are painted or asked
// for, once, and then the same picture every time.

#include "controls/zel_calendar_widget.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_compass.h"
#include "controls/zel_coord_entry_widget.h"
#include "controls/zel_icon.h"
#include "controls/zel_input_widget.h"
#include "controls/zel_push_check_box.h"
#include "controls/zel_satellite_view.h"
#include "controls/zel_strip_compass.h"

#include <QFile>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVariant>
#include <gtest/gtest.h>

namespace {

// Every path decodes to a 4×4 picture of its own colour; the test counts the decodes.
QMap<QByteArray, int> g_decodes;

QPixmap decodeCounted(const char *path)
{
    ++g_decodes[path];
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(QColor::fromRgb(qHash(QByteArray(path)) | 0xff000000u));
    return QPixmap::fromImage(picture);
}

ZelPicture counted(const char *path)
{
    return ZelPicture(path, &decodeCounted);
}

class Pictures : public ::testing::Test
{
protected:
    void SetUp() override { g_decodes.clear(); }
    void TearDown() override { ZelPicture::setDeferredDecoding(true); }
};

TEST_F(Pictures, AButtonDecodesTheFaceItPaintsAndTheOthersWhenAskedFor)
{
    ZelPushCheckBox button;
    button.setGeometry(0, 0, 20, 20);
    button.setNormal(counted("normal"));
    button.setPressed(counted("pressed"));
    button.setFocused(counted("focused"));
    button.setCheckedImg(counted("checked"));
    button.setUncheckedImg(counted("unchecked"));
    EXPECT_TRUE(g_decodes.isEmpty()) << "nothing decoded before the first paint";

    const QImage shown = button.grab().toImage();
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"normal", 1}, {"unchecked", 1}}));
    EXPECT_EQ(shown.pixelColor(10, 10), button.normal().toImage().pixelColor(0, 0));

    // The getters (and so the properties a dump reads) decode the rest, once.
    const QPixmap pressed = button.pressed();
    EXPECT_EQ(button.property("pressed").value<QPixmap>().cacheKey(), pressed.cacheKey());
    EXPECT_EQ(button.pressed().cacheKey(), pressed.cacheKey());
    button.grab();
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"normal", 1}, {"unchecked", 1}, {"pressed", 1}}));
    EXPECT_FALSE(button.focused().isNull());
    EXPECT_EQ(g_decodes.value("focused"), 1);
}

TEST_F(Pictures, AComboBoxDecodesItsItemFacesOnlyWhenAskedFor)
{
    ZelComboBox box;
    box.setGeometry(0, 0, 60, 20);
    box.setNormal(counted("normal"));
    box.setPressed(counted("pressed"));
    box.setArrowNormal(counted("arrow"));
    box.setArrowPressed(counted("arrow_h"));
    box.setItemNormal(counted("item"));
    box.setItemFocused(counted("item_f"));
    box.setItemPressed(counted("item_h"));
    box.grab();
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"normal", 1}, {"arrow", 1}}));
    EXPECT_EQ(box.itemNormal().size(), QSize(4, 4));
    EXPECT_EQ(g_decodes.size(), 3);
}

TEST_F(Pictures, ACalendarDecodesItsMonthButtonsWhenPolishedAndThePressedOnesWhenAskedFor)
{
    zelCalendarWidget calendar;
    calendar.setGeometry(0, 0, 240, 190);
    calendar.setPrevMonthNormal(counted("prev"));
    calendar.setPrevMonthPressed(counted("prev_h"));
    calendar.setPrevMonthFocused(counted("prev_f"));
    calendar.setPrevMonthDisabled(counted("prev"));
    calendar.setNextMonthNormal(counted("next"));
    calendar.setNextMonthPressed(counted("next_h"));
    EXPECT_TRUE(g_decodes.isEmpty()) << "nothing decoded before the calendar is polished";

    calendar.grab();
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"prev", 2}, {"prev_f", 1}, {"next", 1}}));
    const auto *previous = calendar.findChild<QToolButton *>(QStringLiteral("qt_calendar_prevmonth"));
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(previous->iconSize(), QSize(4, 4));
    EXPECT_EQ(previous->icon().pixmap(QSize(4, 4)).toImage().pixelColor(1, 1),
              calendar.prevMonthNormal().toImage().pixelColor(1, 1));

    EXPECT_EQ(calendar.property("nextMonthPressed").value<QPixmap>().size(), QSize(4, 4));
    EXPECT_EQ(g_decodes.value("next_h"), 1);
    EXPECT_EQ(g_decodes.value("prev_h"), 0);

    // Set on a calendar already polished, a picture goes on at once.
    calendar.setNextMonthNormal(counted("next2"));
    const auto *next = calendar.findChild<QToolButton *>(QStringLiteral("qt_calendar_nextmonth"));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(g_decodes.value("next2"), 1);
    EXPECT_EQ(next->icon().pixmap(QSize(4, 4)).toImage().pixelColor(1, 1),
              calendar.nextMonthNormal().toImage().pixelColor(1, 1));
}

TEST_F(Pictures, CompassesDecodeWhatTheyPaint)
{
    zelCompass compass;
    compass.setGeometry(0, 0, 100, 100);
    compass.setCompassRing(counted("ring"));
    compass.setRedNeedle(counted("red"));
    compass.setBlueNeedle(counted("blue"));
    EXPECT_TRUE(g_decodes.isEmpty());
    compass.grab();
    compass.grab();
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"ring", 1}, {"red", 1}, {"blue", 1}}));

    g_decodes.clear();
    zelStripCompass strip;
    strip.setGeometry(0, 0, 240, 100);
    strip.setStripBkgd(counted("strip"));
    strip.setRoadBkgd(counted("road"));
    strip.setLeftArrow(counted("left"));
    strip.setRightArrow(counted("right"));
    strip.setDestArrow(counted("destination"));
    strip.setGreenNeedle(counted("green"));
    strip.setHeading(0);
    strip.bearing = 0;
    EXPECT_TRUE(g_decodes.isEmpty());
    // Off road mode, with the destination in view: neither the road nor the side arrows.
    strip.grab();
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"strip", 1}, {"destination", 1}, {"green", 1}}));
    strip.setRoadCompassMode(true);
    strip.grab();
    EXPECT_EQ(g_decodes.value("road"), 1);
    EXPECT_EQ(strip.leftArrow().size(), QSize(4, 4));
    EXPECT_EQ(g_decodes.value("left"), 1);
    EXPECT_EQ(g_decodes.value("right"), 0);
}

TEST_F(Pictures, ASatelliteViewDecodesTheImagesOfTheSatellitesItShows)
{
    zelSatelliteView view;
    view.setGeometry(0, 0, 120, 120);
    view.setWeakSat(counted("weak"));
    view.setStrongSat(counted("strong"));
    view.setSBASStrongSat(counted("sbas strong"));
    view.setNoSat(counted("none"));
    view.grab();
    EXPECT_TRUE(g_decodes.isEmpty()) << "an empty sky shows no satellite";

    zelSatelliteView::Satellite satellite;
    satellite.elevation = 90;
    satellite.signal = zelSatelliteView::Signal::Strong;
    view.setSatellites({satellite});
    view.grab();
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"strong", 1}}));
    EXPECT_EQ(view.imageFor(satellite).size(), QSize(4, 4));
    EXPECT_EQ(view.sbasStrongSat().size(), QSize(4, 4));
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"strong", 1}, {"sbas strong", 1}}));
}

// Prompt images are paths a form gives as text; each is read when first
// painted, so a file that appears after the path was set is still shown,
// and once read it stays.
template <typename Entry>
void expectPromptsReadWhenPainted()
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString normalPath = folder.filePath(QStringLiteral("normal.png"));
    const QString focusedPath = folder.filePath(QStringLiteral("focused.png"));
    Entry entry;
    entry.setGeometry(0, 0, 20, 20);
    // As the forms have it: the line edit's own face is transparent over the prompt.
    entry.setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    entry.setNormalPromptImage(normalPath);
    entry.setFocusedPromptImage(focusedPath);
    EXPECT_EQ(entry.normalPromptImage(), normalPath);

    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(normalPath));
    EXPECT_EQ(entry.grab().toImage().pixelColor(2, 2), QColor(Qt::red));
    ASSERT_TRUE(QFile::remove(normalPath));
    EXPECT_EQ(entry.grab().toImage().pixelColor(2, 2), QColor(Qt::red));
}

TEST_F(Pictures, EntryFieldsReadTheirPromptImagesWhenFirstPainted)
{
    expectPromptsReadWhenPainted<zelCoordEntryWidget>();
    expectPromptsReadWhenPainted<zelInputWidget>();
}

TEST_F(Pictures, APictureGivenDecodedOrDecodedUpFrontIsThePictureGiven)
{
    QPixmap given(3, 3);
    given.fill(Qt::red);
    ZelIcon icon;
    icon.setImage(given);
    EXPECT_EQ(icon.image().cacheKey(), given.cacheKey());
    EXPECT_EQ(ZelPicture(given).path(), nullptr);

    ZelPicture::setDeferredDecoding(false);
    icon.setImage(counted("up front"));
    EXPECT_EQ(g_decodes.value("up front"), 1);
    EXPECT_EQ(icon.image().size(), QSize(4, 4));
    EXPECT_EQ(g_decodes.value("up front"), 1);

    // A path that gives no picture is a null picture, asked for once.
    const ZelPicture missing("missing", [](const char *path) {
        ++g_decodes[path];
        return QPixmap();
    });
    EXPECT_TRUE(missing.isNull());
    EXPECT_TRUE(missing.pixmap().isNull());
    EXPECT_EQ(g_decodes.value("missing"), 1);
}

} // namespace

TEST_F(Pictures, APathFromTextThatGoesIsDecodedAsItWas)
{
    // The form generator hands controls paths out of a form's text, which is
    // gone or reused by the time the picture is painted.
    QByteArray text(":/Icons/i_Transient.mif");
    ZelIcon icon;
    icon.setImage(counted(text.constData()));
    text.fill('x');
    EXPECT_EQ(icon.image().size(), QSize(4, 4));
    EXPECT_EQ(g_decodes.value(":/Icons/i_Transient.mif"), 1);
    EXPECT_EQ(g_decodes.value(text), 0);
}
