#include "uiform/record_fields.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace quarn::layouttool {

QString findUiRecordHeader(const QString &className, const QStringList &includeFolders)
{
    const QString fileName = className + QStringLiteral(".h");
    for (const QString &folder : includeFolders) {
        QDirIterator areas(QDir(folder).filePath(QStringLiteral("forms")), QDir::Dirs | QDir::NoDotAndDotDot);
        while (areas.hasNext()) {
            const QString candidate = QDir(areas.next()).filePath(fileName);
            if (QFile::exists(candidate))
                return candidate;
        }
    }
    return QString();
}

QStringList uiRecordFields(const QString &headerText, const QString &className)
{
    const QString opening = QStringLiteral("struct Ui_%1 ").arg(className);
    const int start = headerText.indexOf(opening);
    if (start < 0)
        return {};
    const int end = headerText.indexOf(QStringLiteral("\n};"), start);
    static const QRegularExpression field(QStringLiteral("^\\s+[A-Za-z_][A-Za-z_0-9]* \\*([A-Za-z_][A-Za-z_0-9]*);$"),
                                          QRegularExpression::MultilineOption);
    QStringList fields;
    auto matches = field.globalMatch(headerText.mid(start, end < 0 ? -1 : end - start));
    while (matches.hasNext())
        fields.append(matches.next().captured(1));
    return fields;
}

} // namespace quarn::layouttool
