#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;
class QImage;

namespace quarn::layouttool {

// Writes a file whole or not at all. A regular file (or a new one) is written
// to a temporary beside it and renamed over it once complete (QSaveFile), so a
// failed write leaves the old file or none. A device or pipe that exists
// (/dev/stdout, a FIFO) is written directly: renaming over it would replace it.
// On failure *error says why, naming the file.
bool writeWholeFile(const QString &path, const std::function<bool(QIODevice &)> &write, QString *error);
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error);
bool writePngFile(const QString &path, const QImage &image, QString *error);
// As writeWholeFile, but a file that already holds these bytes is left as it
// is, keeping its time, so nothing built from it reruns.
bool writeChangedFile(const QString &path, const QByteArray &bytes, QString *error);

// Makes the directory and any missing parents; false with the system's
// reason, naming the directory, when it cannot.
bool makeDirectory(const QString &path, QString *error);

// Standard output: bytes written and flushed, or false with the reason.
bool writeStandardOutput(const QByteArray &bytes, QString *error);
// Flushes standard output; false with the reason if anything written to it
// so far was lost.
bool finishStandardOutput(QString *error);

} // namespace quarn::layouttool
