#include "tool_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quarn::layouttool {

QStringList moduleFolders()
{
    return {QString(), QStringLiteral(QUARN_INSTALLED_MODULE_DIR)};
}

QStringList dataFolders()
{
    return {QString(), QStringLiteral(QUARN_INSTALLED_DATA_DIR)};
}

QString locate(const QString &fileName, const QStringList &folders)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString &folder : folders) {
        const QString path = QDir::cleanPath(programDir.filePath(QDir(folder).filePath(fileName)));
        if (QFileInfo::exists(path))
            return path;
    }
    return QDir::cleanPath(programDir.filePath(QDir(folders.value(0)).filePath(fileName)));
}

QString describeFolders(const QStringList &folders)
{
    QStringList places;
    for (const QString &folder : folders)
        places.append(folder.isEmpty() ? QStringLiteral("beside this program") : folder);
    return places.join(QLatin1String(", else "));
}

QString defaultLayoutModule()
{
    return locate(QStringLiteral(QUARN_MODULE_FILE_NAME), moduleFolders());
}

QString defaultImageBundle()
{
    return locate(QStringLiteral("placeholders.rcc"), dataFolders());
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
        found = existing(QDir(locate(QStringLiteral("translations"), dataFolders())).filePath(name));
    return found;
}

QStringList recordFolders()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    QStringList folders;
    // Installed headers match the installed module; a build reads its sources.
    for (const QString &folder :
         {programDir.filePath(QStringLiteral(QUARN_INSTALLED_INCLUDE_DIR)), QStringLiteral(QUARN_SOURCE_DIR)}) {
        if (QFileInfo(folder).isDir())
            folders.append(QDir::cleanPath(folder));
    }
    return folders;
}

namespace {

const char kTemplateFile[] = "translations/quarn-layout.ts";

} // namespace

QString defaultTranslationTemplate()
{
    const QString path = locate(QLatin1String(kTemplateFile), dataFolders());
    return QFileInfo(path).isFile() ? path : QString();
}

QString translationTemplatePlaces()
{
    return QStringLiteral("%1 %2").arg(QLatin1String(kTemplateFile), describeFolders(dataFolders()));
}

} // namespace quarn::layouttool
