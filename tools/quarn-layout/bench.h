#pragma once

class QTextStream;

namespace quarn::layouttool {

class LayoutModule;

// Times setupUi + retranslateUi + destroying the root for every catalogued
// form the module registers, against the floor of a root with as many plain
// QWidgets, each given an object name and a geometry; prints per form the
// median time of repeat builds of each, their ratio, and the totals. Each form
// is built once untimed first, so image loading and translator lookups are warm.
void runBench(LayoutModule &module, int repeat, QTextStream &out);

} // namespace quarn::layouttool
