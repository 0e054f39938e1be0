// quarn-placeholders: writes a stand-in picture for every image resource path
// of the image catalogue, and a resource description listing them, so the
// screens can be shown without the device's own images.

#include "image_catalogue.h"
#include "image_digest.h"
#include "placeholder_painter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <set>

namespace {

using namespace quarn::placeholders;

void fail(const QString &message)
{
    std::fprintf(stderr, "quarn-placeholders: %s\n", qPrintable(message));
}

QString xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts and painting need a GUI application, but never a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 3 || arguments.first() != QLatin1String("--output")) {
        fail(QStringLiteral("usage: quarn-placeholders --output DIR IMAGES.json"));
        return 2;
    }
    const QDir output(arguments.at(1));
    QFile catalogueFile(arguments.at(2));
    if (!catalogueFile.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1: %2").arg(catalogueFile.fileName(), catalogueFile.errorString()));
        return 1;
    }
    QString error;
    const QList<CatalogueImage> catalogue = readImageCatalogue(catalogueFile.readAll(), &error);
    if (catalogue.isEmpty()) {
        fail(QStringLiteral("%1: %2").arg(catalogueFile.fileName(),
                                          error.isEmpty() ? QStringLiteral("no images") : error));
        return 1;
    }
    std::set<QString> paths; // sorted, so the bundle does not depend on the catalogue's order
    for (const CatalogueImage &image : catalogue)
        paths.insert(image.path);

    // Start from an empty folder so images no source names any more disappear.
    const QString imageRoot = output.filePath(QStringLiteral("files"));
    QDir(imageRoot).removeRecursively();
    if (!QDir().mkpath(imageRoot)) {
        fail(QStringLiteral("cannot create %1").arg(imageRoot));
        return 1;
    }

    QHash<QByteArray, QString> pathByDigest;
    QString qrc;
    QTextStream xml(&qrc);
    xml << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString &path : paths) {
        const QString alias = path.mid(2);
        const QByteArray png = pngBytes(paintPlaceholder(path));
        // Compare what a host will see after decoding, not what was painted.
        const QByteArray digest = imageDigest(QImage::fromData(png, "PNG"));
        const auto clash = pathByDigest.constFind(digest);
        if (clash != pathByDigest.cend()) {
            fail(QStringLiteral("placeholders for %1 and %2 are identical").arg(*clash, path));
            return 1;
        }
        pathByDigest.insert(digest, path);

        const QString file = QStringLiteral("files/") + alias;
        const QString target = output.filePath(file);
        if (!QDir().mkpath(QFileInfo(target).path()) || !writeFile(target, png)) {
            fail(QStringLiteral("cannot write %1").arg(target));
            return 1;
        }
        xml << "  <file alias=\"" << xmlEscaped(alias) << "\">" << xmlEscaped(file) << "</file>\n";
    }
    xml << "</qresource>\n</RCC>\n";
    xml.flush();

    const QString qrcPath = output.filePath(QStringLiteral("placeholders.qrc"));
    if (!writeFile(qrcPath, qrc.toUtf8())) {
        fail(QStringLiteral("cannot write %1").arg(qrcPath));
        return 1;
    }
    std::printf("quarn-placeholders: %zu images\n", paths.size());
    return 0;
}
