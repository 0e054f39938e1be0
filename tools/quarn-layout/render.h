#pragma once

#include <QImage>
#include <QString>

#include <functional>

namespace quarn::harness {
class BuiltForm;
class LayoutModule;
} // namespace quarn::harness

namespace quarn::layouttool {

using harness::BuiltForm;
using harness::LayoutModule;

// Shows the root without putting a window on screen, lets its layouts settle
// and grabs what it paints.
QImage renderForm(BuiltForm &form);

// NAME.png of every catalogued form in directory, and directory/index.html
// showing them in catalogue order with their names and sizes. Forms the
// module does not register are listed as missing and reported; false if any
// was. A file that cannot be written is reported and ends the gallery there
// (false); each file is written whole or not at all.
bool writeGallery(LayoutModule &module, const QString &directory,
                  const std::function<void(const QString &)> &report);

} // namespace quarn::layouttool
