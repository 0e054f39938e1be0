#include "render.h"

#include "form_host.h"
#include "output_file.h"
#include "preview_root.h"

#include <QCoreApplication>
#include <QDir>
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

QImage renderForm(BuiltForm &form)
{
    QWidget *root = form.root();
    root->setAttribute(Qt::WA_DontShowOnScreen);
    root->show();
    // Layout requests are posted; a couple of rounds let nested layouts settle.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    return root->grab().toImage();
}

bool writeGallery(LayoutModule &module, const QString &directory,
                  const std::function<void(const QString &)> &report)
{
    const QDir dir(directory);
    if (!QDir().mkpath(directory)) {
        report(QStringLiteral("cannot create %1").arg(directory));
        return false;
    }
    bool complete = true;
    QString figures;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        const QString name = QString::fromLatin1(entry.name);
        const FormLayout *form = module.find(name);
        if (!form) {
            report(QStringLiteral("form %1 is not registered by %2").arg(name, module.path()));
            figures += figureHtml(entry, QString(), QStringLiteral("not registered"));
            complete = false;
            continue;
        }
        const QString picture = name + QStringLiteral(".png");
        BuiltForm built(*form, entry, std::make_unique<PreviewRoot>());
        QString error;
        if (!writePngFile(dir.filePath(picture), renderForm(built), &error)) {
            report(error);
            return false;
        }
        figures += figureHtml(entry, picture, QString());
    }

    QByteArray html;
    QTextStream out(&html);
    out.setCodec("UTF-8");
    out << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Quarn layouts</title>\n"
           "<style>body{background:#eee;font:13px sans-serif}"
           "figure{display:inline-block;vertical-align:top;margin:8px;padding:6px;background:#fff}"
           "img,.missing{display:block;border:1px solid #999}.missing{background:#fcc}"
           "figcaption{margin-top:4px}</style></head>\n<body>\n<h1>Quarn layouts: "
        << kCatalogueSize << " forms</h1>\n<p><a href=\"inspector.html\">Inspect the forms field by field</a></p>\n"
        << figures << "</body></html>\n";
    out.flush();
    QString error;
    if (!writeWholeFile(dir.filePath(QStringLiteral("index.html")), html, &error)) {
        report(error);
        return false;
    }
    return complete;
}

} // namespace quarn::layouttool
