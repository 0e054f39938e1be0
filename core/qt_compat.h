#pragma once

// What Qt 5.15 and Qt 6 spell differently, in one place, so that the code
// around it reads the same on both.

#include <QFont>
#include <QPalette>
#include <QTextStream>
#include <QtGlobal>

#include <algorithm>
#include <iterator>

namespace quarn::qt {

// The font settings made on it (QFont::ResolveProperties bits). Qt 6 marks a
// family set with setFamily as a list of families.
inline uint fontResolveMask(const QFont &font)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const uint mask = uint(font.resolveMask());
    return (mask & QFont::FamiliesResolved) ? mask | QFont::FamilyResolved : mask;
#else
    return font.resolve();
#endif
}

// Whether the palette was given a colour for the role: Qt 6 marks each colour
// group apart, Qt 5 the role in all of them at once.
inline bool paletteRoleSet(const QPalette &palette, QPalette::ColorRole role)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        if (palette.resolveMask() & (QPalette::ResolveMask(1) << (role + group * QPalette::NColorRoles)))
            return true;
    }
    return false;
#else
    return palette.resolve() & (1u << role);
#endif
}

// The palette's set roles as one number, to compare two palettes by.
inline quint64 paletteResolveMask(const QPalette &palette)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return palette.resolveMask();
#else
    return palette.resolve();
#endif
}

// A palette that counts as given nothing, though it keeps its colours.
inline void clearPaletteResolveMask(QPalette &palette)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    palette.setResolveMask(0);
#else
    palette.resolve(0u);
#endif
}

// Qt's named weights on Qt 5's 0–99 scale and on Qt 6's 100–900 scale (that
// of CSS and OpenType); a weight between them goes to the nearest, as Qt 6
// itself converts them.
constexpr int kWeightScales[][2] = {{0, 100},  {12, 200}, {25, 300}, {50, 400}, {57, 500},
                                    {63, 600}, {75, 700}, {81, 800}, {87, 900}};

inline int convertedWeight(int weight, int from, int to)
{
    const auto closest = std::min_element(
        std::begin(kWeightScales), std::end(kWeightScales),
        [weight, from](const auto &a, const auto &b) { return qAbs(a[from] - weight) < qAbs(b[from] - weight); });
    return (*closest)[to];
}

// The weight on the 100–900 scale, whichever Qt.
inline int openTypeWeight(const QFont &font)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return font.weight();
#else
    return convertedWeight(font.weight(), 0, 1);
#endif
}

// The weight on the 0–99 scale, the one Designer forms carry.
inline int legacyWeight(const QFont &font)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return convertedWeight(font.weight(), 1, 0);
#else
    return font.weight();
#endif
}

// A weight as Qt's rich-text writer spells it in a style ("font-weight:600"):
// Qt 5 writes its own weight times eight, Qt 6 the weight itself.
inline void setStyleSheetWeight(QFont &font, int written)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    font.setWeight(QFont::Weight(written));
#else
    font.setWeight(written / 8);
#endif
}

// Qt 6 streams text as UTF-8 always, Qt 5 in the locale's encoding by default.
inline void streamUtf8(QTextStream &stream)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    Q_UNUSED(stream)
#else
    stream.setCodec("UTF-8");
#endif
}

} // namespace quarn::qt
