#pragma once

#include <QImage>
#include <QString>

class QTextStream;

namespace quarn::layouttool {

class BuiltForm;
class LayoutModule;

// Shows the root without putting a window on screen, lets its layouts settle
// and grabs what it paints.
QImage renderForm(BuiltForm &form);

// NAME.png of every catalogued form in directory, and directory/index.html
// showing them in catalogue order with their names and sizes. Forms the
// module does not register are listed as missing; false if any was, or if a
// file could not be written (reasons go to errors).
bool writeGallery(LayoutModule &module, const QString &directory, QTextStream &errors);

} // namespace quarn::layouttool
