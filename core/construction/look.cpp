#include "core/construction/look.h"

#include <list>

namespace quarn {

namespace {

QPalette buildPalette(const QVector<Colours::Fill> &fills)
{
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const Colours::Fill &fill : fills) {
            const QColor &colour = group == QPalette::Disabled ? fill.disabled : fill.colour;
            palette.setBrush(group, fill.role, QBrush(colour, Qt::SolidPattern));
        }
    }
    return palette;
}

// Every palette handed out so far, by its fills; a list, so that the
// addresses Colours keep stay valid. The forms use a few dozen at most.
const QPalette &sharedPalette(const QVector<Colours::Fill> &fills)
{
    static std::list<std::pair<QVector<Colours::Fill>, QPalette>> palettes;
    for (const auto &entry : palettes) {
        if (entry.first == fills)
            return entry.second;
    }
    palettes.emplace_back(fills, buildPalette(fills));
    return palettes.back().second;
}

} // namespace

Colours &Colours::role(QPalette::ColorRole role, const QColor &colour, const QColor &disabled)
{
    m_fills.append({role, colour, disabled});
    m_palette = nullptr;
    return *this;
}

Colours Colours::role(QPalette::ColorRole role, const QColor &colour, const QColor &disabled) const
{
    return Colours(*this).role(role, colour, disabled);
}

const QPalette &Colours::palette() const
{
    if (!m_palette)
        m_palette = &sharedPalette(m_fills);
    return *m_palette;
}

const Colours &whiteText()
{
    static const Colours colours = Colours().role(QPalette::WindowText, kWhite, kDisabledText);
    return colours;
}

const Colours &whiteTextDimDisabled()
{
    static const Colours colours = Colours().role(QPalette::WindowText, kWhite, kDimDisabledText);
    return colours;
}

const Colours &blackText()
{
    static const Colours colours = Colours().role(QPalette::WindowText, kBlack, kDisabledText);
    return colours;
}

const Colours &blackButtonText()
{
    static const Colours colours = Colours().role(QPalette::ButtonText, kBlack);
    return colours;
}

const Colours &whiteTextRoleDimDisabled()
{
    static const Colours colours = Colours().role(QPalette::Text, kWhite, kDimDisabledText);
    return colours;
}

const Colours &greyText()
{
    static const Colours colours = Colours().role(QPalette::WindowText, kGreyText, kDimDisabledText);
    return colours;
}

const Colours &whiteTextOnClear()
{
    static const Colours colours =
        whiteText().role(QPalette::Button, kClear).role(QPalette::Base, kClear).role(QPalette::Window, kClear);
    return colours;
}

const QPalette &transparentPalette()
{
    static const QPalette palette = [] {
        const QColor toolTipBase(255, 255, 220);
        const QColor halfBlack(0, 0, 0, 127);
        QPalette palette;
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            for (const QPalette::ColorRole role :
                 {QPalette::WindowText, QPalette::Text, QPalette::BrightText, QPalette::ButtonText})
                palette.setBrush(group, role, kWhite);
            for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Shadow})
                palette.setBrush(group, role, kBlack);
            for (const QPalette::ColorRole role : {QPalette::Button, QPalette::Light, QPalette::Midlight,
                                                   QPalette::Dark, QPalette::Mid, QPalette::Window})
                palette.setBrush(group, role, kClear);
            palette.setBrush(group, QPalette::AlternateBase, halfBlack);
            palette.setBrush(group, QPalette::ToolTipBase, toolTipBase);
            palette.setBrush(group, QPalette::ToolTipText, kBlack);
        }
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole)
                continue;
            palette.setBrush(QPalette::Disabled, QPalette::ColorRole(role), kClear);
        }
        palette.setBrush(QPalette::Disabled, QPalette::BrightText, kWhite);
        palette.setBrush(QPalette::Disabled, QPalette::Shadow, kBlack);
        palette.setBrush(QPalette::Disabled, QPalette::ToolTipBase, toolTipBase);
        palette.setBrush(QPalette::Disabled, QPalette::ToolTipText, kBlack);
        return palette;
    }();
    return palette;
}

Font &Font::family(const char *family)
{
    m_font.setFamily(QString::fromUtf8(family));
    return *this;
}

Font &Font::pointSize(int points)
{
    m_font.setPointSize(points);
    return *this;
}

Font &Font::bold()
{
    m_font.setBold(true);
    m_font.setWeight(QFont::Bold);
    return *this;
}

Font &Font::normalWeight()
{
    m_font.setBold(false);
    m_font.setWeight(QFont::Normal);
    return *this;
}

Font &Font::aa()
{
    m_font.setStyleStrategy(QFont::PreferAntialias);
    return *this;
}

const Font &boldAA()
{
    static const Font font = Font().bold().aa();
    return font;
}

const Font &normalWeightAA()
{
    static const Font font = Font().normalWeight().aa();
    return font;
}

const Font &aaFont()
{
    static const Font font = Font().aa();
    return font;
}

const Font &brightnessScreenFont()
{
    static const Font font = Font().pointSize(1).bold().aa();
    return font;
}

Font &Font::italic(bool on)
{
    m_font.setItalic(on);
    return *this;
}

Colours whiteText(std::initializer_list<QPalette::ColorRole> roles)
{
    Colours colours;
    for (const QPalette::ColorRole role : roles)
        colours.role(role, kWhite, kDisabledText);
    return colours;
}

Colours blackText(std::initializer_list<QPalette::ColorRole> roles)
{
    Colours colours;
    for (const QPalette::ColorRole role : roles)
        colours.role(role, kBlack, kDisabledText);
    return colours;
}

Font &Font::kerning(bool on)
{
    m_font.setKerning(on);
    return *this;
}

Font &Font::underline()
{
    m_font.setUnderline(true);
    return *this;
}

Font &Font::notItalic()
{
    m_font.setItalic(false);
    return *this;
}

Colours whiteButtonText()
{
    return Colours().role(QPalette::ButtonText, kWhite, kDisabledText);
}

} // namespace quarn
