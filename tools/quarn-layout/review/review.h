#pragma once

#include "pictures/preview_root.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QTranslator;

namespace quarn::harness {
class LayoutModule;
} // namespace quarn::harness

namespace quarn::layouttool {

using harness::LayoutModule;

struct ReviewOptions {
    PreviewRoot::Backdrop backdrop = PreviewRoot::Backdrop::Host;
    // Installed while the forms are built; the texts it makes overflow, as
    // fit reports them, are outlined and listed.
    QTranslator *translator = nullptr;
};

struct ReviewResult {
    enum class Status { Unchanged, Changed, Failed };
    Status status = Status::Failed;
    QByteArray report; // a line per form that changed, then the summary line
};

// The module's forms against a baseline gallery (any gallery: it keeps the
// full dump of its forms in forms.json). Writes into output:
//   gallery/               the new gallery, inspector and forms.json: the next baseline
//   index.html             the review page: forms added, removed, changed (pictures
//                          before, after, difference; settings before and after),
//                          the unchanged in one line, texts that do not fit
//   review.json            the same, for programs
//   before/, difference/   the pictures of the changed forms the page shows
// The page works from the file system and links each form to
// gallery/inspector.html#NAME. Problems (an unreadable baseline, a file that
// cannot be written) go to problem and make the status Failed.
ReviewResult reviewChange(LayoutModule &module, const QString &baseline, const QString &output,
                          const ReviewOptions &options, const std::function<void(const QString &)> &problem);

} // namespace quarn::layouttool
