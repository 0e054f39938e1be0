#include "source_format.h"

#include "tool_files.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <climits>
#include <unistd.h>

namespace quarn::layouttool {

namespace {

// Big forms take clang-format a few seconds; a minute means something is wrong.
constexpr int kFormatSeconds = 60;

QString styleFile()
{
    const QString installed = locate(QStringLiteral("clang-format"), dataFolders());
    if (QFileInfo(installed).isFile())
        return installed;
    const QString source = QStringLiteral(QUARN_SOURCE_DIR "/.clang-format");
    return QFileInfo(source).isFile() ? source : QString();
}

// What the formatter may change: whitespace, a string literal split at the
// column limit ("ab" "c"), a line comment reflowed into two. The rest of the
// text must come back as it went in, or the output is not the whole file.
QString formatterInvariant(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            kept += c;
    }
    return kept.remove(QLatin1String("\"\"")).remove(QLatin1String("//"));
}

} // namespace

bool outputNameFits(const QString &path, QString *error)
{
    const QFileInfo file(path);
    const qint64 nameBytes = QFile::encodeName(file.fileName()).size();
    const qint64 pathBytes = QFile::encodeName(file.absoluteFilePath()).size();
    // The folder may not exist yet: the limit of the nearest one that does.
    QString folder = file.absolutePath();
    while (!QFileInfo(folder).isDir() && folder.size() > 1)
        folder = QFileInfo(folder).absolutePath();
    const long nameLimit = pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    if (nameBytes > (nameLimit > 0 ? nameLimit : 255) || pathBytes >= PATH_MAX) {
        *error =
            QStringLiteral("the file name %1 would be too long").arg(file.fileName().left(60) + QStringLiteral("..."));
        return false;
    }
    return true;
}

bool formatSource(QString *source, const QString &assumedPath, QString *error)
{
    // clang-format reads a NUL as the end of its input and drops the rest.
    if (source->contains(QChar(0))) {
        *error = QStringLiteral("a NUL character in the source");
        return false;
    }
    // The style is written for this version; others lay code out differently.
    QString program = QStandardPaths::findExecutable(QStringLiteral("clang-format-14"));
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(QStringLiteral("clang-format"));
    if (program.isEmpty()) {
        *error = QStringLiteral("clang-format is not installed");
        return false;
    }
    const QString style = styleFile();
    if (style.isEmpty()) {
        *error = QStringLiteral("the project's clang-format style is neither installed nor in the source tree");
        return false;
    }
    QProcess format;
    format.start(program,
                 {QStringLiteral("--style=file:") + style, QStringLiteral("--assume-filename=") + assumedPath});
    if (!format.waitForStarted()) {
        *error = QStringLiteral("cannot run %1: %2").arg(program, format.errorString());
        return false;
    }
    format.write(source->toUtf8());
    format.closeWriteChannel();
    if (!format.waitForFinished(kFormatSeconds * 1000)) {
        format.kill();
        format.waitForFinished();
        *error = QStringLiteral("%1 took longer than %2 s").arg(program).arg(kFormatSeconds);
        return false;
    }
    if (format.exitStatus() != QProcess::NormalExit || format.exitCode() != 0) {
        *error = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(format.readAllStandardError()));
        return false;
    }
    const QString formatted = QString::fromUtf8(format.readAllStandardOutput());
    if (formatterInvariant(formatted) != formatterInvariant(*source)) {
        *error = QStringLiteral("%1 gave back other code than it was given").arg(program);
        return false;
    }
    *source = formatted;
    return true;
}

} // namespace quarn::layouttool
