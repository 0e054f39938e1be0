#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QProcessEnvironment>
#include <QStringList>

// Runs the built quarn-layout the way a user does.
struct ToolRun {
    bool finished = false; // false when it crashed or hung
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun runTool(const QStringList &arguments,
                const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                const QString &workingDirectory = QString());

// Another program (another build's quarn-layout, Qt's tools), run the same way.
ToolRun runProgram(const QString &program, const QStringList &arguments,
                   const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                   const QString &workingDirectory = QString());

// `dump --all`, run once per test program and parsed; empty when that failed.
const QJsonArray &dumpOfAllForms();

// Registers the placeholder bundle in this process, once.
bool registerPlaceholderBundle();

// Writes content as the whole of the file at path; false when it cannot.
bool writeFile(const QString &path, const QByteArray &content);

// `code` of a form named Probe, written to a scratch folder: the run and the
// source it wrote (empty when it wrote none).
struct ProbeCode {
    ToolRun run;
    QString source;
};
ProbeCode codeOfProbe(const QByteArray &ui);
