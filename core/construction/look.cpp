#include "core/construction/look.h"

namespace quarn {

Colours &Colours::role(QPalette::ColorRole role, const QColor &colour, const QColor &disabled)
{
    m_fills.append({role, colour, disabled});
    return *this;
}

QPalette Colours::palette() const
{
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const Fill &fill : m_fills) {
            const QColor &colour = group == QPalette::Disabled ? fill.disabled : fill.colour;
            palette.setBrush(group, fill.role, QBrush(colour, Qt::SolidPattern));
        }
    }
    return palette;
}

Colours whiteText()
{
    return Colours().role(QPalette::WindowText, kWhite, kDisabledText);
}

Colours whiteTextDimDisabled()
{
    return Colours().role(QPalette::WindowText, kWhite, kDimDisabledText);
}

Colours blackText()
{
    return Colours().role(QPalette::WindowText, kBlack, kDisabledText);
}

Colours greyText()
{
    return Colours().role(QPalette::WindowText, kGreyText, kDimDisabledText);
}

Colours whiteTextOnClear()
{
    return whiteText().role(QPalette::Button, kClear).role(QPalette::Base, kClear).role(QPalette::Window, kClear);
}

QPalette transparentPalette()
{
    const QColor toolTipBase(255, 255, 220);
    const QColor halfBlack(0, 0, 0, 127);
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::BrightText, QPalette::ButtonText})
            palette.setBrush(group, role, kWhite);
        for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Shadow})
            palette.setBrush(group, role, kBlack);
        for (const QPalette::ColorRole role : {QPalette::Button, QPalette::Light, QPalette::Midlight, QPalette::Dark,
                                               QPalette::Mid, QPalette::Window})
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
    m_font.setWeight(75);
    return *this;
}

Font &Font::normalWeight()
{
    m_font.setBold(false);
    m_font.setWeight(50);
    return *this;
}

Font &Font::aa()
{
    m_font.setStyleStrategy(QFont::PreferAntialias);
    return *this;
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

} // namespace quarn
