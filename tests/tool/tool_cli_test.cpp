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

// Every command the help lists is one the tool runs, and every option has a
// description; the places the tool looks for its module and images are named.
TEST(ToolCommandLine, HelpDescribesEveryCommandAndOption)
{
    const ToolRun run = runTool(args({"--help"}));
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    const QString help = QString::fromUtf8(run.out);
    const int commandsAt = help.indexOf(QLatin1String("\nCommands:\n"));
    const int optionsAt = help.indexOf(QLatin1String("\nOptions:\n"));
    ASSERT_GE(commandsAt, 0) << run.out.toStdString();
    ASSERT_GT(optionsAt, commandsAt) << run.out.toStdString();

    QStringList commands;
    const QRegularExpression synopsis(QStringLiteral("^  ([a-z]+)\\b"));
    for (const QString &line : help.mid(commandsAt, optionsAt - commandsAt).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = synopsis.match(line);
        if (match.hasMatch())
            commands.append(match.captured(1));
    }
    EXPECT_GE(commands.size(), 7) << run.out.toStdString();
    for (const QString &command : qAsConst(commands)) {
        // Each listed command is known, and refuses options of others.
        const ToolRun extra = runTool({command, QStringLiteral("--skeleton"), QStringLiteral("--full"),
                                       QStringLiteral("--repeat"), QStringLiteral("1")});
        EXPECT_EQ(extra.exitCode, kUsageError) << command.toStdString();
        EXPECT_TRUE(extra.err.contains("only goes with")) << command.toStdString() << ": " << extra.err.toStdString();
    }

    const QRegularExpression option(QStringLiteral("^  (-\\w, )?--[\\w-]+( <[^>]+>)?\\s+(\\S.*)$"));
    int options = 0;
    for (const QString &line : help.mid(optionsAt).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("  -"))) {
            ++options;
            EXPECT_TRUE(option.match(line).hasMatch()) << "option without a description: " << line.toStdString();
        }
    }
    EXPECT_GE(options, 8);
    for (const char *option : {"--module", "--resources", "--template"}) {
        const int at = help.indexOf(QLatin1String(option), optionsAt);
        ASSERT_GE(at, 0) << option;
        EXPECT_TRUE(help.mid(at, 300).simplified().contains(QLatin1String("beside this program, else ../")))
            << option << ": " << help.mid(at, 300).toStdString();
    }
}

TEST(ToolCommandLine, UiWithoutOutputWritesToStandardOutput)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("pin.ui"));
    const ToolRun toFile = runTool(args({"ui", "PinClass", "-o"}) << file);
    ASSERT_EQ(toFile.exitCode, 0) << toFile.err.toStdString();
    const ToolRun toOut = runTool(args({"ui", "PinClass"}));
    ASSERT_TRUE(toOut.finished);
    EXPECT_EQ(toOut.exitCode, 0) << toOut.err.toStdString();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    // The same form, but for the resource file only a folder has beside it.
    const QByteArray include = "  <include location=\"quarn-images.qrc\"/>\n";
    EXPECT_EQ(QByteArray(toOut.out).replace(" <resources/>\n", " <resources>\n" + include + " </resources>\n"),
              written.readAll());
    EXPECT_TRUE(toOut.out.contains("<class>PinClass</class>")) << toOut.out.left(400).toStdString();

    // Every form needs a folder, not one stream.
    const ToolRun all = runTool(args({"ui", "--all"}));
    EXPECT_EQ(all.exitCode, kUsageError);
    EXPECT_TRUE(all.out.isEmpty());
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
    ASSERT_TRUE(writeFile(fake, "not a shared library\n"));

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
        args({"benchmark"}),
        args({"render", "PinClass", "-o", "/tmp/never-written.png", "--every-misfit"}),
        args({"dump", "PinClass", "--device-backdrop"}),
    };
    for (const QStringList &arguments : cases) {
        const ToolRun run = runTool(arguments);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, kUsageError) << "quarn-layout " << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("quarn-layout: ")) << "quarn-layout " << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << "quarn-layout " << arguments.join(' ').toStdString();
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
    if (!QUARN_HAS_UIC_REFERENCE)
        GTEST_SKIP() << "this build makes no uic reference (QUARN_BUILD_UIC_REFERENCE is off)";
    const ToolRun run = runTool(args({"bench", "--repeat", "1"}));
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString out = QString::fromUtf8(run.out);
    for (const CatalogueIndexEntry &entry : kCatalogueIndex)
        EXPECT_TRUE(out.contains(QLatin1String(entry.name))) << entry.name;
    EXPECT_TRUE(out.contains(QLatin1String("total")));
}
