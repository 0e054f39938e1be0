// quarn-layout where its output cannot be written, and the basics every
// command line shares: version, exit statuses, message prefix, platform.

#include "tool_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

constexpr int kFailure = 1;

struct OutputRun {
    bool finished = false;
    int exitCode = -1;
    QByteArray err;
};

// The tool with its standard output going to outputFile, under an optional
// file-size limit in 512-byte blocks (a shell's ulimit -f, as a user sets it).
OutputRun runInto(const QStringList &arguments, const QString &outputFile, int fileSizeBlocks = 0)
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    if (fileSizeBlocks > 0) {
        process.start(QStringLiteral("/bin/sh"),
                      QStringList{QStringLiteral("-c"),
                                  QStringLiteral("ulimit -f %1 && exec \"$0\" \"$@\"").arg(fileSizeBlocks),
                                  QStringLiteral(QUARN_LAYOUT_TOOL)}
                          + arguments);
    } else {
        process.start(QStringLiteral(QUARN_LAYOUT_TOOL), arguments);
    }
    OutputRun run;
    run.finished = process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.err = process.readAllStandardError();
    return run;
}

// A failure reported on one line of its own, with the program's name.
void expectReportedFailure(const OutputRun &run, const char *what)
{
    ASSERT_TRUE(run.finished) << what << ": crashed or hung";
    EXPECT_EQ(run.exitCode, kFailure) << what;
    EXPECT_TRUE(run.err.startsWith("quarn-layout: ")) << what << ": " << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("cannot write")) << what << ": " << run.err.toStdString();
}

// Every file left in the folder, with whether it is a whole PNG.
QStringList brokenOrStrayFiles(const QString &folder)
{
    QStringList bad;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        if (!file.fileName().endsWith(QLatin1String(".png")) || QImage(file.filePath()).isNull())
            bad.append(file.fileName());
    }
    return bad;
}

bool isCharacterDevice(const char *path)
{
    const QFileInfo info(QString::fromLatin1(path));
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace

TEST(ToolOutput, FullDeviceIsAnErrorForEveryCommandThatWrites)
{
    ASSERT_TRUE(isCharacterDevice("/dev/full"));
    expectReportedFailure(runInto({QStringLiteral("render"), QStringLiteral("PinClass"), QStringLiteral("-o"),
                                   QStringLiteral("/dev/full")},
                                  QString()),
                          "render -o /dev/full");
    expectReportedFailure(runInto({QStringLiteral("dump"), QStringLiteral("--all")}, QStringLiteral("/dev/full")),
                          "dump --all > /dev/full");
    expectReportedFailure(runInto({QStringLiteral("list")}, QStringLiteral("/dev/full")), "list > /dev/full");
    expectReportedFailure(runInto({QStringLiteral("--help")}, QStringLiteral("/dev/full")), "--help > /dev/full");
    EXPECT_TRUE(isCharacterDevice("/dev/full")) << "a device is written, never replaced";
}

TEST(ToolOutput, UnwritableFolderIsAnErrorAndLeavesNothing)
{
    // /proc takes no new files, not even from root.
    OutputRun run = runInto({QStringLiteral("render"), QStringLiteral("PinClass"), QStringLiteral("-o"),
                             QStringLiteral("/proc/quarn-pin.png")},
                            QString());
    expectReportedFailure(run, "render into /proc");
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/quarn-pin.png")));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    if (::access(dir.path().toLocal8Bit().constData(), W_OK) == 0)
        GTEST_SKIP() << "permissions do not bind this user (root)";
    run = runInto({QStringLiteral("render"), QStringLiteral("PinClass"), QStringLiteral("-o"),
                   dir.filePath(QStringLiteral("pin.png"))},
                  QString());
    expectReportedFailure(run, "render into a read-only folder");
    run = runInto({QStringLiteral("gallery"), dir.path()}, QString());
    expectReportedFailure(run, "gallery into a read-only folder");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(ToolOutput, FileSizeLimitLeavesNoTruncatedPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString picture = dir.filePath(QStringLiteral("map.png"));
    // Two blocks hold no whole screen picture.
    expectReportedFailure(
        runInto({QStringLiteral("render"), QStringLiteral("MapRegularScreenClass"), QStringLiteral("-o"), picture},
                QString(), 2),
        "render past the file-size limit");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

    const QString gallery = dir.filePath(QStringLiteral("gallery"));
    expectReportedFailure(runInto({QStringLiteral("gallery"), gallery}, QString(), 2), "gallery past the limit");
    EXPECT_EQ(brokenOrStrayFiles(gallery), QStringList());
    EXPECT_FALSE(QFile::exists(QDir(gallery).filePath(QStringLiteral("index.html"))));
}

TEST(ToolOutput, ExistingFileIsReplacedWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString picture = dir.filePath(QStringLiteral("pin.png"));
    ASSERT_TRUE(writeFile(picture, QByteArray(100000, 'x')));
    const OutputRun run =
        runInto({QStringLiteral("render"), QStringLiteral("PinClass"), QStringLiteral("-o"), picture}, QString());
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(picture).size(), QSize(78, 53));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("pin.png")});
}

TEST(ToolCommandLineBasics, VersionExitStatusesAndPrefixedErrors)
{
    const ToolRun version = runTool({QStringLiteral("--version")});
    ASSERT_TRUE(version.finished);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("quarn-layout ")) << version.out.toStdString();
    EXPECT_TRUE(QChar::fromLatin1(version.out.at(13)).isDigit()) << version.out.toStdString();
    const ToolRun shortVersion = runTool({QStringLiteral("-v")});
    EXPECT_EQ(shortVersion.exitCode, 0);
    EXPECT_EQ(shortVersion.out, version.out);

    const ToolRun help = runTool({QStringLiteral("--help")});
    ASSERT_TRUE(help.finished);
    for (const char *status : {"Exit status", "0 ", "1 ", "2 "})
        EXPECT_TRUE(help.out.contains(status)) << status;

    const QList<QStringList> failing = {
        {QStringLiteral("frobnicate")},
        {QStringLiteral("--no-such-option"), QStringLiteral("list")},
        {QStringLiteral("dump"), QStringLiteral("NoSuchFormClass")},
        {QStringLiteral("--module"), QStringLiteral("/nonexistent/lib.so"), QStringLiteral("list")},
        {QStringLiteral("--translations"), QStringLiteral("/nonexistent/de.qm"), QStringLiteral("list")},
        {QStringLiteral("render"), QStringLiteral("PinClass"), QStringLiteral("-o"),
         QStringLiteral("/nonexistent/x.png")},
    };
    for (const QStringList &arguments : failing) {
        const ToolRun run = runTool(arguments);
        ASSERT_TRUE(run.finished);
        EXPECT_NE(run.exitCode, 0);
        for (const QByteArray &line : run.err.split('\n')) {
            if (line.isEmpty())
                continue;
            EXPECT_TRUE(line.startsWith("quarn-layout: ") || line.startsWith("Try 'quarn-layout --help'"))
                << arguments.join(' ').toStdString() << ": " << line.toStdString();
        }
    }
}

TEST(ToolCommandLineBasics, EmptyPlatformNameMeansUnset)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString());
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const ToolRun run = runTool({QStringLiteral("dump"), QStringLiteral("PinClass")}, environment);
    ASSERT_TRUE(run.finished) << "aborted";
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
}

TEST(ToolCommandLineBasics, ModuleCutShortIsRefusedNotCrashedOn)
{
    QFile module(QStringLiteral(QUARN_LAYOUT_MODULE));
    ASSERT_TRUE(module.open(QIODevice::ReadOnly));
    const QByteArray image = module.readAll();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Cut inside the loadable part: a cut in the debug information past it
    // leaves a module that loads.
    for (const int cut : {700, 4096, 65536}) {
        const QString copy = dir.filePath(QStringLiteral("cut-%1.so").arg(cut));
        ASSERT_TRUE(writeFile(copy, image.left(cut)));
        const ToolRun run = runTool({QStringLiteral("--module"), copy, QStringLiteral("list")});
        ASSERT_TRUE(run.finished) << "cut at " << cut << ": crashed";
        EXPECT_EQ(run.exitCode, kFailure) << cut;
        EXPECT_TRUE(run.err.startsWith("quarn-layout: ")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

// A folder that cannot be made ends the gallery at once, with the reason.
TEST(ToolOutput, GalleryStopsWhenItCannotMakeItsFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("plain-file"));
    ASSERT_TRUE(writeFile(file, QByteArray()));

    const ToolRun run = runTool({QStringLiteral("gallery"), file + QStringLiteral("/gallery")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, kFailure);
    const QList<QByteArray> lines = run.err.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 1) << "nothing rendered or written after the failure:\n" << run.err.toStdString();
    EXPECT_TRUE(lines.first().startsWith("quarn-layout: cannot make directory ")) << run.err.toStdString();
    EXPECT_TRUE(lines.first().endsWith(": " + QByteArray(std::strerror(ENOTDIR)))) << run.err.toStdString();
}

// Each failure names the file and carries the system's reason for it.
TEST(ToolOutput, FailuresSayWhy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("plain-file"));
    ASSERT_TRUE(writeFile(file, "neither a translation nor an image bundle\n"));
    const QString underFile = file + QStringLiteral("/x.ui");
    const QString missing = dir.filePath(QStringLiteral("missing/x.qm"));

    const struct {
        QStringList arguments;
        QString names;
        QByteArray reason;
    } cases[] = {
        {{QStringLiteral("ui"), QStringLiteral("PinClass"), QStringLiteral("-o"), underFile},
         underFile,
         std::strerror(ENOTDIR)},
        {{QStringLiteral("ui"), QStringLiteral("--all"), QStringLiteral("-o"), file}, file, std::strerror(ENOTDIR)},
        {{QStringLiteral("render"), QStringLiteral("PinClass"), QStringLiteral("-o"), underFile},
         underFile,
         std::strerror(ENOTDIR)},
        {{QStringLiteral("--translations"), missing, QStringLiteral("list")}, missing, std::strerror(ENOENT)},
        {{QStringLiteral("--translations"), file, QStringLiteral("list")}, file, "not a Qt translation file"},
        {{QStringLiteral("--resources"), file, QStringLiteral("list")}, file, "not a Qt resource bundle"},
    };
    for (const auto &failure : cases) {
        SCOPED_TRACE(failure.arguments.join(QLatin1Char(' ')).toStdString());
        const ToolRun run = runTool(failure.arguments);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, kFailure);
        EXPECT_TRUE(run.err.startsWith("quarn-layout: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(failure.names.toUtf8())) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(failure.reason)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(underFile));
}

// The offscreen platform's and the session's notices are not the tool's
// business; what Qt does have to say is shown, marked as Qt's.
TEST(ToolOutput, QtMessagesAreMarkedAsQtsAndNoiseIsDropped)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ToolRun run = runTool({QStringLiteral("render"), QStringLiteral("MapRegularScreenClass"), QStringLiteral("-o"),
                           dir.filePath(QStringLiteral("map.png"))},
                          environment);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err.toStdString(), "");

    // Qt's plug-in loader tells what it does when asked to.
    environment.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
    run = runTool({QStringLiteral("dump"), QStringLiteral("PinClass")}, environment);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.startsWith("quarn-layout: Qt debug: ")) << run.err.left(300).toStdString();
    // Each of its messages marked; Qt 5 names the loader in them, Qt 6 does not.
    EXPECT_GT(run.err.count("\nquarn-layout: Qt debug: "), 1) << run.err.left(300).toStdString();
    EXPECT_TRUE(run.err.contains("checking directory path")) << run.err.left(300).toStdString();
}
