#pragma once

#include <QString>

class QTextStream;

namespace quarn::harness {
class LayoutModule;
} // namespace quarn::harness

namespace quarn::layouttool {

using harness::LayoutModule;

// Times setupUi + retranslateUi + destroying the root for every catalogued
// form the module registers, interleaved in one run with the same form built
// by the uic reference (the library at referencePath, when it is there), with
// uic's code of the form's skeleton (at skeletonPath: the same controls with
// names, geometry and layouts only) and with a root of as many plain QWidgets,
// each given an object name and a geometry. Prints first the memory all module
// forms take when built and kept, then per form the median warm time of repeat
// builds of each, the ratio module/uic, the same ratio of what each does beyond
// the skeleton, and module/plain widgets; the cold first build (pictures
// decoded anew) of module and reference beside; the first frame (build and a
// grab() of the root) of both, warm and cold; the totals; a pass over all forms
// in one process as a host visiting every screen makes it; then the stripped
// size of module and reference per form and per field.
void runBench(LayoutModule &module, const QString &referencePath, const QString &skeletonPath, int repeat,
              QTextStream &out);

} // namespace quarn::layouttool
