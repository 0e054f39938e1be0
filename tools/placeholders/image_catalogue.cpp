#include "image_catalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace quarn::placeholders {

QList<CatalogueImage> readImageCatalogue(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("offset %1: %2").arg(parseError.offset).arg(parseError.errorString());
        return {};
    }
    const QJsonValue images = document.object().value(QLatin1String("images"));
    if (!images.isArray()) {
        *error = QStringLiteral("no \"images\" array");
        return {};
    }
    QList<CatalogueImage> catalogue;
    QSet<QString> seen;
    for (const QJsonValue &value : images.toArray()) {
        const QJsonObject object = value.toObject();
        CatalogueImage image;
        image.path = object.value(QLatin1String("path")).toString();
        for (const QJsonValue &form : object.value(QLatin1String("forms")).toArray())
            image.forms.append(form.toString());
        image.unused = object.value(QLatin1String("unused")).toString();
        if (!image.path.startsWith(QLatin1String(":/")) || !image.path.endsWith(QLatin1String(".mif"))) {
            *error = QStringLiteral("not an image resource path: \"%1\"").arg(image.path);
            return {};
        }
        if (seen.contains(image.path)) {
            *error = QStringLiteral("%1 is listed twice").arg(image.path);
            return {};
        }
        if (image.forms.isEmpty() == image.unused.isEmpty()) {
            *error = QStringLiteral("%1 needs either forms or a reason under \"unused\"").arg(image.path);
            return {};
        }
        seen.insert(image.path);
        catalogue.append(image);
    }
    return catalogue;
}

QStringList imagesOfForm(const QList<CatalogueImage> &catalogue, const QString &form)
{
    QStringList paths;
    for (const CatalogueImage &image : catalogue) {
        if (image.forms.contains(form))
            paths.append(image.path);
    }
    return paths;
}

} // namespace quarn::placeholders
