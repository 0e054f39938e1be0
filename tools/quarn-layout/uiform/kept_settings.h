#pragma once

// Settings Designer does not keep as a form has them. It sizes the widgets in
// a layout and a resizable scroll area's contents itself, and writes a rich
// text again in its own widget's font (a translated text then loses its
// translations). The export writes each such value a second time, as a
// dynamic property Designer keeps as it finds it; `code` takes the form's
// value back from it while Designer's own says no more than Designer's
// sizing or rewriting does. A designer who means another value edits these.

namespace quarn::layouttool {

// The geometry of a widget Designer sizes itself: a rect.
inline constexpr char kKeptGeometry[] = "quarnGeometry";
// A document's html as the form has it: a string.
inline constexpr char kKeptHtml[] = "quarnHtml";

} // namespace quarn::layouttool
