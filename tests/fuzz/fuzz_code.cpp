// Mutated Designer forms through `quarn-layout code`: the tool's own exports,
// changed in structure and in bytes, from a fixed seed. Every case must end
// in whole sources or in a refusal naming an element and its line, with
// nothing written; no crash, no timeout, no sanitizer report; and a sample
// of the accepted sources must compile.
//
//   fuzz_code --tool quarn-layout --compile-commands compile_commands.json
//             [--exports DIR] [--work DIR] [--seed N] [--cases N] [--compile N]
//             [--valid 0|1] [--mutated 0|1] [--emit FILE]
// --emit writes a source that includes every valid edit's generated form and
// lists them, for a test program to build and compare with Qt's own loader.
// QUARN_FUZZ_CASES and QUARN_FUZZ_SEED override the defaults.

#include "form_mutator.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <random>

namespace {

QTextStream out(stdout);

struct Options {
    QString tool, compileCommands, exports, work, table;
    quint32 seed = 38;
    int cases = 300;
    int compile = 4;
    bool valid = true;   // the edited forms of every class and kind of value
    bool mutated = true; // the mutations
};

struct Run {
    bool finished = false;
    bool crashed = false;
    int status = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments, int seconds)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (!process.waitForStarted(seconds * 1000) || !process.waitForFinished(seconds * 1000)) {
        process.kill();
        process.waitForFinished();
        result.output = QString::fromLocal8Bit(process.readAll());
        return result;
    }
    result.finished = true;
    result.crashed = process.exitStatus() != QProcess::NormalExit;
    result.status = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

bool parseOptions(const QStringList &arguments, Options *options)
{
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        const QString &key = arguments.at(i);
        const QString &value = arguments.at(i + 1);
        if (key == QLatin1String("--tool"))
            options->tool = value;
        else if (key == QLatin1String("--compile-commands"))
            options->compileCommands = value;
        else if (key == QLatin1String("--exports"))
            options->exports = value;
        else if (key == QLatin1String("--work"))
            options->work = value;
        else if (key == QLatin1String("--seed"))
            options->seed = value.toUInt();
        else if (key == QLatin1String("--cases"))
            options->cases = value.toInt();
        else if (key == QLatin1String("--compile"))
            options->compile = value.toInt();
        else if (key == QLatin1String("--valid"))
            options->valid = value != QLatin1String("0");
        else if (key == QLatin1String("--mutated"))
            options->mutated = value != QLatin1String("0");
        else if (key == QLatin1String("--emit"))
            options->table = value;
        else
            return false;
    }
    if (!qEnvironmentVariableIsEmpty("QUARN_FUZZ_CASES"))
        options->cases = qEnvironmentVariableIntValue("QUARN_FUZZ_CASES");
    if (!qEnvironmentVariableIsEmpty("QUARN_FUZZ_SEED"))
        options->seed = quint32(qEnvironmentVariableIntValue("QUARN_FUZZ_SEED"));
    return !options->tool.isEmpty();
}

// The compiler command of a form's source in the build, to compile the
// generated sources the way the module does (without its output file).
QStringList compilerCommand(const QString &compileCommands)
{
    QFile file(compileCommands);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QJsonValue &entry : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject object = entry.toObject();
        const QString command = object.value(QStringLiteral("command")).toString();
        if (!command.contains(QLatin1String("quarn_layouts.dir/")) || command.contains(QLatin1String("c++-header")))
            continue;
        QStringList words = QProcess::splitCommand(command);
        QStringList kept;
        for (int i = 0; i < words.size(); ++i) {
            const QString &word = words.at(i);
            if (word == QLatin1String("-o") || word == QLatin1String("-c") || word == QLatin1String("-MF")
                || word == QLatin1String("-MT")) {
                ++i;
                continue;
            }
            if (word == QLatin1String("-MD") || word.contains(QLatin1String("cmake_pch"))
                || word == QLatin1String("-include") || word.startsWith(QLatin1String("-Winvalid-pch")))
                continue;
            if (word.endsWith(QLatin1String("ccache")))
                continue;
            kept.append(word);
        }
        return kept;
    }
    return {};
}

// The source without its string and character literals and its comments.
QString outsideLiteralsAndComments(const QString &source)
{
    QString code;
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            for (++i; i < source.size() && source.at(i) != c; ++i) {
                if (source.at(i) == QLatin1Char('\\'))
                    ++i;
            }
            code += QLatin1String("\"\"");
        } else if (QStringView(source).mid(i, 2) == QLatin1String("//")) {
            while (i < source.size() && source.at(i) != QLatin1Char('\n'))
                ++i;
        } else if (QStringView(source).mid(i, 2) == QLatin1String("/*")) {
            const int end = source.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? source.size() : end + 1;
        } else {
            code += c;
        }
    }
    return code;
}

// The forms that together hold every widget class and every kind of value
// the exports have, the first form for each that nothing chosen holds yet.
QStringList coveringForms(const QString &exports, const QStringList &forms)
{
    QSet<QString> covered;
    QStringList chosen;
    for (const QString &form : forms) {
        QFile file(QDir(exports).filePath(form));
        file.open(QIODevice::ReadOnly);
        QDomDocument document;
        document.setContent(file.readAll());
        QSet<QString> kinds;
        QVector<QDomElement> pending = {document.documentElement()};
        while (!pending.isEmpty()) {
            const QDomElement element = pending.takeLast();
            if (element.hasAttribute(QStringLiteral("class")))
                kinds.insert(element.attribute(QStringLiteral("class")));
            if (element.tagName() == QLatin1String("property"))
                kinds.insert(QLatin1Char('<') + element.firstChildElement().tagName());
            for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
                pending.append(child);
        }
        if (!(kinds - covered).isEmpty()) {
            covered += kinds;
            chosen.append(form);
        }
    }
    return chosen;
}

// Every text of the form turned into one a source must take care with.
QByteArray withAwkwardTexts(const QByteArray &form)
{
    static const QStringList texts = {
        QString::fromUtf8("\u00dcn\u00efc\u00f8d\u00e9 \u2713 \u65e5\u672c \U0001F600"),
        QStringLiteral("say \"hi\" and 'bye'"),
        QStringLiteral("C:\\path\\ends\\"),
        QStringLiteral("*/ not the end of a comment /* // nor this"),
        QStringLiteral("two\nlines\tand a tab\r"),
        QStringLiteral("?\?/ ?\?= %1 %2 \\x41"),
    };
    QDomDocument document;
    document.setContent(form);
    int next = 0;
    QVector<QDomElement> pending = {document.documentElement()};
    while (!pending.isEmpty()) {
        QDomElement element = pending.takeLast();
        const QDomElement parent = element.parentNode().toElement();
        if (element.tagName() == QLatin1String("string") && !element.text().isEmpty()
            && parent.tagName() == QLatin1String("property")) {
            while (element.hasChildNodes())
                element.removeChild(element.firstChild());
            element.appendChild(document.createTextNode(texts.at(next++ % texts.size())));
            if (element.hasAttribute(QStringLiteral("extracomment")))
                element.setAttribute(QStringLiteral("extracomment"), QString::fromUtf8("note \u00e9 \"quoted\" */"));
        }
        for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
            pending.append(child);
    }
    QDomElement comment = document.documentElement().firstChildElement(QStringLiteral("comment"));
    if (!comment.isNull()) {
        while (comment.hasChildNodes())
            comment.removeChild(comment.firstChild());
        comment.appendChild(document.createTextNode(QString::fromUtf8("A form with \"quotes\", \\ and \u00e9")));
    }
    return document.toByteArray(1);
}

struct ValidEdit {
    QString form;    // the form's class, and its generated source's name
    QString ui;      // the edited Designer form
    QString refusal; // what the tool said, when it refused the edit
};

// A C++ string literal of any text: octal escapes cannot run on into the
// characters after them.
QByteArray literal(const QString &text)
{
    QByteArray escaped = "\"";
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\' && c != '?')
            escaped += c;
        else
            escaped += '\\' + QByteArray::number(byte, 8).rightJustified(3, '0');
    }
    return escaped + '"';
}

// The generated sources included into one, as the module's unity build
// includes its forms, and a table of them.
bool emitEdits(const QString &path, const QVector<ValidEdit> &edits)
{
    QByteArray text = "// Written by fuzz_code: the valid edits' generated forms and where they came from.\n"
                      "#include \"valid_edits.h\"\n\n";
    for (const ValidEdit &edit : edits) {
        if (edit.refusal.isEmpty())
            text += "#include \"forms/fuzz/" + edit.form.toUtf8() + ".cpp\"\n";
    }
    text += "\nconst ValidEdit kValidEdits[] = {\n";
    for (const ValidEdit &edit : edits) {
        text += "    {" + literal(edit.form) + ", " + literal(edit.ui) + ", ";
        text += edit.refusal.isEmpty() ? "&quarn::forms::" + edit.form.toUtf8() + ", nullptr},\n"
                                       : "nullptr, " + literal(edit.refusal) + "},\n";
    }
    text += "};\nconst int kValidEditCount = " + QByteArray::number(edits.size()) + ";\n";
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Options options;
    if (!parseOptions(app.arguments(), &options)) {
        std::fputs("usage: fuzz_code --tool QUARN_LAYOUT --compile-commands FILE [--exports DIR] [--work DIR] "
                   "[--seed N] [--cases N] [--compile N] [--valid 0|1] [--mutated 0|1]\n",
                   stderr);
        return 2;
    }
    QTemporaryDir temporary;
    const QDir work(options.work.isEmpty() ? temporary.path() : options.work);
    work.mkpath(QStringLiteral("."));
    QString exports = options.exports;
    if (exports.isEmpty()) {
        exports = work.filePath(QStringLiteral("exports"));
        const Run exported =
            run(options.tool, {QStringLiteral("ui"), QStringLiteral("--all"), QStringLiteral("-o"), exports}, 900);
        if (!exported.finished || exported.status != 0) {
            out << "export failed: " << exported.output << Qt::endl;
            return 1;
        }
    }
    const QStringList forms = QDir(exports).entryList({QStringLiteral("*.ui")}, QDir::Files, QDir::Name);
    if (forms.isEmpty()) {
        out << "no forms in " << exports << Qt::endl;
        return 1;
    }
    const QStringList compiler = options.compile > 0 ? compilerCommand(options.compileCommands) : QStringList();
    if (options.compile > 0 && compiler.isEmpty()) {
        out << "no form's compile command in " << options.compileCommands << Qt::endl;
        return 1;
    }
    out << "seed " << options.seed << ", " << options.cases << " cases over " << forms.size() << " forms" << Qt::endl;

    // A generated source compiles as the module's own do.
    const auto compiles = [&](const QString &output, QString *why, const QString &only = QString()) {
        const QString pattern = only.isEmpty() ? QStringLiteral("*.cpp") : only + QStringLiteral(".cpp");
        for (const QString &source : QDir(output).entryList({pattern}, QDir::Files)) {
            QStringList arguments = compiler.mid(1);
            arguments << QStringLiteral("-I") + QDir(output).filePath(QStringLiteral("../.."))
                      << QStringLiteral("-fsyntax-only") << QDir(output).filePath(source);
            const Run build = run(compiler.first(), arguments, 300);
            if (!build.finished || build.status != 0) {
                *why = build.output.left(3000);
                return false;
            }
        }
        return true;
    };
    int failures = 0;

    // Valid edits first: every widget class and kind of value, with texts a
    // source must take care with. Each must be accepted and compile.
    const QStringList covering = options.valid ? coveringForms(exports, forms) : QStringList();
    const QString validOutput = work.filePath(QStringLiteral("valid/forms/fuzz"));
    QDir(validOutput).removeRecursively();
    QDir().mkpath(validOutput);
    QVector<ValidEdit> edits;
    for (const QString &form : covering) {
        QFile original(QDir(exports).filePath(form));
        original.open(QIODevice::ReadOnly);
        const QString input = work.filePath(QStringLiteral("valid/") + form);
        QFile file(input);
        file.open(QIODevice::WriteOnly);
        file.write(withAwkwardTexts(original.readAll()));
        file.close();
        const Run result = run(options.tool, {QStringLiteral("code"), input, QStringLiteral("-o"), validOutput}, 120);
        ValidEdit edit{QFileInfo(form).completeBaseName(), QFileInfo(input).absoluteFilePath(), QString()};
        QString why;
        if (!result.finished || result.crashed || result.status != 0) {
            ++failures;
            edit.refusal = result.output.left(2000);
            out << "FAIL valid edit of " << form << " not accepted: " << edit.refusal << Qt::endl;
        } else if (options.compile > 0 && !compiles(validOutput, &why, edit.form)) {
            ++failures;
            out << "FAIL valid edit of " << form << " does not compile:\n" << why << Qt::endl;
        }
        edits.append(edit);
    }
    if (!options.table.isEmpty()) {
        if (!emitEdits(options.table, edits)) {
            out << "cannot write " << options.table << Qt::endl;
            return 1;
        }
        // The test program built from the table reports the refusals.
        if (!options.mutated)
            return 0;
    }
    out << covering.size() << " forms with every class and kind of value, edited, " << failures << " failures"
        << Qt::endl;

    fuzz::Mutator mutator(options.seed);
    static const QRegularExpression refusalPattern(QStringLiteral("line ([0-9]+): (<[A-Za-z]|not well-formed)"));
    int accepted = 0, refused = 0;
    QStringList compiled;
    for (int i = 0; options.mutated && i < options.cases; ++i) {
        const QString form = forms.at(mutator.below(forms.size()));
        QFile original(QDir(exports).filePath(form));
        original.open(QIODevice::ReadOnly);
        QString what;
        const QByteArray mutated = mutator.mutate(original.readAll(), &what);
        const QString caseDir = work.filePath(QStringLiteral("case%1").arg(i));
        const QString output = caseDir + QStringLiteral("/forms/fuzz");
        QDir().mkpath(output);
        const QString input = caseDir + QLatin1Char('/') + form;
        QFile file(input);
        file.open(QIODevice::WriteOnly);
        file.write(mutated);
        file.close();
        const Run result = run(options.tool, {QStringLiteral("code"), input, QStringLiteral("-o"), output}, 120);
        const QStringList written = QDir(output).entryList(QDir::Files);
        const auto failure = [&](const QString &why) {
            ++failures;
            out << "FAIL case " << i << " (" << form << ", " << what << "): " << why << "\n  "
                << result.output.left(2000) << Qt::endl;
        };
        if (!result.finished) {
            failure(QStringLiteral("no end within the time limit"));
        } else if (result.crashed || result.output.contains(QLatin1String("runtime error"))
                   || result.output.contains(QLatin1String("Sanitizer"))) {
            failure(QStringLiteral("crashed or a sanitizer report"));
        } else if (result.status != 0) {
            ++refused;
            const QRegularExpressionMatch match = refusalPattern.match(result.output);
            if (!match.hasMatch() || match.captured(1).toInt() < 1)
                failure(QStringLiteral("a refusal that names no element and line"));
            else if (result.output.trimmed().contains(QLatin1Char('\n')))
                failure(QStringLiteral("a refusal of more than one line"));
            if (!written.isEmpty())
                failure(QStringLiteral("refused, yet wrote %1").arg(written.join(QLatin1String(", "))));
        } else {
            ++accepted;
            if (written.size() != 2)
                failure(QStringLiteral("accepted, wrote %1").arg(written.join(QLatin1String(", "))));
            for (const QString &name : written) {
                QFile source(QDir(output).filePath(name));
                source.open(QIODevice::ReadOnly);
                const QByteArray text = source.readAll();
                if (text.contains('\0') || !text.endsWith("\n"))
                    failure(QStringLiteral("%1 is not whole").arg(name));
                // The mutations' code fragments name abort or Injected: in a
                // string literal or a comment they are text, anywhere else code.
                const QString code = outsideLiteralsAndComments(QString::fromUtf8(text));
                if (code.contains(QLatin1String("Injected")) || code.contains(QLatin1String("abort")))
                    failure(QStringLiteral("%1 holds a value of the form as code").arg(name));
            }
            // The cases that changed the most are the first worth compiling.
            if (compiled.size() < options.compile && written.size() == 2)
                compiled.append(output);
        }
        if (result.status == 0 && result.finished && !result.crashed)
            continue;
        QDir(caseDir).removeRecursively();
    }
    for (const QString &output : qAsConst(compiled)) {
        QString why;
        if (!compiles(output, &why)) {
            ++failures;
            out << "FAIL accepted source does not compile: " << output << "\n" << why << Qt::endl;
        }
    }
    out << accepted << " accepted, " << refused << " refused, " << compiled.size() << " accepted compiled, " << failures
        << " failures" << Qt::endl;
    return failures == 0 ? 0 : 1;
}
