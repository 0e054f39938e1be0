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
inline const QColor kClear(0, 0, 0, 0); // black at alpha 0
inline const QColor kDisabledText(118, 116, 108);
inline const QColor kDimDisabledText(106, 104, 100);
inline const QColor kGreyText(92, 92, 92);

// A palette in which only the named roles are filled, each with one colour for
// the Active and Inactive groups and one for Disabled; every other role is left
// to inheritance. Equal fills give one shared QPalette, built the first time it
// is asked for (on the GUI thread, where widgets are made).
class Colours
{
public:
    Colours &role(QPalette::ColorRole role, const QColor &colour, const QColor &disabled);
    // Same colour in all three groups.
    Colours &role(QPalette::ColorRole role, const QColor &colour) { return this->role(role, colour, colour); }
    // The shared looks below are constant: these give a changed copy.
    Colours role(QPalette::ColorRole role, const QColor &colour, const QColor &disabled) const;
    Colours role(QPalette::ColorRole role, const QColor &colour) const { return this->role(role, colour, colour); }
    const QPalette &palette() const;
    operator QPalette() const { return palette(); }

    struct Fill {
        QPalette::ColorRole role;
        QColor colour;
        QColor disabled;
        bool operator==(const Fill &other) const
        {
            return role == other.role && colour == other.colour && disabled == other.disabled;
        }
    };

private:
    QVector<Fill> m_fills;
    mutable const QPalette *m_palette = nullptr;
};

const Colours &whiteText();            // white, disabled 118, 116, 108
const Colours &whiteTextDimDisabled(); // white, disabled 106, 104, 100
const Colours &blackText();            // black, disabled 118, 116, 108
const Colours &greyText();             // 92, 92, 92, disabled 106, 104, 100
// White or black text in the named roles instead of WindowText alone.
Colours whiteText(std::initializer_list<QPalette::ColorRole> roles);
Colours blackText(std::initializer_list<QPalette::ColorRole> roles);
Colours whiteButtonText();                 // ButtonText white, disabled 118, 116, 108
const Colours &blackButtonText();          // ButtonText black in every group
const Colours &whiteTextRoleDimDisabled(); // Text white, disabled 106, 104, 100
// White text over Button, Base and Window made fully clear: texts laid over a
// shaded band that must show through.
const Colours &whiteTextOnClear();
// Every role filled: white texts, black base and shadow, clear surfaces.
const QPalette &transparentPalette();

// A font built from the default font, changed only where asked. The shared
// fonts below are constant; changing one gives a changed copy.
class Font
{
public:
    Font &family(const char *family);
    Font &pointSize(int points);
    Font &bold();         // bold flag on, weight 75
    Font &normalWeight(); // bold flag off, weight 50
    Font &aa();           // prefer antialiasing
    Font &italic(bool on = true);
    Font &kerning(bool on = true);
    Font &underline();
    Font &notItalic(); // italic explicitly off
    Font family(const char *family) const { return Font(*this).family(family); }
    Font pointSize(int points) const { return Font(*this).pointSize(points); }
    Font bold() const { return Font(*this).bold(); }
    Font normalWeight() const { return Font(*this).normalWeight(); }
    Font aa() const { return Font(*this).aa(); }
    Font italic(bool on = true) const { return Font(*this).italic(on); }
    Font kerning(bool on = true) const { return Font(*this).kerning(on); }
    Font underline() const { return Font(*this).underline(); }
    Font notItalic() const { return Font(*this).notItalic(); }
    const QFont &font() const { return m_font; }
    operator QFont() const { return m_font; }

private:
    QFont m_font;
};

const Font &boldAA();
const Font &normalWeightAA();
const Font &aaFont();
// The power, brightness and volume screens' bold antialiased font; its point
// size of 1 is theirs, the boxes give the pixel size.
const Font &brightnessScreenFont();

namespace align {
inline constexpr Qt::Alignment LeftVCentre = Qt::AlignLeft | Qt::AlignVCenter;     // 129
inline constexpr Qt::Alignment RightVCentre = Qt::AlignRight | Qt::AlignVCenter;   // 130
inline constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignVCenter;       // 132
inline constexpr Qt::Alignment LeftTop = Qt::AlignLeft | Qt::AlignTop;             // 33
inline constexpr Qt::Alignment RightTop = Qt::AlignRight | Qt::AlignTop;           // 34
inline constexpr Qt::Alignment HCentreTop = Qt::AlignHCenter | Qt::AlignTop;       // 36
inline constexpr Qt::Alignment RightBottom = Qt::AlignRight | Qt::AlignBottom;     // 66
inline constexpr Qt::Alignment HCentreBottom = Qt::AlignHCenter | Qt::AlignBottom; // 68
} // namespace align

} // namespace quarn
