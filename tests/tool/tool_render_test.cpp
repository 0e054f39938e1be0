// `quarn-layout render` and `gallery`: pictures of the forms as built.

#include "tool_process.h"

#include "catalogue_lookup.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

} // namespace

TEST(ToolRender, WritesAPictureOfTheCataloguedSize)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"QuarnTitleBar", "PinClass", "ScrollButtonsWidgetClass", "QuarnInfoPopupClass"}) {
        SCOPED_TRACE(name);
        const QString file = dir.filePath(QLatin1String(name) + QStringLiteral(".png"));
        const ToolRun run = runTool({QStringLiteral("render"), QLatin1String(name), QStringLiteral("-o"), file});
        ASSERT_TRUE(run.finished);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        QImage image;
        ASSERT_TRUE(image.load(file, "PNG"));
        const CatalogueIndexEntry *entry = quarn::harness::findCatalogued(name);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(image.size(), QSize(entry->width, entry->height));
        // Backdrop, placeholder faces and captions: never a blank picture.
        EXPECT_GT(distinctColours(image), 8);
    }
}

TEST(ToolRender, UnwritableOutputFails)
{
    const ToolRun run = runTool({QStringLiteral("render"), QStringLiteral("PinClass"), QStringLiteral("-o"),
                                 QStringLiteral("/nonexistent/dir/pin.png")});
    ASSERT_TRUE(run.finished);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("/nonexistent/dir/pin.png")) << run.err.toStdString();
}

TEST(ToolGallery, ShowsEveryFormInCatalogueOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString gallery = dir.filePath(QStringLiteral("gallery"));
    const ToolRun run = runTool({QStringLiteral("gallery"), gallery});
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    QFile index(QDir(gallery).filePath(QStringLiteral("index.html")));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(index.readAll());
    int previous = -1;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        SCOPED_TRACE(entry.name);
        const QString name = QLatin1String(entry.name);
        const int at = html.indexOf(QStringLiteral("id=\"%1\"").arg(name));
        ASSERT_GE(at, 0);
        EXPECT_GT(at, previous);
        previous = at;
        EXPECT_TRUE(html.contains(QStringLiteral("src=\"%1.png\"").arg(name)));
        EXPECT_TRUE(html.contains(QStringLiteral("%1 &times; %2").arg(entry.width).arg(entry.height)));
        const QImageReader picture(QDir(gallery).filePath(name + QStringLiteral(".png")));
        EXPECT_EQ(picture.size(), QSize(entry.width, entry.height));
    }
}
