#include "review/review.h"

#include "checks/fit.h"
#include "common/form_host.h"
#include "common/image_index.h"
#include "common/output_file.h"
#include "pictures/inspector.h"
#include "pictures/render.h"
#include "review/picture_changes.h"
#include "review/settings_changes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTranslator>

// Resources of a static library are registered by hand, from the global namespace.
static void initReviewResources()
{
    Q_INIT_RESOURCE(review);
}

namespace quarn::layouttool {

namespace {

const QString kGalleryFolder = QStringLiteral("gallery");
const QString kBeforeFolder = QStringLiteral("before");
const QString kDifferenceFolder = QStringLiteral("difference");

QJsonArray rectJson(const QRect &rect)
{
    return QJsonArray{rect.x(), rect.y(), rect.width(), rect.height()};
}

// A gallery's dumps by form name, in the order they were written. The file
// may come from anywhere: a name that could not be a form's is refused, as it
// ends up in file names.
bool readDumps(const QString &gallery, QList<QString> *order, QHash<QString, QJsonObject> *dumps, QString *error)
{
    const QString path = QDir(gallery).filePath(QLatin1String(kGalleryDumpFile));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QFileInfo(gallery).isDir()
            ? QStringLiteral("%1 is no baseline: it has no %2 (galleries keep one since this version; write a new "
                             "one with gallery): %3")
                  .arg(gallery, QLatin1String(kGalleryDumpFile), file.errorString())
            : QStringLiteral("baseline %1 is not a directory").arg(gallery);
        return false;
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parse);
    if (parse.error != QJsonParseError::NoError || !document.isArray()) {
        *error = QStringLiteral("%1 is no list of form dumps: %2").arg(path, parse.errorString());
        return false;
    }
    static const QRegularExpression formName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    for (const QJsonValue &value : document.array()) {
        const QString name = value.toObject().value(QStringLiteral("form")).toString();
        if (!formName.match(name).hasMatch() || dumps->contains(name)) {
            *error = QStringLiteral("%1 holds a dump with a bad or repeated form name: \"%2\"").arg(path, name);
            return false;
        }
        order->append(name);
        dumps->insert(name, value.toObject());
    }
    return true;
}

// Catalogue order, then what only the baseline knows.
QStringList formsInEither(const QList<QString> &before, const QHash<QString, QJsonObject> &after)
{
    QStringList names;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        const QString name = QString::fromLatin1(entry.name);
        if (before.contains(name) || after.contains(name))
            names.append(name);
    }
    for (const QString &name : before) {
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}

QJsonArray settingsJson(const QList<SettingChange> &changes)
{
    QJsonArray list;
    for (const SettingChange &change : changes) {
        QJsonObject json{{QStringLiteral("field"), change.field}, {QStringLiteral("setting"), change.setting}};
        if (!change.before.isUndefined())
            json.insert(QStringLiteral("before"), settingText(change.before));
        if (!change.after.isUndefined())
            json.insert(QStringLiteral("after"), settingText(change.after));
        list.append(json);
    }
    return list;
}

QJsonArray misfitsJson(const QList<TextMisfit> &misfits)
{
    QJsonArray list;
    for (const TextMisfit &misfit : misfits) {
        QJsonObject json{
            {QStringLiteral("field"), misfit.field},
            {QStringLiteral("text"), misfit.text},
            {QStringLiteral("needed"), misfit.needed},
            {QStringLiteral("available"), misfit.available},
            {QStringLiteral("direction"), misfit.wraps ? QStringLiteral("height") : QStringLiteral("width")},
            {QStringLiteral("outline"), rectJson(misfit.outline)}};
        if (misfit.sourceNeeded >= 0)
            json.insert(QStringLiteral("untranslatedNeeded"), misfit.sourceNeeded);
        list.append(json);
    }
    return list;
}

// The texts fit reports for the installed translation: those it makes
// overflow, or overflow more than the untranslated form does.
QList<TextMisfit> translationMisfits(const FormLayout &form, const CatalogueIndexEntry &entry, QTranslator *translator)
{
    QCoreApplication::removeTranslator(translator);
    QList<TextMisfit> source;
    {
        BuiltForm untranslated(form, entry);
        source = textMisfits(untranslated);
    }
    QCoreApplication::installTranslator(translator);
    BuiltForm built(form, entry);
    return misfitsAddedTo(source, textMisfits(built));
}

QByteArray resource(const char *name)
{
    QFile file(QStringLiteral(":/quarn-layout/review/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writePage(const QString &file, const QJsonObject &data, QString *error)
{
    initReviewResources();
    QByteArray page = resource("review.html");
    if (page.isEmpty()) {
        *error = QStringLiteral("cannot write %1: the page is missing from the program's resources").arg(file);
        return false;
    }
    // Inside a script element "</" must not appear; JSON allows "<\/".
    QByteArray json = QJsonDocument(data).toJson(QJsonDocument::Compact);
    json.replace("</", "<\\/");
    page.replace("@REVIEW_CSS@", resource("review.css"));
    page.replace("@REVIEW_JS@", resource("review.js"));
    page.replace("@REVIEW_JSON@", json);
    return writeWholeFile(file, page, error);
}

QString changeLine(const QString &name, const QJsonObject &form)
{
    const QString status = form.value(QStringLiteral("status")).toString();
    if (status != QLatin1String("changed"))
        return QStringLiteral("%1: %2").arg(name, status);
    const int settings = form.value(QStringLiteral("settings")).toArray().size();
    const int pixels = form.value(QStringLiteral("pixels")).toInt();
    const QJsonArray bounds = form.value(QStringLiteral("bounds")).toArray();
    QString line =
        QStringLiteral("%1: changed: %2, ")
            .arg(name, settings ? QStringLiteral("%1 settings").arg(settings) : QStringLiteral("no setting"));
    if (pixels == 0)
        return line + QStringLiteral("no pixel");
    return line
        + QStringLiteral("%1 pixels in %2,%3 %4x%5")
              .arg(pixels)
              .arg(bounds.at(0).toInt())
              .arg(bounds.at(1).toInt())
              .arg(bounds.at(2).toInt())
              .arg(bounds.at(3).toInt());
}

} // namespace

ReviewResult reviewChange(LayoutModule &module, const QString &baseline, const QString &output,
                          const ReviewOptions &options, const std::function<void(const QString &)> &problem)
{
    ReviewResult result;
    const QDir out(output);
    const QString galleryPath = out.filePath(kGalleryFolder);
    const QString baselineCanonical = QFileInfo(baseline).canonicalFilePath();
    if (!baselineCanonical.isEmpty() && baselineCanonical == QFileInfo(galleryPath).canonicalFilePath()) {
        problem(QStringLiteral("the baseline %1 is the gallery the review writes; keep it elsewhere").arg(baseline));
        return result;
    }
    QList<QString> beforeOrder;
    QHash<QString, QJsonObject> before, after;
    QString error;
    if (!readDumps(baseline, &beforeOrder, &before, &error)) {
        problem(error);
        return result;
    }

    if (!makeDirectory(output, &error)) {
        problem(error);
        return result;
    }
    // Forms the module lacks are compared as removed, not reported one by one.
    QStringList galleryProblems;
    if (writeGallery(module, galleryPath, options.backdrop,
                     [&galleryProblems](const QString &message) { galleryProblems.append(message); })
        == GalleryResult::Failed) {
        problem(galleryProblems.value(galleryProblems.size() - 1));
        return result;
    }
    if (!writeInspectorPage(module, ImageIndex::scan(), QDir(galleryPath).filePath(QStringLiteral("inspector.html")),
                            options.backdrop, &error)) {
        problem(error);
        return result;
    }
    QList<QString> afterOrder;
    if (!readDumps(galleryPath, &afterOrder, &after, &error)) {
        problem(error);
        return result;
    }

    const QStringList names = formsInEither(beforeOrder, after);
    QJsonArray changed, unchanged;
    QStringList changedNames;
    QByteArray report;
    for (const QString &name : names) {
        const QString picture = name + QStringLiteral(".png");
        const QString beforePicture = QDir(baseline).filePath(picture);
        const QString afterPicture = QDir(galleryPath).filePath(picture);
        QJsonObject form{{QStringLiteral("form"), name}};
        const bool wasThere = before.contains(name);
        const bool isThere = after.contains(name);
        if (wasThere && isThere) {
            const QList<SettingChange> settings = settingChanges(before.value(name), after.value(name));
            const PictureChange pixels = comparePictures(QImage(beforePicture), QImage(afterPicture));
            if (settings.isEmpty() && pixels.pixels == 0) {
                unchanged.append(name);
                continue;
            }
            form.insert(QStringLiteral("status"), QStringLiteral("changed"));
            form.insert(QStringLiteral("settings"), settingsJson(settings));
            form.insert(QStringLiteral("pixels"), pixels.pixels);
            if (pixels.pixels > 0) {
                form.insert(QStringLiteral("bounds"), rectJson(pixels.bounds));
                const QString difference = kDifferenceFolder + QLatin1Char('/') + picture;
                if (!makeDirectory(out.filePath(kDifferenceFolder), &error)
                    || !writePngFile(out.filePath(difference), pixels.difference, &error)) {
                    problem(error);
                    return result;
                }
                form.insert(QStringLiteral("difference"), difference);
            }
        } else {
            form.insert(QStringLiteral("status"), wasThere ? QStringLiteral("removed") : QStringLiteral("added"));
        }
        if (wasThere) {
            // A copy, so the page outlives a baseline that CI replaces.
            QFile picked(beforePicture);
            const QString copy = kBeforeFolder + QLatin1Char('/') + picture;
            if (picked.open(QIODevice::ReadOnly)) {
                if (!makeDirectory(out.filePath(kBeforeFolder), &error)
                    || !writeWholeFile(out.filePath(copy), picked.readAll(), &error)) {
                    problem(error);
                    return result;
                }
                form.insert(QStringLiteral("before"), copy);
            }
        }
        if (isThere)
            form.insert(QStringLiteral("after"), kGalleryFolder + QLatin1Char('/') + picture);
        changed.append(form);
        changedNames.append(name);
        report += changeLine(name, form).toUtf8() + '\n';
    }

    QJsonArray misfitForms;
    int misfitCount = 0;
    if (options.translator) {
        for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
            const QString name = QString::fromLatin1(entry.name);
            const FormLayout *form = module.find(name);
            if (!form)
                continue;
            const QList<TextMisfit> misfits = translationMisfits(*form, entry, options.translator);
            if (misfits.isEmpty())
                continue;
            misfitCount += misfits.size();
            misfitForms.append(QJsonObject{
                {QStringLiteral("form"), name},
                {QStringLiteral("after"), kGalleryFolder + QLatin1Char('/') + name + QStringLiteral(".png")},
                {QStringLiteral("texts"), misfitsJson(misfits)}});
        }
    }

    QString summary = QStringLiteral("review: %1 of %2 forms changed").arg(changedNames.size()).arg(names.size());
    if (!changedNames.isEmpty())
        summary += QStringLiteral(": ") + changedNames.join(QStringLiteral(", "));
    if (options.translator) {
        summary += QStringLiteral("; %1 texts overflow with the translation, in %2 forms")
                       .arg(misfitCount)
                       .arg(misfitForms.size());
    }
    const QJsonObject data{{QStringLiteral("summary"), summary},
                           {QStringLiteral("baseline"), QFileInfo(baseline).absoluteFilePath()},
                           {QStringLiteral("gallery"), kGalleryFolder},
                           {QStringLiteral("forms"), names.size()},
                           {QStringLiteral("changed"), changed},
                           {QStringLiteral("unchanged"), unchanged},
                           {QStringLiteral("translated"), options.translator != nullptr},
                           {QStringLiteral("misfits"), misfitForms}};
    if (!writeWholeFile(out.filePath(QStringLiteral("review.json")), QJsonDocument(data).toJson(), &error)
        || !writePage(out.filePath(QStringLiteral("index.html")), data, &error)) {
        problem(error);
        return result;
    }
    result.status = changedNames.isEmpty() ? ReviewResult::Status::Unchanged : ReviewResult::Status::Changed;
    result.report = report + summary.toUtf8() + '\n';
    return result;
}

} // namespace quarn::layouttool
