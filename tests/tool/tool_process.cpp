#include "tool_process.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>

ToolRun runTool(const QStringList &arguments, const QProcessEnvironment &environment, const QString &workingDirectory)
{
    return runProgram(QStringLiteral(QUARN_LAYOUT_TOOL), arguments, environment, workingDirectory);
}

ToolRun runProgram(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
                   const QString &workingDirectory)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    ToolRun run;
    run.finished = process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

const QJsonArray &dumpOfAllForms()
{
    static const QJsonArray forms = [] {
        const ToolRun run = runTool({QStringLiteral("dump"), QStringLiteral("--all")});
        if (!run.finished || run.exitCode != 0)
            return QJsonArray();
        return QJsonDocument::fromJson(run.out).array();
    }();
    return forms;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

ProbeCode codeOfProbe(const QByteArray &ui)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Probe.ui")), ui);
    ProbeCode written;
    written.run = runTool({QStringLiteral("code"), dir.filePath(QStringLiteral("Probe.ui")), QStringLiteral("-o"),
                           dir.filePath(QStringLiteral("out"))});
    QFile source(dir.filePath(QStringLiteral("out/Probe.cpp")));
    if (source.open(QIODevice::ReadOnly))
        written.source = QString::fromUtf8(source.readAll());
    return written;
}

bool registerPlaceholderBundle()
{
    static const bool registered = QResource::registerResource(QStringLiteral(QUARN_PLACEHOLDER_RCC));
    return registered;
}
