#pragma once

#include <QString>

namespace quarn::layouttool {

// What the tool loads when the command line names nothing else. In a build
// tree everything sits beside the program; installed, the module is below the
// library folder and its data below the data folder, both found relative to
// the program so that a moved prefix keeps working.
QString defaultLayoutModule();
QString defaultImageBundle();
// The translation file a --translations value names (".qm" may be left off):
// that file when it exists, else, for a bare file name, the file of that name
// among the module's translations; empty if there is none.
QString findTranslation(const QString &name);

} // namespace quarn::layouttool
