#pragma once

#include "pictures/preview_root.h"

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
// and grabs what it paints over the backdrop asked for.
QImage renderForm(BuiltForm &form, PreviewRoot::Backdrop backdrop = PreviewRoot::Backdrop::Host);

enum class GalleryResult {
    Complete,
    FormsMissing, // written, with the forms the module lacks shown as missing
    Failed,       // a file or the directory could not be written
};

// The gallery's full dump of its forms, as `dump --full` writes them.
inline constexpr char kGalleryDumpFile[] = "forms.json";

// NAME.png of every catalogued form in directory (made if missing),
// directory/forms.json with the full dump of every form registered, and
// directory/index.html showing them in catalogue order with their names and
// sizes. Forms the module does not register are listed as missing and
// reported. A directory or file that cannot be written is reported and ends
// the gallery there; each file is written whole or not at all.
GalleryResult writeGallery(LayoutModule &module, const QString &directory, PreviewRoot::Backdrop backdrop,
                           const std::function<void(const QString &)> &report);

} // namespace quarn::layouttool
