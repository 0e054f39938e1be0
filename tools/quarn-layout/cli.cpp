#include "cli.h"

#include "common/output_file.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <QTextStream>

#include <cerrno>
#include <cstring>

namespace quarn::layouttool::cli {

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

} // namespace

int fail(const QString &message, int code)
{
    err() << "quarn-layout: " << message << '\n';
    if (code == kUsageError)
        err() << "Try 'quarn-layout --help'.\n";
    err().flush();
    return code;
}

void warn(const QString &message)
{
    err() << "quarn-layout: warning: " << message << '\n';
    err().flush();
}

// Qt's own messages are shown as Qt's. Two are dropped: the offscreen
// platform's note that it cannot resize windows to their hints, and the
// notice that the session has no runtime folder; neither is about the forms.
void qtMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints()"))
        || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    const char *kind = type == QtDebugMsg ? "debug"
        : type == QtInfoMsg               ? "info"
        : type == QtWarningMsg            ? "warning"
                                          : "error";
    err() << "quarn-layout: Qt " << kind << ": " << message << '\n';
    err().flush();
}

int writeOut(const QByteArray &bytes)
{
    QString error;
    return writeStandardOutput(bytes, &error) ? 0 : fail(error);
}

QString whyUnusable(const QString &file, const char *expected)
{
    const QFileInfo info(file);
    if (!info.exists())
        return QString::fromLocal8Bit(std::strerror(ENOENT));
    if (info.isDir())
        return QString::fromLocal8Bit(std::strerror(EISDIR));
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly))
        return probe.errorString();
    return QStringLiteral("not %1").arg(QLatin1String(expected));
}

QString wrapped(const QString &text, int indent, int width)
{
    QString out;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > width) {
            out += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        out += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
    return out;
}

bool RegisteredResource::registerFile(const QString &file)
{
    if (!QResource::registerResource(file))
        return false;
    m_file = file;
    return true;
}

RegisteredResource::~RegisteredResource()
{
    if (!m_file.isEmpty())
        QResource::unregisterResource(m_file);
}

} // namespace quarn::layouttool::cli
