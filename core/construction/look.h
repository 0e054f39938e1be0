#pragma once

// Colours, fonts and alignments in the vocabulary the screen tables use.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QVector>
#include <initializer_list>

namespace quarn {

inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kClear(0, 0, 0, 0);            // black at alpha 0
inline const QColor kDisabledText(118, 116, 108);
inline const QColor kDimDisabledText(106, 104, 100);
inline const QColor kGreyText(92, 92, 92);

// A palette in which only the named roles are filled, each with one colour for
// the Active and Inactive groups and one for Disabled; every other role is left
// to inheritance.
class Colours
{
public:
    Colours &role(QPalette::ColorRole role, const QColor &colour, const QColor &disabled);
    // Same colour in all three groups.
    Colours &role(QPalette::ColorRole role, const QColor &colour) { return this->role(role, colour, colour); }
    QPalette palette() const;
    operator QPalette() const { return palette(); }

private:
    struct Fill {
        QPalette::ColorRole role;
        QColor colour;
        QColor disabled;
    };
    QVector<Fill> m_fills;
};

Colours whiteText();             // white, disabled 118, 116, 108
Colours whiteTextDimDisabled();  // white, disabled 106, 104, 100
Colours blackText();             // black, disabled 118, 116, 108
Colours greyText();              // 92, 92, 92, disabled 106, 104, 100
// White or black text in the named roles instead of WindowText alone.
Colours whiteText(std::initializer_list<QPalette::ColorRole> roles);
Colours blackText(std::initializer_list<QPalette::ColorRole> roles);
// White text over Button, Base and Window made fully clear: texts laid over a
// shaded band that must show through.
Colours whiteTextOnClear();
// Every role filled: white texts, black base and shadow, clear surfaces.
QPalette transparentPalette();

// A font built from the default font, changed only where asked.
class Font
{
public:
    Font &family(const char *family);
    Font &pointSize(int points);
    Font &bold();          // bold flag on, weight 75
    Font &normalWeight();  // bold flag off, weight 50
    Font &aa();            // prefer antialiasing
    Font &italic(bool on);
    Font &kerning(bool on = true);
    QFont font() const { return m_font; }
    operator QFont() const { return m_font; }

private:
    QFont m_font;
};

inline Font boldAA() { return Font().bold().aa(); }
inline Font normalWeightAA() { return Font().normalWeight().aa(); }
inline Font aaFont() { return Font().aa(); }

namespace align {
inline constexpr Qt::Alignment LeftVCentre = Qt::AlignLeft | Qt::AlignVCenter;        // 129
inline constexpr Qt::Alignment RightVCentre = Qt::AlignRight | Qt::AlignVCenter;      // 130
inline constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignVCenter;          // 132
inline constexpr Qt::Alignment LeftTop = Qt::AlignLeft | Qt::AlignTop;                // 33
inline constexpr Qt::Alignment RightTop = Qt::AlignRight | Qt::AlignTop;              // 34
inline constexpr Qt::Alignment HCentreTop = Qt::AlignHCenter | Qt::AlignTop;          // 36
inline constexpr Qt::Alignment RightBottom = Qt::AlignRight | Qt::AlignBottom;        // 66
inline constexpr Qt::Alignment HCentreBottom = Qt::AlignHCenter | Qt::AlignBottom;    // 68
} // namespace align

} // namespace quarn
