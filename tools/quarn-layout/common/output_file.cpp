#include "common/output_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace quarn::layouttool {

namespace {

QString cannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("cannot write %1: %2").arg(path, reason);
}

bool writeDirectly(const QString &path, const std::function<bool(QIODevice &)> &write, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = cannotWrite(path, file.errorString());
        return false;
    }
    const bool written = write(file) && file.flush();
    const QString reason = file.errorString();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        *error = cannotWrite(path, reason);
        return false;
    }
    return true;
}

} // namespace

bool writeWholeFile(const QString &path, const std::function<bool(QIODevice &)> &write, QString *error)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeDirectly(path, write, error);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = cannotWrite(path, file.errorString());
        return false;
    }
    // commit() does not fail on what its final flush could not write (a file
    // past its size limit would be renamed into place cut short), so flush
    // first and check.
    const bool written = write(file) && file.flush();
    if (!written) {
        *error = cannotWrite(
            path, file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("write failed"));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = cannotWrite(path, file.errorString());
        return false;
    }
    return true;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    return writeWholeFile(
        path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); }, error);
}

// Encoded in memory first: libpng reports a failed write on standard error
// in its own words and Qt gives no reason, while the file write does.
bool writePngFile(const QString &path, const QImage &image, QString *error)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        *error = cannotWrite(path, QStringLiteral("the picture cannot be encoded as PNG"));
        return false;
    }
    return writeWholeFile(path, png, error);
}

// QDir::mkpath says only that it failed; mkdir itself says why.
bool makeDirectory(const QString &path, QString *error)
{
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString made;
    for (const QString &part : parts) {
        made += QLatin1Char('/') + part;
        const QByteArray local = QFile::encodeName(made);
        if (::mkdir(local.constData(), 0777) == 0)
            continue;
        int reason = errno;
        struct stat status;
        if (::stat(local.constData(), &status) == 0) {
            if (S_ISDIR(status.st_mode))
                continue;
            reason = ENOTDIR;
        }
        *error =
            QStringLiteral("cannot make directory %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(reason)));
        return false;
    }
    return true;
}

bool writeStandardOutput(const QByteArray &bytes, QString *error)
{
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) != std::size_t(bytes.size())
        || std::fflush(stdout) != 0) {
        *error = cannotWrite(QStringLiteral("standard output"), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

bool finishStandardOutput(QString *error)
{
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int reason = errno;
        *error = cannotWrite(QStringLiteral("standard output"),
                             reason ? QString::fromLocal8Bit(std::strerror(reason)) : QStringLiteral("write failed"));
        return false;
    }
    return true;
}

bool writeChangedFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile existing(path);
    if (QFileInfo(path).isFile() && existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    return writeWholeFile(path, bytes, error);
}

} // namespace quarn::layouttool
