// quarn-layout: a host for the layout module on a desktop. It loads the module
// by path through the layout registry, builds forms into roots of its own and
// describes, renders or times them.

#include "bench.h"
#include "form_dump.h"
#include "fit.h"
#include "form_host.h"
#include "image_index.h"
#include "inspector.h"
#include "json_writer.h"
#include "output_file.h"
#include "preview_root.h"
#include "render.h"
#include "ui_export.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QResource>
#include <QTextStream>
#include <QTranslator>

#include <csignal>
#include <memory>

namespace {

using namespace quarn::layouttool;

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

struct RequestedForm {
    const FormLayout *form;
    const CatalogueIndexEntry *entry;
};

const char kUsage[] = R"(Usage: quarn-layout [options] <command> [arguments]

Builds the forms of a layout module the way a device host does and shows
what they contain.

Commands:
  list                       the catalogue: position, name, root size, fields,
                             and which forms the module does not register
  dump [--full] NAME... | --all
                             JSON description of the forms, in the order asked
                             (catalogue order for --all); --full gives every
                             property, not only those that differ from a
                             default object
  render NAME -o FILE.png    picture of one form
  gallery DIR                DIR/NAME.png of every form, DIR/index.html and
                             DIR/inspector.html, a page to click through forms
  fit NAME... | --all        texts wider (or, wrapped, taller) than their
                             widget, in the widget's font; exit status 1 if any
  bench [--repeat N]         build times of every form against its uic
                             reference, its controls alone and plain
                             widgets; code sizes
  ui NAME -o FILE.ui         the form as a Designer form; with --all, every
  ui --all -o DIR            form as DIR/NAME.ui; --skeleton keeps only the
                             objects (classes, names, geometry, layouts)

Options:
  --module PATH              layout module to load (default: the one beside
                             this program)
  --resources FILE           image bundle to register (default: placeholders.rcc
                             beside this program)
  --translations FILE.qm     translator to install before building
  -o, --output FILE          where render writes its picture, ui its form
  --all                      dump, fit or export every catalogued form
  --full                     dump every property, defaults included
  --skeleton                 export only the objects of the forms
  --repeat N                 builds per form for bench (default 100)
  -h, --help                 this text
  --version                  the program's version

Runs without a display unless QT_QPA_PLATFORM says otherwise.

Files are written whole or not at all. Exit status: 0 when everything asked
for was done; 1 when a module, form, resource, translation or output could
not be used or written; 2 for a command line that cannot be understood.
)";

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString &message, int code = kFailure)
{
    err() << "quarn-layout: " << message << '\n';
    if (code == kUsageError)
        err() << "Try 'quarn-layout --help'.\n";
    err().flush();
    return code;
}

// Qt's own warnings (an image that cannot be encoded, a missing runtime
// folder) carry the program's name like ours.
void prefixedMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    err() << "quarn-layout: " << message << '\n';
    err().flush();
}

int writeOut(const QByteArray &bytes)
{
    QString error;
    return writeStandardOutput(bytes, &error) ? 0 : fail(error);
}

// The placeholder bundle, registered for as long as the tool runs.
class RegisteredResource
{
public:
    bool registerFile(const QString &file)
    {
        if (!QResource::registerResource(file))
            return false;
        m_file = file;
        return true;
    }
    ~RegisteredResource()
    {
        if (!m_file.isEmpty())
            QResource::unregisterResource(m_file);
    }

private:
    QString m_file;
};

class CommandLine
{
public:
    CommandLine()
        : m_module({QStringLiteral("module")}, QString(), QStringLiteral("PATH"))
        , m_resources({QStringLiteral("resources")}, QString(), QStringLiteral("FILE"))
        , m_translations({QStringLiteral("translations")}, QString(), QStringLiteral("FILE"))
        , m_output({QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("FILE"))
        , m_all({QStringLiteral("all")}, QString())
        , m_full({QStringLiteral("full")}, QString())
        , m_skeleton({QStringLiteral("skeleton")}, QString())
        , m_repeat({QStringLiteral("repeat")}, QString(), QStringLiteral("N"))
        , m_help({QStringLiteral("h"), QStringLiteral("help")}, QString())
        , m_version({QStringLiteral("version")}, QString())
    {
        m_parser.addOptions(
            {m_module, m_resources, m_translations, m_output, m_all, m_full, m_skeleton, m_repeat, m_help, m_version});
    }

    int run(const QStringList &arguments)
    {
        if (!m_parser.parse(arguments))
            return fail(m_parser.errorText(), kUsageError);
        if (m_parser.isSet(m_help))
            return writeOut(kUsage);
        if (m_parser.isSet(m_version))
            return writeOut(QStringLiteral("quarn-layout %1\n").arg(QCoreApplication::applicationVersion()).toUtf8());
        QStringList words = m_parser.positionalArguments();
        if (words.isEmpty())
            return fail(QStringLiteral("no command given"), kUsageError);
        const QString command = words.takeFirst();

        if (const int error = checkOptionsFor(command))
            return error;
        if (const int error = prepareHost())
            return error;
        if (command == QLatin1String("list"))
            return list(words);
        if (command == QLatin1String("dump"))
            return dump(words);
        if (command == QLatin1String("render"))
            return render(words);
        if (command == QLatin1String("gallery"))
            return gallery(words);
        if (command == QLatin1String("fit"))
            return fit(words);
        if (command == QLatin1String("ui"))
            return ui(words);
        return bench(words);
    }

private:
    int checkOptionsFor(const QString &command) const
    {
        static const QStringList commands = {QStringLiteral("list"), QStringLiteral("dump"), QStringLiteral("render"),
                                             QStringLiteral("gallery"), QStringLiteral("bench"),
                                             QStringLiteral("fit"), QStringLiteral("ui")};
        if (!commands.contains(command))
            return fail(QStringLiteral("unknown command: %1").arg(command), kUsageError);
        const auto onlyFor = [&](const QCommandLineOption &option, const char *owner, const char *other = "") {
            return m_parser.isSet(option) && command != QLatin1String(owner) && command != QLatin1String(other);
        };
        if (onlyFor(m_all, "dump", "ui") && onlyFor(m_all, "fit"))
            return fail(QStringLiteral("--all only goes with dump, fit and ui"), kUsageError);
        if (onlyFor(m_full, "dump"))
            return fail(QStringLiteral("--full only goes with dump"), kUsageError);
        if (onlyFor(m_skeleton, "ui"))
            return fail(QStringLiteral("--skeleton only goes with ui"), kUsageError);
        if (onlyFor(m_output, "render", "ui"))
            return fail(QStringLiteral("--output only goes with render and ui"), kUsageError);
        if (onlyFor(m_repeat, "bench"))
            return fail(QStringLiteral("--repeat only goes with bench"), kUsageError);
        return 0;
    }

    // Beside the program in a build tree, in the module folder once installed.
    QString besideProgram(const QString &fileName) const
    {
        const QDir programDir(QCoreApplication::applicationDirPath());
        const QString built = programDir.filePath(fileName);
        const QString installed = QDir(programDir.filePath(QStringLiteral(QUARN_INSTALLED_MODULE_DIR))).filePath(fileName);
        return QFile::exists(built) || !QFile::exists(installed) ? built : installed;
    }

    // Images, translator, then the module: forms load images and translate
    // while they are built.
    int prepareHost()
    {
        const bool chosenResources = m_parser.isSet(m_resources);
        const QString resources =
            chosenResources ? m_parser.value(m_resources) : besideProgram(QStringLiteral("placeholders.rcc"));
        if (!m_imageBundle.registerFile(resources)) {
            if (chosenResources || QFile::exists(resources))
                return fail(QStringLiteral("cannot register image resources %1").arg(resources));
            err() << "quarn-layout: warning: no image resources at " << resources << ", forms show no images\n";
        }

        if (m_parser.isSet(m_translations)) {
            const QString file = m_parser.value(m_translations);
            if (!m_translator.load(file))
                return fail(QStringLiteral("cannot load translations %1").arg(file));
            QCoreApplication::installTranslator(&m_translator);
        }

        const QString modulePath = m_parser.isSet(m_module) ? m_parser.value(m_module)
                                                            : besideProgram(QStringLiteral(QUARN_MODULE_FILE_NAME));
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
                return fail(QStringLiteral("form %1 is not in the catalogue, so its Ui record size is unknown").arg(name));
            forms->append({form, entry});
        }
        return 0;
    }

    static void warnIfOverrun(const BuiltForm &built)
    {
        if (built.overranRecord()) {
            err() << "quarn-layout: warning: " << built.entry().name << " wrote past its " << built.fieldCount()
                  << " Ui record fields\n";
        }
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
                << qSetFieldWidth(nameWidth) << Qt::left << entry.name << qSetFieldWidth(0) << "  "
                << qSetFieldWidth(9) << QStringLiteral("%1x%2").arg(entry.width).arg(entry.height)
                << qSetFieldWidth(6) << Qt::right << entry.fieldCount << qSetFieldWidth(0);
            if (!m_layoutModule->find(QString::fromLatin1(entry.name)))
                out << "  (not registered by the module)";
            out << '\n';
        }
        out.flush();
        return writeOut(text);
    }

    // The forms named, or with --all every catalogued one.
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
        FormDumper dumper(images, m_parser.isSet(m_full) ? FormDumper::Detail::Complete
                                                         : FormDumper::Detail::Changes);
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
        return writePngFile(m_parser.value(m_output), renderForm(built), &error) ? 0 : fail(error);
    }

    int gallery(const QStringList &words)
    {
        if (words.size() != 1)
            return fail(QStringLiteral("gallery takes one directory"), kUsageError);
        const bool complete = writeGallery(*m_layoutModule, words.first(), [](const QString &problem) { fail(problem); });
        const bool inspector = writeInspectorPage(*m_layoutModule, ImageIndex::scan(),
                                                  QDir(words.first()).filePath(QStringLiteral("inspector.html")), err());
        err().flush();
        return complete && inspector ? 0 : kFailure;
    }

    int fit(const QStringList &words)
    {
        QList<RequestedForm> forms;
        if (const int error = requested("fit", words, &forms))
            return error;
        QByteArray report;
        for (const auto &form : qAsConst(forms)) {
            BuiltForm built(*form.form, *form.entry);
            warnIfOverrun(built);
            for (const TextMisfit &misfit : textMisfits(built))
                report += misfitLine(QString::fromLatin1(form.entry->name), misfit).toUtf8() + '\n';
        }
        if (const int error = writeOut(report))
            return error;
        return report.isEmpty() ? 0 : kFailure;
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
        QTextStream out(stdout);
        runBench(*m_layoutModule, besideProgram(QStringLiteral(QUARN_UIC_REFERENCE_FILE_NAME)),
                 besideProgram(QStringLiteral(QUARN_UIC_FLOOR_FILE_NAME)), repeat, out);
        out.flush();
        QString error;
        return finishStandardOutput(&error) ? 0 : fail(error);
    }

    int ui(const QStringList &words)
    {
        const bool all = m_parser.isSet(m_all);
        if (all ? !words.isEmpty() : words.size() != 1)
            return fail(QStringLiteral("ui takes one form name or --all"), kUsageError);
        if (!m_parser.isSet(m_output))
            return fail(QStringLiteral("ui needs -o FILE.ui (a directory with --all)"), kUsageError);
        QStringList names = words;
        if (all) {
            for (const CatalogueIndexEntry &entry : kCatalogueIndex)
                names.append(QString::fromLatin1(entry.name));
        }
        QList<RequestedForm> forms;
        if (const int error = resolve(names, &forms))
            return error;
        const QString output = m_parser.value(m_output);
        if (all && !QDir().mkpath(output))
            return fail(QStringLiteral("cannot make directory %1").arg(output));
        const ImageIndex images = ImageIndex::scan();
        UiExporter exporter(images, m_parser.isSet(m_skeleton) ? UiExporter::Content::Skeleton
                                                               : UiExporter::Content::Complete);
        for (const auto &form : qAsConst(forms)) {
            const BuiltForm built(*form.form, *form.entry);
            warnIfOverrun(built);
            const QString file = all ? QDir(output).filePath(QString::fromLatin1(form.entry->name) + QStringLiteral(".ui"))
                                     : output;
            if (!writeUiFile(exporter, built, file, err()))
                return fail(QStringLiteral("cannot write %1").arg(file));
        }
        err().flush();
        return 0;
    }

    QCommandLineParser m_parser;
    QCommandLineOption m_module, m_resources, m_translations, m_output, m_all, m_full, m_skeleton, m_repeat, m_help,
        m_version;
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
    qInstallMessageHandler(prefixedMessage);
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
