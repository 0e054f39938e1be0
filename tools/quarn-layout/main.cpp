// quarn-layout: a host for the layout module on a desktop. It loads the module
// by path through the layout registry, builds forms into roots of its own and
// describes, renders or times them.

#include "checks/bench.h"
#include "cli.h"
#include "code_command.h"
#include "dump/form_dumper.h"
#include "checks/fit.h"
#include "common/form_host.h"
#include "common/image_index.h"
#include "pictures/inspector.h"
#include "dump/json_writer.h"
#include "common/output_file.h"
#include "pictures/preview_root.h"
#include "pictures/render.h"
#include "review/review.h"
#include "tool_files.h"
#include "uiform/translation_template.h"
#include "export/picture_resources.h"
#include "export/ui_export.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLibrary>
#include <QTextStream>
#include <QTranslator>

#include <csignal>
#include <memory>

namespace {

using namespace quarn::layouttool;
using namespace quarn::layouttool::cli;

struct RequestedForm {
    const FormLayout *form;
    const CatalogueIndexEntry *entry;
};

class CommandLine;
using Handler = int (CommandLine::*)(const QStringList &);

// A command, declared once: the help text, the dispatch and the options it
// accepts all come from here.
struct Command {
    const char *name;
    const char *synopsis;
    const char *description;
    Handler run;
    QList<const QCommandLineOption *> options;
};

class CommandLine
{
public:
    CommandLine()
        : m_module({QStringLiteral("module")},
                   QStringLiteral("Layout module to load (default: %1 %2).")
                       .arg(QStringLiteral(QUARN_MODULE_FILE_NAME), describeFolders(moduleFolders())),
                   QStringLiteral("PATH"))
        , m_resources({QStringLiteral("resources")},
                      QStringLiteral("Image bundle to register (default: placeholders.rcc %1).")
                          .arg(describeFolders(dataFolders())),
                      QStringLiteral("FILE"))
        , m_translations({QStringLiteral("translations")},
                         QStringLiteral("Translator to install before building: a .qm file, or the name of one of the "
                                        "module's translations (quarn-layout_pseudo)."),
                         QStringLiteral("FILE.qm"))
        , m_output({QStringLiteral("o"), QStringLiteral("output")},
                   QStringLiteral("Where render writes its picture, ui its form (a directory with --all; "
                                  "standard output without -o), review its page."),
                   QStringLiteral("FILE"))
        , m_all({QStringLiteral("all")}, QStringLiteral("Every catalogued form, in catalogue order."))
        , m_full({QStringLiteral("full")}, QStringLiteral("dump: every property, defaults included."))
        , m_skeleton({QStringLiteral("skeleton")},
                     QStringLiteral("ui: only the objects (classes, names, geometry, layouts)."))
        , m_template({QStringLiteral("template")},
                     QStringLiteral("ui: translation template whose form descriptions and notes for translators "
                                    "the export keeps (default: %1).")
                         .arg(translationTemplatePlaces()),
                     QStringLiteral("FILE.ts"))
        , m_repeat({QStringLiteral("repeat")}, QStringLiteral("bench: builds per form (default 100)."),
                   QStringLiteral("N"))
        , m_deviceBackdrop({QStringLiteral("device-backdrop")},
                           QStringLiteral("render, gallery, review: paint the root as the device does (dark backdrop, "
                                          "item faces, popup frames), not as a host's plain root shows."))
        , m_everyMisfit({QStringLiteral("every-misfit")},
                        QStringLiteral("fit with --translations: every text that does not fit, not only those the "
                                       "translation makes overflow."))
        , m_newForm({QStringLiteral("new-form")},
                    QStringLiteral("code: a form the catalogue lacks is added to it, so that the module registers it."))
        , m_moveForm({QStringLiteral("move-form")},
                     QStringLiteral("code: a form that lives in another area moves to DIR; its old files go."))
        , m_recordChange({QStringLiteral("record-change")},
                         QStringLiteral("code: the Ui record may lose or rename fields. Every host built against the "
                                        "old header must then be rebuilt."))
        , m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("This text."))
        , m_version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("The program's version."))
        , m_commands({
              {"list",
               "list",
               "The catalogue: position, name, root size, fields, and the forms the module lacks.",
               &CommandLine::list,
               {}},
              {"dump",
               "dump [--full] NAME... | --all",
               "JSON description of the forms, in the order asked (catalogue order for --all).",
               &CommandLine::dump,
               {&m_all, &m_full}},
              {"render",
               "render NAME -o FILE.png",
               "Picture of one form.",
               &CommandLine::render,
               {&m_output, &m_deviceBackdrop}},
              {"gallery",
               "gallery DIR",
               "DIR/NAME.png of every form, DIR/index.html and DIR/inspector.html, a page to click through forms.",
               &CommandLine::gallery,
               {&m_deviceBackdrop}},
              {"review",
               "review BASELINE -o DIR",
               "Forms changed since an earlier gallery, pictures and settings: DIR/index.html. Exit status 1 if any.",
               &CommandLine::review,
               {&m_output, &m_deviceBackdrop}},
              {"fit",
               "fit NAME... | --all",
               "Texts wider (or, wrapped, taller) than their widget, in the widget's font, then a summary. With "
               "--translations, only those the translation makes overflow or overflow more than the untranslated "
               "forms do. Exit status 1 if any is reported.",
               &CommandLine::fit,
               {&m_all, &m_everyMisfit}},
              {"bench",
               "bench [--repeat N]",
               "Build times of every form against its uic reference, its controls alone and plain widgets; code "
               "sizes. The uic reference is built only in a build tree.",
               &CommandLine::bench,
               {&m_repeat}},
              {"ui",
               "ui [--skeleton] [--template FILE.ts] NAME [-o FILE.ui] | --all -o DIR",
               "The form as a Designer form; with --all, every form as DIR/NAME.ui. The translation template "
               "gives each form its comment and each text its note for translators.",
               &CommandLine::ui,
               {&m_all, &m_output, &m_skeleton, &m_template}},
              {"code",
               "code FILE.ui... [-o DIR] [--new-form] [--move-form] [--record-change]",
               "The form's source and Ui-record header from a Designer form, as DIR/NAME.cpp and DIR/NAME.h, "
               "NAME the form's class. Without -o, where the form lives in the project around the current folder. "
               "Into a project's forms/<area>, the record keeps its fields in their order, new ones last, and "
               "the catalogue follows its size; a form the catalogue lacks, one from another area and a record "
               "that loses fields are refused unless an option allows them.",
               &CommandLine::code,
               {&m_output, &m_newForm, &m_moveForm, &m_recordChange}},
          })
    {
        m_parser.addOptions({m_module, m_resources, m_translations, m_output, m_all, m_full, m_skeleton, m_template,
                             m_repeat, m_deviceBackdrop, m_everyMisfit, m_newForm, m_moveForm, m_recordChange, m_help,
                             m_version});
        m_parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("One of the commands above."),
                                       QStringLiteral("<command> [arguments]"));
        m_parser.setApplicationDescription(description());
    }

    int run(const QStringList &arguments)
    {
        if (!m_parser.parse(arguments))
            return fail(m_parser.errorText(), kUsageError);
        if (m_parser.isSet(m_help))
            return writeOut(helpText().toUtf8());
        if (m_parser.isSet(m_version))
            return writeOut(QStringLiteral("quarn-layout %1\n").arg(QCoreApplication::applicationVersion()).toUtf8());
        QStringList words = m_parser.positionalArguments();
        if (words.isEmpty())
            return fail(QStringLiteral("no command given"), kUsageError);
        const QString name = words.takeFirst();
        const Command *command = find(name);
        if (!command)
            return fail(QStringLiteral("unknown command: %1").arg(name), kUsageError);
        if (const int error = checkOptionsFor(*command))
            return error;
        if (const int error = prepareHost())
            return error;
        return (this->*command->run)(words);
    }

private:
    const Command *find(const QString &name) const
    {
        for (const Command &command : m_commands) {
            if (name == QLatin1String(command.name))
                return &command;
        }
        return nullptr;
    }

    QString description() const
    {
        QString text = wrapped(QStringLiteral("Builds the forms of a layout module the way a device host does and "
                                              "shows what they contain."),
                               0, 79)
            + QStringLiteral("\nCommands:\n");
        for (const Command &command : m_commands) {
            text += QStringLiteral("  %1\n").arg(QLatin1String(command.synopsis));
            text += wrapped(QString::fromLatin1(command.description), 6, 79);
        }
        // The parser puts a blank line after the description itself.
        text.chop(1);
        return text;
    }

    QString helpText() const
    {
        return m_parser.helpText()
            + QStringLiteral("\nRuns without a display unless QT_QPA_PLATFORM says otherwise.\n\n")
            + wrapped(QStringLiteral("Files are written whole or not at all. Exit status: 0 when everything asked for "
                                     "was done; 1 when a module, form, resource, translation or output could not be "
                                     "used or written, or fit listed texts; 2 for a command line that cannot be "
                                     "understood."),
                      0, 79);
    }

    // Options that belong to some commands are refused with the others.
    int checkOptionsFor(const Command &command) const
    {
        for (const Command &other : m_commands) {
            for (const QCommandLineOption *option : other.options) {
                if (!m_parser.isSet(*option) || command.options.contains(option))
                    continue;
                QStringList owners;
                for (const Command &owner : m_commands) {
                    if (owner.options.contains(option))
                        owners.append(QLatin1String(owner.name));
                }
                return fail(QStringLiteral("--%1 only goes with %2")
                                .arg(option->names().constLast(), owners.join(QLatin1String(", "))),
                            kUsageError);
            }
        }
        return 0;
    }

    // Images, translator, then the module: forms load images and translate
    // while they are built.
    int prepareHost()
    {
        const bool chosenResources = m_parser.isSet(m_resources);
        const QString resources = chosenResources ? m_parser.value(m_resources) : defaultImageBundle();
        if (!m_imageBundle.registerFile(resources)) {
            if (chosenResources || QFile::exists(resources))
                return fail(QStringLiteral("cannot register image resources %1: %2")
                                .arg(resources, whyUnusable(resources, "a Qt resource bundle (.rcc)")));
            warn(QStringLiteral("no image resources at %1, forms show no images").arg(resources));
        }

        if (m_parser.isSet(m_translations)) {
            const QString file = m_parser.value(m_translations);
            const QString found = findTranslation(file);
            if (found.isEmpty() || !m_translator.load(found))
                return fail(QStringLiteral("cannot load translations %1: %2")
                                .arg(file, whyUnusable(found.isEmpty() ? file : found, "a Qt translation file (.qm)")));
            QCoreApplication::installTranslator(&m_translator);
        }

        const QString modulePath = m_parser.isSet(m_module) ? m_parser.value(m_module) : defaultLayoutModule();
        QString error;
        m_layoutModule = LayoutModule::load(modulePath, &error);
        return m_layoutModule ? 0 : fail(error);
    }

    // The form and its catalogue entry for each name, or an error for the first
    // name that lacks either.
    int resolve(const QStringList &names, QList<RequestedForm> *forms)
    {
        for (const QString &name : names) {
            const FormLayout *form = m_layoutModule->find(name);
            const CatalogueIndexEntry *entry = findCatalogued(name.toLatin1().constData());
            if (!form && !entry)
                return fail(QStringLiteral("unknown form: %1").arg(name));
            if (!form)
                return fail(QStringLiteral("form %1 is catalogued but %2 does not register it")
                                .arg(name, m_layoutModule->path()));
            if (!entry)
                return fail(
                    QStringLiteral("form %1 is not in the catalogue, so its Ui record size is unknown").arg(name));
            forms->append({form, entry});
        }
        return 0;
    }

    static void warnIfOverrun(const BuiltForm &built)
    {
        if (built.overranRecord()) {
            warn(QStringLiteral("%1 wrote past its %2 Ui record fields")
                     .arg(QLatin1String(built.entry().name))
                     .arg(built.fieldCount()));
        }
    }

    PreviewRoot::Backdrop backdrop() const
    {
        return m_parser.isSet(m_deviceBackdrop) ? PreviewRoot::Backdrop::Device : PreviewRoot::Backdrop::Host;
    }

    int list(const QStringList &words)
    {
        if (!words.isEmpty())
            return fail(QStringLiteral("list takes no arguments"), kUsageError);
        int nameWidth = 4;
        for (const CatalogueIndexEntry &entry : kCatalogueIndex)
            nameWidth = qMax(nameWidth, int(qstrlen(entry.name)));
        QByteArray text;
        QTextStream out(&text);
        out << qSetFieldWidth(3) << Qt::right << "#" << qSetFieldWidth(0) << "  " << qSetFieldWidth(nameWidth)
            << Qt::left << "name" << qSetFieldWidth(0) << "  " << qSetFieldWidth(9) << "size" << qSetFieldWidth(6)
            << Qt::right << "fields" << qSetFieldWidth(0) << '\n';
        for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
            out << qSetFieldWidth(3) << Qt::right << entry.position << qSetFieldWidth(0) << "  "
                << qSetFieldWidth(nameWidth) << Qt::left << entry.name << qSetFieldWidth(0) << "  " << qSetFieldWidth(9)
                << QStringLiteral("%1x%2").arg(entry.width).arg(entry.height) << qSetFieldWidth(6) << Qt::right
                << entry.fieldCount << qSetFieldWidth(0);
            if (!m_layoutModule->find(QString::fromLatin1(entry.name)))
                out << "  (not registered by the module)";
            out << '\n';
        }
        out.flush();
        return writeOut(text);
    }

    // The forms named, or with --all every catalogued one; the one place
    // --all is expanded.
    int requested(const char *command, const QStringList &words, QList<RequestedForm> *forms)
    {
        QStringList names = words;
        if (m_parser.isSet(m_all)) {
            if (!names.isEmpty())
                return fail(QStringLiteral("%1 takes either form names or --all").arg(command), kUsageError);
            for (const CatalogueIndexEntry &entry : kCatalogueIndex)
                names.append(QString::fromLatin1(entry.name));
        }
        if (names.isEmpty())
            return fail(QStringLiteral("%1 needs form names or --all").arg(command), kUsageError);
        return resolve(names, forms);
    }

    int dump(const QStringList &words)
    {
        QList<RequestedForm> forms;
        if (const int error = requested("dump", words, &forms))
            return error;

        const ImageIndex images = ImageIndex::scan();
        FormDumper dumper(images, m_parser.isSet(m_full) ? FormDumper::Detail::Complete : FormDumper::Detail::Changes);
        QJsonArray array;
        for (const auto &form : qAsConst(forms)) {
            const BuiltForm built(*form.form, *form.entry);
            warnIfOverrun(built);
            array.append(dumper.dump(built));
        }
        return writeOut(toReadableJson(array, FormDumper::keyOrder()));
    }

    int render(const QStringList &words)
    {
        if (words.size() != 1)
            return fail(QStringLiteral("render takes one form name"), kUsageError);
        if (!m_parser.isSet(m_output))
            return fail(QStringLiteral("render needs -o FILE.png"), kUsageError);
        QList<RequestedForm> forms;
        if (const int error = resolve(words, &forms))
            return error;
        BuiltForm built(*forms.first().form, *forms.first().entry, std::make_unique<PreviewRoot>());
        warnIfOverrun(built);
        QString error;
        return writePngFile(m_parser.value(m_output), renderForm(built, backdrop()), &error) ? 0 : fail(error);
    }

    int gallery(const QStringList &words)
    {
        if (words.size() != 1)
            return fail(QStringLiteral("gallery takes one directory"), kUsageError);
        const GalleryResult result =
            writeGallery(*m_layoutModule, words.first(), backdrop(), [](const QString &problem) { fail(problem); });
        if (result == GalleryResult::Failed)
            return kFailure;
        QString error;
        if (!writeInspectorPage(*m_layoutModule, ImageIndex::scan(),
                                QDir(words.first()).filePath(QStringLiteral("inspector.html")), backdrop(), &error))
            return fail(error);
        return result == GalleryResult::Complete ? 0 : kFailure;
    }

    int review(const QStringList &words)
    {
        if (words.size() != 1 || !m_parser.isSet(m_output))
            return fail(QStringLiteral("review takes one baseline gallery and -o DIR"), kUsageError);
        const ReviewResult result = reviewChange(*m_layoutModule, words.first(), m_parser.value(m_output),
                                                 {backdrop(), m_parser.isSet(m_translations) ? &m_translator : nullptr},
                                                 [](const QString &problem) { fail(problem); });
        if (result.status == ReviewResult::Status::Failed || writeOut(result.report))
            return kFailure;
        return result.status == ReviewResult::Status::Changed ? kFailure : 0;
    }

    int fit(const QStringList &words)
    {
        QList<RequestedForm> forms;
        if (const int error = requested("fit", words, &forms))
            return error;
        const bool translated = m_parser.isSet(m_translations);
        const bool againstSource = translated && !m_parser.isSet(m_everyMisfit);
        FitSummary summary;
        QByteArray report;
        for (const auto &form : qAsConst(forms)) {
            QList<TextMisfit> source;
            if (againstSource) {
                QCoreApplication::removeTranslator(&m_translator);
                BuiltForm untranslated(*form.form, *form.entry);
                source = textMisfits(untranslated);
                QCoreApplication::installTranslator(&m_translator);
            }
            BuiltForm built(*form.form, *form.entry);
            warnIfOverrun(built);
            const QList<TextMisfit> misfits = textMisfits(built);
            const QList<TextMisfit> shown = againstSource ? misfitsAddedTo(source, misfits) : misfits;
            summary.add(misfits.size(), source.size(), shown.size());
            for (const TextMisfit &misfit : shown)
                report += misfitLine(QString::fromLatin1(form.entry->name), misfit).toUtf8() + '\n';
        }
        report += summary.line(forms.size(), againstSource).toUtf8() + '\n';
        if (const int error = writeOut(report))
            return error;
        return summary.reported == 0 ? 0 : kFailure;
    }

    int bench(const QStringList &words)
    {
        if (!words.isEmpty())
            return fail(QStringLiteral("bench takes no arguments besides --repeat"), kUsageError);
        int repeat = 100;
        if (m_parser.isSet(m_repeat)) {
            bool ok = false;
            repeat = m_parser.value(m_repeat).toInt(&ok);
            if (!ok || repeat < 1)
                return fail(QStringLiteral("--repeat needs a positive number"), kUsageError);
        }
        const QString referenceName = QStringLiteral(QUARN_UIC_REFERENCE_FILE_NAME);
        const QString floorName = QStringLiteral(QUARN_UIC_FLOOR_FILE_NAME);
        if (referenceName.isEmpty() || floorName.isEmpty())
            return fail(QStringLiteral("bench compares the module with uic's code of its forms, and this build "
                                       "made none (QUARN_BUILD_UIC_REFERENCE is off)"));
        const QString reference = locate(referenceName, moduleFolders());
        const QString floor = locate(floorName, moduleFolders());
        for (const QString &library : {reference, floor}) {
            if (!QFile::exists(library)) {
                QStringList installed = moduleFolders();
                installed.removeAll(QString());
                return fail(QStringLiteral("bench compares the module with uic's code of its forms, which only a "
                                           "build tree has: %1 is neither beside this program nor in %2")
                                .arg(QFileInfo(library).fileName(), installed.join(QLatin1String(", "))));
            }
            QLibrary probe(library);
            if (!probe.load())
                return fail(QStringLiteral("cannot load %1: %2").arg(library, probe.errorString()));
        }
        QTextStream out(stdout);
        runBench(*m_layoutModule, reference, floor, repeat, out);
        out.flush();
        QString error;
        return finishStandardOutput(&error) ? 0 : fail(error);
    }

    int ui(const QStringList &words)
    {
        const bool all = m_parser.isSet(m_all);
        if (all && !m_parser.isSet(m_output))
            return fail(QStringLiteral("ui --all needs -o DIR"), kUsageError);
        if (!all && words.size() != 1)
            return fail(QStringLiteral("ui takes one form name or --all"), kUsageError);
        QList<RequestedForm> forms;
        if (const int error = requested("ui", words, &forms))
            return error;
        const bool skeleton = m_parser.isSet(m_skeleton);
        TranslationTemplate translations;
        bool haveTranslations = false;
        if (!skeleton) {
            if (const int failed = readTranslationTemplate(&translations, &haveTranslations))
                return failed;
        }
        const QString output = m_parser.value(m_output);
        QString error;
        if (all && !makeDirectory(output, &error))
            return fail(error);
        // A form's folder is made as --all's is (what stands in its way is
        // named when the form is written).
        const QString folder = all ? output : QFileInfo(output).absolutePath();
        if (!all && !output.isEmpty() && !QFileInfo::exists(folder) && !makeDirectory(folder, &error))
            return fail(error);
        const ImageIndex images = ImageIndex::scan();
        UiExporter exporter(images, skeleton ? UiExporter::Content::Skeleton : UiExporter::Content::Complete);
        if (haveTranslations)
            exporter.setTranslationTemplate(&translations);
        exporter.setRecordFolders(recordFolders());
        // Written to files, the forms get the pictures as a resource file
        // beside them, written once the forms could be.
        const bool withPictures = !output.isEmpty() && images.size() > 0;
        if (withPictures)
            exporter.setResourceFiles({pictureResourceFile()});
        for (const auto &form : qAsConst(forms)) {
            const BuiltForm built(*form.form, *form.entry);
            warnIfOverrun(built);
            const QByteArray bytes = exporter.exportForm(built);
            for (const QString &omission : exporter.omissions())
                warn(QStringLiteral("%1: left out %2").arg(QLatin1String(form.entry->name), omission));
            for (const QString &note : exporter.notes())
                warn(QStringLiteral("%1: %2").arg(QLatin1String(form.entry->name), note));
            if (output.isEmpty()) {
                if (const int failed = writeOut(bytes))
                    return failed;
                continue;
            }
            const QString file =
                all ? QDir(output).filePath(QString::fromLatin1(form.entry->name) + QStringLiteral(".ui")) : output;
            if (!writeChangedFile(file, bytes, &error))
                return fail(error);
        }
        if (withPictures && !writePictureResources(images, folder, &error))
            return fail(error);
        return 0;
    }

    int code(const QStringList &files)
    {
        return runCode({files, m_parser.value(m_output), m_parser.isSet(m_newForm), m_parser.isSet(m_moveForm),
                        m_parser.isSet(m_recordChange)});
    }

    // The sources' words the built forms lack. Without a template the export
    // still works, only poorer; a template that is there must be readable.
    int readTranslationTemplate(TranslationTemplate *translations, bool *found)
    {
        const bool chosen = m_parser.isSet(m_template);
        const QString file = chosen ? m_parser.value(m_template) : defaultTranslationTemplate();
        *found = false;
        if (file.isEmpty()) {
            warn(QStringLiteral("no translation template (%1): form descriptions and notes for translators are "
                                "left out")
                     .arg(translationTemplatePlaces()));
            return 0;
        }
        QString error;
        if (!translations->load(file, &error))
            return fail(QStringLiteral("cannot read translation template %1: %2").arg(file, error));
        *found = true;
        return 0;
    }

    QCommandLineParser m_parser;
    QCommandLineOption m_module, m_resources, m_translations, m_output, m_all, m_full, m_skeleton, m_template, m_repeat,
        m_deviceBackdrop, m_everyMisfit, m_newForm, m_moveForm, m_recordChange, m_help, m_version;
    const QList<Command> m_commands;
    // Declared before the module, so that it outlives every form built from it.
    RegisteredResource m_imageBundle;
    QTranslator m_translator;
    std::unique_ptr<LayoutModule> m_layoutModule;
};

} // namespace

int main(int argc, char *argv[])
{
    // Qt aborts on an empty platform name; empty means unset here.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Past a file-size limit, a write should fail and be reported, not kill us
    // with a partial file behind.
    std::signal(SIGXFSZ, SIG_IGN);
    qInstallMessageHandler(qtMessage);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quarn-layout"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUARN_VERSION));
    int status = 0;
    {
        CommandLine commandLine;
        status = commandLine.run(QCoreApplication::arguments());
    }
    QString error;
    if (!finishStandardOutput(&error) && status == 0)
        status = fail(error);
    return status;
}
