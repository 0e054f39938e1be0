#pragma once

#include "pictures/preview_root.h"

#include <QString>

namespace quarn::harness {
class LayoutModule;
} // namespace quarn::harness

namespace quarn::layouttool {

class ImageIndex;
using harness::LayoutModule;

// One self-contained HTML page for looking into the forms: every registered
// form's picture; a click picks the topmost field under the pointer as the
// widgets stack (again at the same point, the one below) and shows what the
// dump says of it (class, parent, geometry, text, images, properties); a
// search box finds forms, and fields by name or text; #FormName opens a form.
// The page's HTML, style and scripts are resources (inspector/), put inline
// with the pictures and data, so the page works offline and can be mailed
// around. The file is written whole or not at all; false, with the reason in
// *error, when it could not be.
bool writeInspectorPage(LayoutModule &module, const ImageIndex &images, const QString &file,
                        PreviewRoot::Backdrop backdrop, QString *error);

} // namespace quarn::layouttool
