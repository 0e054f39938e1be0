#include "pictures/render.h"

#include "common/form_host.h"
#include "common/image_index.h"
#include "common/output_file.h"
#include "core/qt_compat.h"
#include "dump/form_dumper.h"
#include "dump/json_writer.h"
#include "pictures/preview_root.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

namespace quarn::layouttool {

namespace {

QString figureHtml(const CatalogueIndexEntry &entry, const QString &picture, const QString &problem)
{
    const QString name = QString::fromLatin1(entry.name).toHtmlEscaped();
    QString html = QStringLiteral("<figure id=\"%1\">").arg(name);
    if (picture.isEmpty()) {
        html += QStringLiteral("<div class=\"missing\" style=\"width:%1px;height:%2px\">%3</div>")
                    .arg(entry.width)
                    .arg(entry.height)
                    .arg(problem.toHtmlEscaped());
    } else {
        html += QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\">")
                    .arg(picture.toHtmlEscaped())
                    .arg(entry.width)
                    .arg(entry.height)
                    .arg(name);
    }
    html += QStringLiteral("<figcaption><b>%1</b> %2<br>%3 &times; %4, %5 fields</figcaption></figure>\n")
                .arg(entry.position)
                .arg(name)
                .arg(entry.width)
                .arg(entry.height)
                .arg(entry.fieldCount);
    return html;
}

} // namespace

QImage renderForm(BuiltForm &form, PreviewRoot::Backdrop backdrop)
{
    QWidget *root = form.root();
    if (auto *preview = dynamic_cast<PreviewRoot *>(root))
        preview->setBackdrop(backdrop);
    root->setAttribute(Qt::WA_DontShowOnScreen);
    root->show();
    // Layout requests are posted; a couple of rounds let nested layouts settle.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    return root->grab().toImage();
}

GalleryResult writeGallery(LayoutModule &module, const QString &directory, PreviewRoot::Backdrop backdrop,
                           const std::function<void(const QString &)> &report)
{
    const QDir dir(directory);
    QString error;
    if (!makeDirectory(directory, &error)) {
        report(error);
        return GalleryResult::Failed;
    }
    bool complete = true;
    QString figures;
    // The full dump beside the pictures makes every gallery a baseline that a
    // later review compares with; read from a build of its own, as dump reads
    // it, since showing the root lets its layouts move the fields.
    const ImageIndex images = ImageIndex::scan();
    FormDumper dumper(images, FormDumper::Detail::Complete);
    QJsonArray dumps;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        const QString name = QString::fromLatin1(entry.name);
        const FormLayout *form = module.find(name);
        if (!form) {
            report(QStringLiteral("form %1 is not registered by %2").arg(name, module.path()));
            figures += figureHtml(entry, QString(), QStringLiteral("not registered"));
            complete = false;
            continue;
        }
        dumps.append(dumper.dump(BuiltForm(*form, entry)));
        const QString picture = name + QStringLiteral(".png");
        BuiltForm built(*form, entry, std::make_unique<PreviewRoot>());
        if (!writePngFile(dir.filePath(picture), renderForm(built, backdrop), &error)) {
            report(error);
            return GalleryResult::Failed;
        }
        figures += figureHtml(entry, picture, QString());
    }

    QByteArray html;
    QTextStream out(&html);
    quarn::qt::streamUtf8(out);
    out << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Quarn layouts</title>\n"
           "<style>body{background:#eee;font:13px sans-serif}"
           "figure{display:inline-block;vertical-align:top;margin:8px;padding:6px;background:#fff}"
           "img,.missing{display:block;border:1px solid #999}.missing{background:#fcc}"
           "figcaption{margin-top:4px}</style></head>\n<body>\n<h1>Quarn layouts: "
        << kCatalogueSize
        << " forms</h1>\n<p><a href=\"inspector.html\">Inspect the forms field by field</a>; "
           "<a href=\"forms.json\">every setting of every form</a></p>\n"
        << figures << "</body></html>\n";
    out.flush();
    if (!writeWholeFile(dir.filePath(QLatin1String(kGalleryDumpFile)), toReadableJson(dumps, FormDumper::keyOrder()),
                        &error)
        || !writeWholeFile(dir.filePath(QStringLiteral("index.html")), html, &error)) {
        report(error);
        return GalleryResult::Failed;
    }
    return complete ? GalleryResult::Complete : GalleryResult::FormsMissing;
}

} // namespace quarn::layouttool
