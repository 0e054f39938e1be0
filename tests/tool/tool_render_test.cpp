// `quarn-layout render` and `gallery`: pictures of the forms as built.

#include "tool_process.h"

#include "built_form.h"
#include "catalogue_lookup.h"
#include "layout_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

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
        for (const QStringList &options : {QStringList(), QStringList{QStringLiteral("--device-backdrop")}}) {
            const QStringList arguments{QStringLiteral("render"), QLatin1String(name), QStringLiteral("-o"), file};
            const ToolRun run = runTool(arguments + options);
            ASSERT_TRUE(run.finished);
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            QImage image;
            ASSERT_TRUE(image.load(file, "PNG"));
            const CatalogueIndexEntry *entry = quarn::harness::findCatalogued(name);
            ASSERT_NE(entry, nullptr);
            EXPECT_EQ(image.size(), QSize(entry->width, entry->height));
            // Backdrop, placeholder faces, frames and captions: never a blank
            // picture of the device's screen (a host's plain root may show none).
            if (!options.isEmpty()) {
                EXPECT_GT(distinctColours(image), 8);
            }
        }
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

namespace {

// The form built the way a host builds it: into a plain root widget of its
// own, shown offscreen and grabbed.
QImage hostGrab(const char *name)
{
    if (!registerPlaceholderBundle())
        return QImage();
    QString error;
    const std::unique_ptr<quarn::harness::LayoutModule> module =
        quarn::harness::LayoutModule::load(QStringLiteral(QUARN_LAYOUT_MODULE), &error);
    if (!module)
        return QImage();
    const FormLayout *form = module->find(QLatin1String(name));
    const CatalogueIndexEntry *entry = quarn::harness::findCatalogued(name);
    if (!form || !entry)
        return QImage();
    QImage picture;
    {
        quarn::harness::BuiltForm built(*form, *entry);
        QWidget *root = built.root();
        root->setAttribute(Qt::WA_DontShowOnScreen);
        root->show();
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
        picture = root->grab().toImage();
    }
    return picture.convertToFormat(QImage::Format_ARGB32);
}

QImage rendered(const QString &file, const QStringList &options, const char *name)
{
    const ToolRun run =
        runTool(QStringList{QStringLiteral("render"), QLatin1String(name), QStringLiteral("-o"), file} + options);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QImage(file).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// By default a picture is what a host's grab of the form shows; the device's
// backdrop is there when asked for.
TEST(ToolRender, PicturesAreWhatAHostGrabs)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"QuarnTitleBar", "BarometerCalibScreenClass", "QuarnInfoPopupClass"}) {
        SCOPED_TRACE(name);
        const QImage host = hostGrab(name);
        ASSERT_FALSE(host.isNull());
        const QImage picture = rendered(dir.filePath(QStringLiteral("plain.png")), {}, name);
        EXPECT_TRUE(picture == host) << "the tool's picture differs from a host's grab";
        const QImage device =
            rendered(dir.filePath(QStringLiteral("device.png")), {QStringLiteral("--device-backdrop")}, name);
        EXPECT_EQ(device.size(), host.size());
        EXPECT_FALSE(device == host) << "the device backdrop changes nothing";
    }
}

// The bench compares with uic's code of the forms, which only a build tree
// has: without it, the tool says so and fails rather than print empty columns.
TEST(ToolBench, WithoutTheUicReferenceItSaysSoAndFails)
{
    if (!QUARN_HAS_UIC_REFERENCE)
        GTEST_SKIP() << "this build makes no uic reference (QUARN_BUILD_UIC_REFERENCE is off)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString tool = dir.filePath(QStringLiteral("quarn-layout"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUARN_LAYOUT_TOOL), tool));
    ASSERT_TRUE(QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QProcess process;
    process.start(tool,
                  {QStringLiteral("--module"), QStringLiteral(QUARN_LAYOUT_MODULE), QStringLiteral("--resources"),
                   QStringLiteral(QUARN_PLACEHOLDER_RCC), QStringLiteral("bench"), QStringLiteral("--repeat"),
                   QStringLiteral("1")});
    ASSERT_TRUE(process.waitForFinished(240000));
    const QByteArray err = process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(err.contains("quarn-layout: bench compares the module with uic's code")) << err.toStdString();
    EXPECT_TRUE(err.contains("build tree")) << err.toStdString();
}
