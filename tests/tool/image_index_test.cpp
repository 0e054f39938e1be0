// Mapping pixmaps back to the resource paths they were loaded from.

#include "common/image_index.h"
#include "tool_process.h"

#include "image_digest.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using quarn::layouttool::ImageIndex;
using quarn::placeholders::imageDigest;

namespace {

QImage picture(const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Written under a .mif name, as the bundle holds them: the format is found by content.
QString writeMif(const QTemporaryDir &dir, const QString &relativePath, const QImage &image)
{
    const QString path = dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
}

} // namespace

TEST(ImageIndex, EveryPlaceholderMapsBackToItsOwnPath)
{
    ASSERT_TRUE(registerPlaceholderBundle());
    const ImageIndex index = ImageIndex::scan();
    ASSERT_GT(index.size(), 0);
    EXPECT_TRUE(index.ambiguousPaths().isEmpty()) << index.ambiguousPaths().join(' ').toStdString();

    int checked = 0;
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.mif")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        EXPECT_EQ(index.pathOf(QPixmap(path)), path);
        ++checked;
    }
    EXPECT_EQ(checked, index.size());
}

TEST(ImageIndex, FindsImagesInSubfoldersAndWithBlanksInTheirNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString blank = writeMif(dir, QStringLiteral("Icons/i_home phone.mif"), picture({38, 38}, Qt::red));
    const QString nested = writeMif(dir, QStringLiteral("maneuvers/Icons/i_Man_01.mif"), picture({48, 48}, Qt::red));
    const QString atRoot = writeMif(dir, QStringLiteral("bkgd_Splash.mif"), picture({240, 400}, Qt::blue));
    writeMif(dir, QStringLiteral("notes.png"), picture({5, 5}, Qt::green)); // not an image resource name

    const ImageIndex index = ImageIndex::scan(dir.path());
    EXPECT_EQ(index.size(), 3);
    EXPECT_EQ(index.pathOf(QPixmap(blank)), blank);
    EXPECT_EQ(index.pathOf(QPixmap(nested)), nested);
    EXPECT_EQ(index.pathOf(QPixmap(atRoot)), atRoot);
    EXPECT_TRUE(index.contains(blank));
}

TEST(ImageIndex, UnknownAndNullPixmapsMapToNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeMif(dir, QStringLiteral("Icons/i_a.mif"), picture({38, 38}, Qt::red));
    const ImageIndex index = ImageIndex::scan(dir.path());

    EXPECT_TRUE(index.pathOf(QPixmap()).isEmpty());
    EXPECT_TRUE(index.pathOf(QPixmap::fromImage(picture({38, 38}, Qt::darkRed))).isEmpty());
    // Same colour, other size: a scaled copy is not the resource.
    EXPECT_TRUE(index.pathOf(QPixmap::fromImage(picture({39, 38}, Qt::red))).isEmpty());
}

TEST(ImageIndex, IdenticalImagesAreReportedAsAmbiguous)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString first = writeMif(dir, QStringLiteral("Icons/i_a.mif"), picture({20, 20}, Qt::yellow));
    const QString second = writeMif(dir, QStringLiteral("Icons/i_b.mif"), picture({20, 20}, Qt::yellow));
    const ImageIndex index = ImageIndex::scan(dir.path());
    EXPECT_EQ(index.ambiguousPaths(), QStringList{second});
    EXPECT_EQ(index.pathOf(QPixmap(second)), first);
}

TEST(ImageDigest, DependsOnWhatIsShownNotOnThePixelFormat)
{
    const QImage argb = picture({7, 5}, QColor(10, 200, 30));
    EXPECT_EQ(imageDigest(argb), imageDigest(argb.convertToFormat(QImage::Format_RGB32)));
    EXPECT_EQ(imageDigest(argb), imageDigest(argb.convertToFormat(QImage::Format_ARGB32_Premultiplied)));

    QImage changed = argb;
    changed.setPixel(6, 4, qRgb(10, 200, 31));
    EXPECT_NE(imageDigest(argb), imageDigest(changed));
    EXPECT_NE(imageDigest(picture({5, 7}, QColor(10, 200, 30))), imageDigest(argb));
}
