#pragma once

#include <QString>

class QTextStream;

namespace quarn::harness {
class LayoutModule;
} // namespace quarn::harness

namespace quarn::layouttool {

class ImageIndex;
using harness::LayoutModule;

// One self-contained HTML page for looking into the forms: every registered
// form's picture with its fields outlined on hover; a click on a field shows
// what the dump says of it (class, parent, geometry, text, images,
// properties); a search box finds forms and fields by name. Pictures and data
// are inside the page, so it works offline and can be mailed around. False,
// with the reason in errors, when the file could not be written.
bool writeInspectorPage(LayoutModule &module, const ImageIndex &images, const QString &file, QTextStream &errors);

} // namespace quarn::layouttool
