#include "tool_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quarn::layouttool {

namespace {

// The build tree's copy beside the program wins; a copy that exists in
// neither place is reported where an installed tool looks for it.
QString locate(const QString &name, const char *installedFolder)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString built = programDir.filePath(name);
    if (QFileInfo::exists(built))
        return built;
    return QDir::cleanPath(programDir.filePath(QLatin1String(installedFolder) + QLatin1Char('/') + name));
}

} // namespace

QString defaultLayoutModule()
{
    return locate(QStringLiteral(QUARN_MODULE_FILE_NAME), QUARN_INSTALLED_MODULE_DIR);
}

QString defaultImageBundle()
{
    return locate(QStringLiteral("placeholders.rcc"), QUARN_INSTALLED_DATA_DIR);
}

QString findTranslation(const QString &name)
{
    // As QTranslator takes a file name: with or without ".qm".
    const auto existing = [](const QString &path) {
        for (const QString &candidate : {path, path + QLatin1String(".qm")}) {
            if (QFileInfo(candidate).isFile())
                return candidate;
        }
        return QString();
    };
    QString found = existing(name);
    if (found.isEmpty() && !name.contains(QLatin1Char('/')))
        found = existing(QDir(locate(QStringLiteral("translations"), QUARN_INSTALLED_DATA_DIR)).filePath(name));
    return found;
}

} // namespace quarn::layouttool
