#pragma once

// What every command of quarn-layout says the same way: its exit statuses,
// its messages on standard error and its output.

#include <QString>

class QByteArray;
class QMessageLogContext;

namespace quarn::layouttool::cli {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

// "quarn-layout: MESSAGE" on standard error; usage errors point at --help.
int fail(const QString &message, int code = kFailure);
void warn(const QString &message);
void qtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);
int writeOut(const QByteArray &bytes);

// Why a file given to Qt, which only says that it failed, could not be used.
QString whyUnusable(const QString &file, const char *expected);

// Words of TEXT in lines of at most WIDTH columns, each indented by INDENT.
QString wrapped(const QString &text, int indent, int width);

// The placeholder bundle, registered for as long as the tool runs.
class RegisteredResource
{
public:
    bool registerFile(const QString &file);
    ~RegisteredResource();

private:
    QString m_file;
};

} // namespace quarn::layouttool::cli
