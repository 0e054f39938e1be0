#include "code_command.h"

#include "cli.h"
#include "common/output_file.h"
#include "generator/form_generator.h"
#include "source_format.h"
#include "uiform/record_fields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSize>
#include <QXmlStreamReader>

namespace quarn::layouttool {

using cli::fail;
using cli::warn;

namespace {

const char kCatalogueFile[] = "catalogue/forms.def";

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The project a folder belongs to: for DIR = P/forms/<area>, P, when P has
// the catalogue.
QString projectOfAreaFolder(const QString &folder)
{
    const QDir area(QDir::cleanPath(QDir(folder).absolutePath()));
    QDir forms = area;
    if (!forms.cdUp() || forms.dirName() != QLatin1String("forms"))
        return QString();
    QDir project = forms;
    if (!project.cdUp() || !QFileInfo(project.filePath(QLatin1String(kCatalogueFile))).isFile())
        return QString();
    return project.path();
}

// The project the current folder lies in: the nearest folder up with the
// catalogue.
QString projectAroundCurrentFolder()
{
    QDir folder = QDir::current();
    do {
        if (QFileInfo(folder.filePath(QLatin1String(kCatalogueFile))).isFile())
            return folder.path();
    } while (folder.cdUp());
    return QString();
}

// One line of the catalogue, QUARN_FORM(position, name, width, height, fields).
struct CatalogueLine {
    int line = -1; // index into the file's lines, -1 when the form is not there
    int position = 0;
    int fields = 0;
};

const QRegularExpression &catalogueLinePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^QUARN_FORM\\((\\d+), (\\w+), (\\d+), (\\d+), (\\d+)\\)$"));
    return pattern;
}

CatalogueLine findInCatalogue(const QStringList &lines, const QString &className, int *lastPosition)
{
    CatalogueLine found;
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = catalogueLinePattern().match(lines.at(i));
        if (!match.hasMatch())
            continue;
        *lastPosition = qMax(*lastPosition, match.captured(1).toInt());
        if (match.captured(2) == className)
            found = {i, match.captured(1).toInt(), match.captured(5).toInt()};
    }
    return found;
}

// The root's size as the form gives it, for a new catalogue line:
// <ui><widget><property name="geometry"><rect><width>, <height>.
QSize rootSize(const QByteArray &ui)
{
    QXmlStreamReader xml(ui);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("ui"))
        return {};
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("widget")) {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("property")
                || xml.attributes().value(QLatin1String("name")) != QLatin1String("geometry")) {
                xml.skipCurrentElement();
                continue;
            }
            QSize size;
            while (xml.readNextStartElement()) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("width"))
                        size.setWidth(xml.readElementText().toInt());
                    else if (xml.name() == QLatin1String("height"))
                        size.setHeight(xml.readElementText().toInt());
                    else
                        xml.skipCurrentElement();
                }
            }
            return size;
        }
        return {};
    }
    return {};
}

QStringList missingFrom(const QStringList &before, const QStringList &after)
{
    QStringList missing;
    for (const QString &field : before) {
        if (!after.contains(field))
            missing.append(field);
    }
    return missing;
}

// Everything one form makes: its two files and, in a project, the catalogue.
struct Output {
    QString header, source;
    QByteArray headerText, sourceText;
    QString catalogue; // empty when the catalogue stays as it is
    QByteArray catalogueText;
    QStringList obsolete; // the form's files in the area it leaves
};

class FormWriter
{
public:
    explicit FormWriter(const CodeRequest &request)
        : m_request(request)
    {
    }

    // The files to write for FILE, or a message why none may be written.
    bool prepare(const QString &file, Output *output, QString *error)
    {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1: %2").arg(file, in.errorString());
            return false;
        }
        const QByteArray ui = in.readAll();
        // A first pass names the form; the record it had is found by that name.
        FormSources sources;
        if (!FormGenerator::generate(ui, QStringLiteral("scratch"), QString(), &sources, error))
            return prefixed(file, error);
        const QString className = sources.className;

        QString project =
            m_request.output.isEmpty() ? projectAroundCurrentFolder() : projectOfAreaFolder(m_request.output);
        const QString lives = project.isEmpty() ? QString() : findUiRecordHeader(className, {project});
        QString folder = m_request.output;
        if (folder.isEmpty()) {
            if (lives.isEmpty()) {
                *error = project.isEmpty()
                    ? QStringLiteral("%1: outside a project, say with -o where the form goes").arg(file)
                    : QStringLiteral("%1: %2 is not among %3/forms: say with -o which area it goes to")
                          .arg(file, className, project);
                return false;
            }
            folder = QFileInfo(lives).path();
        }
        const QDir dir(folder);
        output->header = dir.filePath(className + QStringLiteral(".h"));
        output->source = dir.filePath(className + QStringLiteral(".cpp"));
        if (!outputNameFits(output->source, error))
            return prefixed(file, error);
        if (!lives.isEmpty() && QFileInfo(lives).absolutePath() != QFileInfo(output->header).absolutePath()) {
            if (!m_request.moveForm) {
                *error = QStringLiteral("%1: %2 lives in %3; a second copy in %4 would define it twice (--move-form "
                                        "moves it there)")
                             .arg(file, className, QFileInfo(lives).path(), folder);
                return false;
            }
            output->obsolete =
                QStringList{lives, QDir(QFileInfo(lives).path()).filePath(className + QStringLiteral(".cpp"))};
        }

        const QString previousHeader = readText(lives.isEmpty() ? output->header : lives);
        if (!FormGenerator::generate(ui, QDir(QDir(folder).absolutePath()).dirName(), previousHeader, &sources, error))
            return prefixed(file, error);
        const QStringList before = uiRecordFields(previousHeader, className);
        const QStringList after = uiRecordFields(sources.header, className);
        if (!checkRecord(className, before, after, error))
            return prefixed(file, error);
        if (!project.isEmpty() && !catalogue(project, className, ui, after.size(), output, error))
            return prefixed(file, error);

        // Whole or nothing: what the formatter gives back is checked, and a
        // failure writes nothing.
        if (!formatSource(&sources.header, output->header, error)
            || !formatSource(&sources.source, output->source, error)) {
            *error = QStringLiteral("%1: nothing written: %2").arg(className, *error);
            return prefixed(file, error);
        }
        output->headerText = sources.header.toUtf8();
        output->sourceText = sources.source.toUtf8();
        return true;
    }

private:
    static bool prefixed(const QString &file, QString *error)
    {
        *error = QStringLiteral("%1: %2").arg(file, *error);
        return false;
    }

    // The record is the hosts': fields keep their places, new ones come last,
    // and none goes away unless hosts are to be rebuilt.
    bool checkRecord(const QString &className, const QStringList &before, const QStringList &after,
                     QString *error) const
    {
        const QStringList lost = missingFrom(before, after);
        if (!lost.isEmpty() && !m_request.recordChange) {
            *error = QStringLiteral("the Ui record of %1 would lose %2 (deleted or renamed in the form); hosts built "
                                    "against its header would read the wrong fields. To change the record, pass "
                                    "--record-change and rebuild every host")
                         .arg(className, lost.join(QLatin1String(", ")));
            return false;
        }
        const QStringList added = missingFrom(after, before);
        if (!before.isEmpty() && !added.isEmpty())
            warn(QStringLiteral("%1: the Ui record gains %2 at its end; hosts see them once rebuilt")
                     .arg(className, added.join(QLatin1String(", "))));
        if (!lost.isEmpty())
            warn(QStringLiteral("%1: the Ui record loses %2: rebuild every host")
                     .arg(className, lost.join(QLatin1String(", "))));
        return true;
    }

    // The catalogue registers the form and knows its record's size.
    bool catalogue(const QString &project, const QString &className, const QByteArray &ui, int fields, Output *output,
                   QString *error)
    {
        const QString path = QDir(project).filePath(QLatin1String(kCatalogueFile));
        // Forms before this one may have changed it already: nothing is written yet.
        const QString text = m_catalogues.contains(path) ? QString::fromUtf8(m_catalogues.value(path)) : readText(path);
        QStringList lines = text.split(QLatin1Char('\n'));
        int lastPosition = 0;
        const CatalogueLine entry = findInCatalogue(lines, className, &lastPosition);
        if (entry.line < 0) {
            if (!m_request.newForm) {
                *error = QStringLiteral("%1 is not in %2, so no module would register it (--new-form adds it)")
                             .arg(className, path);
                return false;
            }
            const QSize size = rootSize(ui);
            int last = lines.size() - 1;
            while (last >= 0 && lines.at(last).isEmpty())
                --last;
            lines.insert(last + 1,
                         QStringLiteral("QUARN_FORM(%1, %2, %3, %4, %5)")
                             .arg(lastPosition + 1)
                             .arg(className)
                             .arg(size.width())
                             .arg(size.height())
                             .arg(fields));
            warn(QStringLiteral("%1: added to %2 at position %3").arg(className, path).arg(lastPosition + 1));
        } else if (entry.fields != fields) {
            lines[entry.line].replace(catalogueLinePattern(),
                                      QStringLiteral("QUARN_FORM(\\1, \\2, \\3, \\4, %1)").arg(fields));
            warn(QStringLiteral("%1: %2 now gives it %3 fields").arg(className, path).arg(fields));
        } else {
            return true;
        }
        output->catalogue = path;
        output->catalogueText = lines.join(QLatin1Char('\n')).toUtf8();
        m_catalogues.insert(path, output->catalogueText);
        return true;
    }

    const CodeRequest &m_request;
    QHash<QString, QByteArray> m_catalogues; // as the forms so far leave them
};

} // namespace

int runCode(const CodeRequest &request)
{
    if (request.files.isEmpty())
        return fail(QStringLiteral("code takes one or more .ui files"), cli::kUsageError);
    QString error;
    if (!request.output.isEmpty() && !makeDirectory(request.output, &error))
        return fail(error);
    FormWriter writer(request);
    // Every form is generated and formatted before a file is written.
    QVector<Output> outputs;
    for (const QString &file : request.files) {
        outputs.append(Output());
        if (!writer.prepare(file, &outputs.last(), &error))
            return fail(error);
    }
    for (const Output &output : qAsConst(outputs)) {
        if (!writeChangedFile(output.header, output.headerText, &error)
            || !writeChangedFile(output.source, output.sourceText, &error)
            || (!output.catalogue.isEmpty() && !writeWholeFile(output.catalogue, output.catalogueText, &error)))
            return fail(error);
        for (const QString &old : output.obsolete) {
            if (QFile::exists(old) && !QFile::remove(old))
                return fail(QStringLiteral("cannot remove %1, which %2 replaces").arg(old, output.header));
        }
    }
    return 0;
}

} // namespace quarn::layouttool
