#include "source_format.h"

#include "tool_files.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace quarn::layouttool {

namespace {

QString styleFile()
{
    const QString installed = locate(QStringLiteral("clang-format"), dataFolders());
    if (QFileInfo(installed).isFile())
        return installed;
    const QString source = QStringLiteral(QUARN_SOURCE_DIR "/.clang-format");
    return QFileInfo(source).isFile() ? source : QString();
}

} // namespace

bool formatSource(QString *source, const QString &assumedPath, QString *error)
{
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
    format.waitForFinished(-1);
    if (format.exitStatus() != QProcess::NormalExit || format.exitCode() != 0) {
        *error = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(format.readAllStandardError()));
        return false;
    }
    *source = QString::fromUtf8(format.readAllStandardOutput());
    return true;
}

} // namespace quarn::layouttool
