#pragma once

// The numbers and flags the controls take, named as the forms write them.
// They are meta-object enums so that what writes a form (the generator) spells
// them by their keys; the module only uses their values and links none of the
// meta-object (built for the tools and tests alone, quarn_construction_enums).

#include <QObject>

namespace quarn {

namespace rowenums {
Q_NAMESPACE

// A text box's display flags as the widget library takes them: two or three,
// of which the second is never on. The box keeps them as given and re-lays out
// its text; what they select is the library's. The value holds how many flags
// there are and whether the first is on (textBoxFlagCount, textBoxFirstFlag).
enum class TextBoxFlags {
    FirstOn = 0x21,        // true, false
    AllOff = 0x20,         // false, false
    FirstOnOfThree = 0x31, // true, false, false
    AllOffOfThree = 0x30,  // false, false, false
};
Q_ENUM_NS(TextBoxFlags)

// A text box's number, named by the boxes that carry it; the box only keeps it.
enum class TextBoxNumber {
    MediaInfo = 12,       // the fields of the media file details
    FunctionCaption = 14, // the caption of a key's function
    ProgressText = 70,    // the text of the progress screen
};
Q_ENUM_NS(TextBoxNumber)

// The coordinate system of a coordinate entry, named by what the entries of
// that type hold; type 0, the control's default, is left unset.
enum class CoordType {
    Position = 3,         // the position of the coordinate editor
    NumericParameter = 5, // one number of a user datum or grid
};
Q_ENUM_NS(CoordType)

// The form of a coordinate within its system; the entries that set it ask for
// the system's standard form, which is also the control's default.
enum class CoordSubType {
    Standard = 0,
};
Q_ENUM_NS(CoordSubType)

} // namespace rowenums

using rowenums::CoordSubType;
using rowenums::CoordType;
using rowenums::TextBoxFlags;
using rowenums::TextBoxNumber;

// How many flags a TextBoxFlags stands for, and whether the first is on.
constexpr int textBoxFlagCount(TextBoxFlags flags)
{
    return int(flags) >> 4;
}
constexpr bool textBoxFirstFlag(TextBoxFlags flags)
{
    return int(flags) & 1;
}

} // namespace quarn
