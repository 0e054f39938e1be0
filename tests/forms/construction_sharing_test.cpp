// What the construction routines share between builds: pictures, palettes,
// fonts and navigation-field documents, and that sharing never hands out
// something stale or changed.

#include "core/construction/images.h"
#include "core/construction/look.h"
#include "core/construction/nav_fields.h"
#include "core/qt_compat.h"

#include <QIcon>
#include <QImage>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

using namespace quarn;

QColor colourOf(const QPixmap &pixmap)
{
    return pixmap.toImage().pixelColor(0, 0);
}

bool writePicture(const QString &path, const QColor &colour)
{
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture.save(path, "PNG");
}

TEST(SharedPictures, AreKeptUntilTheHostClearsThePixmapCache)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("face.png"));
    const QByteArray utf8Path = path.toUtf8();
    ASSERT_TRUE(writePicture(path, Qt::red));
    EXPECT_EQ(colourOf(image(utf8Path.constData())), QColor(Qt::red));

    // Another bundle under the same path: the kept picture stays until the
    // host clears the cache, as the header tells hosts to.
    ASSERT_TRUE(writePicture(path, Qt::blue));
    EXPECT_EQ(colourOf(image(utf8Path.constData())), QColor(Qt::red));
    QPixmapCache::clear();
    EXPECT_EQ(colourOf(image(utf8Path.constData())), QColor(Qt::blue));
}

// The cache is the host's and has a limit: each picture is kept in it once,
// so two pictures fit where two and a half would.
TEST(SharedPictures, TakeTheirSizeInThePixmapCacheOnce)
{
    QTemporaryDir dir;
    const auto write = [&](const char *name, const QColor &colour) {
        QImage picture(256, 256, QImage::Format_ARGB32);
        picture.fill(colour);
        const QString path = dir.filePath(QLatin1String(name));
        return picture.save(path, "PNG") ? path.toUtf8() : QByteArray();
    };
    const QByteArray first = write("first.png", Qt::red);
    const QByteArray second = write("second.png", Qt::green);
    ASSERT_FALSE(first.isEmpty() || second.isEmpty());

    const int limit = QPixmapCache::cacheLimit();
    QPixmapCache::clear();
    const int pictureKilobytes = int(image(first.constData()).toImage().sizeInBytes() / 1024);
    QPixmapCache::clear();
    QPixmapCache::setCacheLimit(pictureKilobytes * 5 / 2);
    EXPECT_EQ(colourOf(image(first.constData())), QColor(Qt::red));
    EXPECT_EQ(colourOf(image(second.constData())), QColor(Qt::green));
    ASSERT_FALSE(write("first.png", Qt::blue).isEmpty());
    EXPECT_EQ(colourOf(image(first.constData())), QColor(Qt::red)) << "the first picture was pushed out";
    QPixmapCache::setCacheLimit(limit);
    QPixmapCache::clear();
}

TEST(SharedPictures, ToggleIconsFollowTheirPicturesWhenTheHostClearsTheCache)
{
    QTemporaryDir dir;
    const QByteArray off = dir.filePath(QStringLiteral("toggle.png")).toUtf8();
    const QByteArray on = dir.filePath(QStringLiteral("toggle_h.png")).toUtf8();
    const auto colours = [&] {
        const QIcon icon = toggleIcon(off.constData(), on.constData());
        return std::make_pair(colourOf(icon.pixmap(QSize(4, 4), QIcon::Normal, QIcon::Off)),
                              colourOf(icon.pixmap(QSize(4, 4), QIcon::Normal, QIcon::On)));
    };
    ASSERT_TRUE(writePicture(QString::fromUtf8(off), Qt::red) && writePicture(QString::fromUtf8(on), Qt::green));
    EXPECT_EQ(colours(), std::make_pair(QColor(Qt::red), QColor(Qt::green)));
    ASSERT_TRUE(writePicture(QString::fromUtf8(off), Qt::blue) && writePicture(QString::fromUtf8(on), Qt::yellow));
    EXPECT_EQ(colours(), std::make_pair(QColor(Qt::red), QColor(Qt::green)));
    QPixmapCache::clear();
    EXPECT_EQ(colours(), std::make_pair(QColor(Qt::blue), QColor(Qt::yellow)));
}

TEST(SharedPictures, AMissingPathIsFoundOnceItExists)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("late.png"));
    const QByteArray utf8Path = path.toUtf8();
    EXPECT_TRUE(image(utf8Path.constData()).isNull());
    ASSERT_TRUE(writePicture(path, Qt::green));
    EXPECT_EQ(colourOf(image(utf8Path.constData())), QColor(Qt::green));
}

TEST(SharedLooks, EqualColoursGiveOnePaletteAndChangedCopiesLeaveTheSharedOnesAlone)
{
    const Colours first = Colours().role(QPalette::WindowText, QColor(1, 2, 3), QColor(4, 5, 6));
    const Colours second = Colours().role(QPalette::WindowText, QColor(1, 2, 3), QColor(4, 5, 6));
    EXPECT_EQ(&first.palette(), &second.palette());
    EXPECT_NE(&first.palette(), &Colours().role(QPalette::WindowText, QColor(1, 2, 4)).palette());
    EXPECT_EQ(first.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(4, 5, 6));

    const QPalette onClear = whiteText().role(QPalette::Base, kClear);
    EXPECT_TRUE(quarn::qt::paletteRoleSet(onClear, QPalette::Base));
    EXPECT_FALSE(quarn::qt::paletteRoleSet(whiteText().palette(), QPalette::Base));
    EXPECT_EQ(&whiteText(), &whiteText());

    const QFont larger = boldAA().pointSize(31);
    EXPECT_EQ(larger.pointSize(), 31);
    EXPECT_NE(boldAA().font().pointSize(), 31);
    EXPECT_TRUE(boldAA().font().bold());
}

TEST(SharedNavFieldDocuments, ATableAtAReusedAddressGetsItsOwnDocument)
{
    using namespace navfields;
    std::optional<std::vector<Configuration>> table;
    table.emplace(std::vector<Configuration>{{{full(183, 16, 32)}}});
    const QByteArray first = document(*table);
    EXPECT_EQ(document(*table), first);
    EXPECT_TRUE(first.contains("230x183"));

    table.emplace(std::vector<Configuration>{{{half(45), half(45)}}});
    const QByteArray second = document(*table);
    EXPECT_NE(second, first);
    EXPECT_TRUE(second.contains("113x45"));
}

} // namespace
