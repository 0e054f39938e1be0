#include "export/picture_resources.h"

#include "common/image_index.h"
#include "common/output_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamWriter>

namespace quarn::layouttool {

namespace {

const QString kFolder = QStringLiteral("quarn-images");

} // namespace

QString pictureResourceFile()
{
    return kFolder + QStringLiteral(".qrc");
}

bool writePictureResources(const ImageIndex &images, const QString &folder, QString *error)
{
    QByteArray qrc;
    QXmlStreamWriter xml(&qrc);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeDTD(QStringLiteral("<!DOCTYPE RCC>"));
    xml.writeStartElement(QStringLiteral("RCC"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    xml.writeStartElement(QStringLiteral("qresource"));
    xml.writeAttribute(QStringLiteral("prefix"), QStringLiteral("/"));
    const QDir base(folder);
    for (const QString &path : images.paths()) {
        // ":/Icons/i_x.mif": an alias keeps the path forms use, whatever the file is called.
        const QString alias = path.mid(2);
        const QString relative = kFolder + QLatin1Char('/') + alias;
        QFile picture(path);
        if (!picture.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1: %2").arg(path, picture.errorString());
            return false;
        }
        const QString file = base.filePath(relative);
        if (!makeDirectory(QFileInfo(file).absolutePath(), error) || !writeChangedFile(file, picture.readAll(), error))
            return false;
        xml.writeStartElement(QStringLiteral("file"));
        xml.writeAttribute(QStringLiteral("alias"), alias);
        xml.writeCharacters(relative);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    // The writer starts the DTD on a line of its own.
    if (qrc.startsWith('\n'))
        qrc.remove(0, 1);
    return writeChangedFile(base.filePath(pictureResourceFile()), qrc, error);
}

} // namespace quarn::layouttool
