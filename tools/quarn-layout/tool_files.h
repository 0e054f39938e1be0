#pragma once

#include <QString>
#include <QStringList>

namespace quarn::layouttool {

// Where the tool finds what the command line names nothing for. In a build
// tree everything sits beside the program; installed, the module is below the
// library folder and its data below the data folder, both found relative to
// the program so that a moved prefix keeps working. Folders are relative to
// the program's own; the empty folder is the program's.
QStringList moduleFolders();
QStringList dataFolders();
// The first folder's copy of fileName that exists, else where the first
// folder would hold it.
QString locate(const QString &fileName, const QStringList &folders);
// "beside this program, else ../lib/quarn-layout", for the help text.
QString describeFolders(const QStringList &folders);

QString defaultLayoutModule();
QString defaultImageBundle();
// The translation file a --translations value names (".qm" may be left off):
// that file when it exists, else, for a bare file name, the file of that name
// among the module's translations; empty if there is none.
QString findTranslation(const QString &name);
// Where the forms' Ui-record headers are: the installed include folder, else
// the source tree this program was built from.
QStringList recordFolders();
// The translation template among the module's translations; empty if there is none.
QString defaultTranslationTemplate();
// Where defaultTranslationTemplate looks, for messages.
QString translationTemplatePlaces();

} // namespace quarn::layouttool
