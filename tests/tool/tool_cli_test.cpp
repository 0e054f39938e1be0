// quarn-layout's command line: the catalogue listing, help, and how it fails.

#include "tool_process.h"

#include "catalogue/catalogue_index.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kUsageError = 2;

QStringList args(std::initializer_list<const char *> words)
{
    QStringList list;
    for (const char *word : words)
        list.append(QString::fromUtf8(word));
    return list;
}

} // namespace

TEST(ToolCommandLine, ListShowsEveryCatalogueEntryInOrder)
{
    const ToolRun run = runTool(args({"list"}));
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), int(kCatalogueSize) + 1) << "a heading and one line per form";
    lines.removeFirst();
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        const CatalogueIndexEntry &entry = kCatalogueIndex[i];
        const QRegularExpression expected(QStringLiteral("^\\s*%1\\s+%2\\s+%3x%4\\s+%5$")
                                              .arg(entry.position)
                                              .arg(QLatin1String(entry.name))
                                              .arg(entry.width)
                                              .arg(entry.height)
                                              .arg(entry.fieldCount));
        EXPECT_TRUE(expected.match(lines.at(int(i))).hasMatch()) << lines.at(int(i)).toStdString();
    }
}

TEST(ToolCommandLine, ListColumnsAreAligned)
{
    const ToolRun run = runTool(args({"list"}));
    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 1);
    for (const QString &line : lines)
        EXPECT_EQ(line.size(), lines.first().size()) << line.toStdString();
}

TEST(ToolCommandLine, HelpDescribesEveryCommand)
{
    const ToolRun run = runTool(args({"--help"}));
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    for (const char *command : {"list", "dump", "render", "gallery", "fit", "bench", "--module", "--resources", "--translations"})
        EXPECT_TRUE(run.out.contains(command)) << command;
}

TEST(ToolCommandLine, UnknownFormFailsNamingIt)
{
    for (const QStringList &arguments : {args({"dump", "PinClass", "NoSuchFormClass"}),
                                         args({"render", "NoSuchFormClass", "-o", "/tmp/never-written.png"})}) {
        const ToolRun run = runTool(arguments);
        ASSERT_TRUE(run.finished);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.err.contains("unknown form: NoSuchFormClass")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << "no partial output for " << arguments.join(' ').toStdString();
    }
}

TEST(ToolCommandLine, FormNamesAreCaseSensitive)
{
    const ToolRun run = runTool(args({"dump", "pinclass"}));
    ASSERT_TRUE(run.finished);
    EXPECT_NE(run.exitCode, 0);
}

TEST(ToolCommandLine, MissingModuleFailsNamingThePath)
{
    const ToolRun run = runTool(args({"--module", "/nonexistent/libNoLayouts.so", "dump", "PinClass"}));
    ASSERT_TRUE(run.finished);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("/nonexistent/libNoLayouts.so")) << run.err.toStdString();
}

TEST(ToolCommandLine, FileThatIsNoModuleFails)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fake = dir.filePath(QStringLiteral("libFake.so"));
    QFile file(fake);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a shared library\n");
    file.close();

    const ToolRun run = runTool({QStringLiteral("--module"), fake, QStringLiteral("dump"), QStringLiteral("PinClass")});
    ASSERT_TRUE(run.finished);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("cannot load layout module")) << run.err.toStdString();
}

TEST(ToolCommandLine, MissingChosenFilesFail)
{
    for (const QStringList &arguments : {args({"--resources", "/nonexistent/images.rcc", "dump", "PinClass"}),
                                         args({"--translations", "/nonexistent/de.qm", "dump", "PinClass"})}) {
        const ToolRun run = runTool(arguments);
        ASSERT_TRUE(run.finished);
        EXPECT_NE(run.exitCode, 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("/nonexistent/")) << run.err.toStdString();
    }
}

TEST(ToolCommandLine, BadArgumentsAreUsageErrors)
{
    const QList<QStringList> cases = {
        {},
        args({"frobnicate"}),
        args({"--no-such-option", "list"}),
        args({"dump"}),
        args({"dump", "--all", "PinClass"}),
        args({"render", "PinClass"}),
        args({"render", "PinClass", "QuarnTitleBar", "-o", "/tmp/never-written.png"}),
        args({"gallery"}),
        args({"fit"}),
        args({"fit", "--all", "PinClass"}),
        args({"list", "--all"}),
        args({"bench", "--repeat", "zero"}),
        args({"dump", "--skeleton", "PinClass"}),
        args({"list", "extra"}),
    };
    for (const QStringList &arguments : cases) {
        const ToolRun run = runTool(arguments);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, kUsageError) << "quarn-layout " << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << "quarn-layout " << arguments.join(' ').toStdString();
    }
}

TEST(ToolCommandLine, RunsWithoutADisplayByDefault)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const ToolRun run = runTool(args({"dump", "PinClass"}), environment);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
}

TEST(ToolCommandLine, BenchTimesEveryFormAgainstTheFloor)
{
    const ToolRun run = runTool(args({"bench", "--repeat", "1"}));
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString out = QString::fromUtf8(run.out);
    for (const CatalogueIndexEntry &entry : kCatalogueIndex)
        EXPECT_TRUE(out.contains(QLatin1String(entry.name))) << entry.name;
    EXPECT_TRUE(out.contains(QLatin1String("total")));
}
