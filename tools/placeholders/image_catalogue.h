#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quarn::placeholders {

// One entry of catalogue/images.json: an image resource path and the forms
// that set it, or why no form does.
struct CatalogueImage {
    QString path;
    QStringList forms;
    QString unused;
};

// The entries of an image catalogue document, in document order. Empty, with
// the reason in *error, when the document is malformed: not JSON, a path that
// is not a ":/....mif" resource path, a path listed twice, or an entry with
// neither forms nor a reason for being unused.
QList<CatalogueImage> readImageCatalogue(const QByteArray &json, QString *error);

// The paths a form sets according to the catalogue.
QStringList imagesOfForm(const QList<CatalogueImage> &catalogue, const QString &form);

} // namespace quarn::placeholders
