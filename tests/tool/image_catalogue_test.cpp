// The image catalogue (catalogue/images.json) against the forms as built and
// the placeholder bundle made from it.

#include "image_catalogue.h"
#include "common/image_index.h"
#include "tool_process.h"

#include "catalogue/catalogue_index.h"

#include <QFile>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace quarn::placeholders;

namespace {

QList<CatalogueImage> imageCatalogue()
{
    QFile file(QStringLiteral(QUARN_IMAGE_CATALOGUE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.errorString().toStdString();
    QString error;
    const QList<CatalogueImage> catalogue = readImageCatalogue(file.readAll(), &error);
    EXPECT_FALSE(catalogue.isEmpty()) << error.toStdString();
    return catalogue;
}

// Every image path the dump of a form names anywhere: image slots, status
// image lists, and paths inside texts such as navigation-field documents.
void collectImagePaths(const QJsonValue &value, QSet<QString> *paths, QStringList *unknown)
{
    static const QRegularExpression path(QStringLiteral(":/[^\"<>\\n]*?\\.mif"));
    if (value.isString()) {
        const QString text = value.toString();
        if (text.startsWith(QLatin1String("<unknown image")))
            unknown->append(text);
        for (auto match = path.globalMatch(text); match.hasNext();)
            paths->insert(match.next().captured());
    } else if (value.isArray()) {
        for (const QJsonValue &item : value.toArray())
            collectImagePaths(item, paths, unknown);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            collectImagePaths(it.value(), paths, unknown);
    }
}

std::string listed(QStringList paths)
{
    paths.sort();
    return ("\n  " + paths.join(QStringLiteral("\n  "))).toStdString();
}

} // namespace

// Checked for the registered forms only: the catalogue already lists the
// images of forms still to be written.
TEST(ImageCatalogue, EachRegisteredFormSetsExactlyItsCataloguedImages)
{
    const QList<CatalogueImage> catalogue = imageCatalogue();
    const QJsonArray &forms = dumpOfAllForms();
    ASSERT_EQ(forms.size(), int(kCatalogueSize));
    for (const QJsonValue &form : forms) {
        const QString name = form[QStringLiteral("form")].toString();
        QSet<QString> built;
        QStringList unknown;
        collectImagePaths(form, &built, &unknown);
        EXPECT_TRUE(unknown.isEmpty()) << name.toStdString() << " shows images of no known path:" << listed(unknown);

        const QStringList catalogued = imagesOfForm(catalogue, name);
        const QSet<QString> expected(catalogued.begin(), catalogued.end());
        EXPECT_TRUE((built - expected).isEmpty())
            << name.toStdString()
            << " sets images the catalogue does not list for it:" << listed((built - expected).values());
        EXPECT_TRUE((expected - built).isEmpty())
            << name.toStdString() << " lacks images the catalogue lists for it:" << listed((expected - built).values());
    }
}

TEST(ImageCatalogue, EveryEntryIsUsedOrSaysWhyNotAndHasItsPlaceholder)
{
    ASSERT_TRUE(registerPlaceholderBundle());
    const quarn::layouttool::ImageIndex bundle = quarn::layouttool::ImageIndex::scan();
    const QList<CatalogueImage> catalogue = imageCatalogue();
    QStringList missing;
    for (const CatalogueImage &image : catalogue) {
        EXPECT_TRUE(!image.forms.isEmpty() || !image.unused.isEmpty()) << image.path.toStdString();
        if (!bundle.contains(image.path))
            missing.append(image.path);
    }
    EXPECT_TRUE(missing.isEmpty()) << "catalogued images without a placeholder:" << listed(missing);
    EXPECT_EQ(bundle.size(), catalogue.size()) << "the placeholder bundle holds images the catalogue does not list";
}
