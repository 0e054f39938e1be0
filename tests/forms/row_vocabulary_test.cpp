// The construction's vocabulary tables: named values a form is written with,
// the numbers and flags the rows name, and the settings named otherwise than
// their property. The generator writes a value by the first name equal to it,
// so names must not share a value, and each name must do what it says.

#include "core/construction/named_values.h"
#include "core/construction/row.h"
#include "core/qt_compat.h"
#include "controls/zel_control_table.h"

#include <QMetaEnum>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>

namespace {

using namespace quarn;

TEST(NamedValues, NoTwoNamesShareAValue)
{
    for (std::size_t i = 0; i < std::size(kNamedPalettes); ++i) {
        const QPalette palette = kNamedPalettes[i].value();
        for (std::size_t j = 0; j < i; ++j) {
            const QPalette other = kNamedPalettes[j].value();
            EXPECT_FALSE(palette == other
                         && quarn::qt::paletteResolveMask(palette) == quarn::qt::paletteResolveMask(other))
                << kNamedPalettes[i].name << " equals " << kNamedPalettes[j].name;
        }
    }
    for (std::size_t i = 0; i < std::size(kNamedFonts); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const QFont font = kNamedFonts[i].value();
            const QFont other = kNamedFonts[j].value();
            EXPECT_FALSE(font == other && quarn::qt::fontResolveMask(font) == quarn::qt::fontResolveMask(other))
                << kNamedFonts[i].name << " equals " << kNamedFonts[j].name;
        }
    }
    for (std::size_t i = 0; i < std::size(kNamedColours); ++i) {
        EXPECT_TRUE(kNamedColours[i].value().isValid()) << kNamedColours[i].name;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(kNamedColours[i].value(), kNamedColours[j].value())
                << kNamedColours[i].name << " equals " << kNamedColours[j].name;
    }
    for (std::size_t i = 0; i < std::size(kNamedPictures); ++i) {
        EXPECT_FALSE(kNamedPictures[i].value().isEmpty()) << kNamedPictures[i].name;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(kNamedPictures[i].value(), kNamedPictures[j].value())
                << kNamedPictures[i].name << " equals " << kNamedPictures[j].name;
    }
}

// Every key of TextBoxFlags gives the box as many flags as its name says (two,
// or three "OfThree"), the first on where the name says "FirstOn", the others off.
TEST(RowSettings, TextBoxFlagsGiveWhatTheirNamesSay)
{
    const QMetaEnum names = QMetaEnum::fromType<TextBoxFlags>();
    ASSERT_GT(names.keyCount(), 0);
    for (int i = 0; i < names.keyCount(); ++i) {
        const QString key = QLatin1String(names.key(i));
        SCOPED_TRACE(key.toStdString());
        ZelTextBox box;
        Row<ZelTextBox>(&box).textBoxFlags(TextBoxFlags(names.value(i)));
        const QVariantList flags = box.textBoxFlags();
        ASSERT_EQ(flags.size(), key.endsWith(QLatin1String("OfThree")) ? 3 : 2);
        EXPECT_EQ(flags.first().toBool(), key.startsWith(QLatin1String("FirstOn")));
        for (int flag = 1; flag < flags.size(); ++flag)
            EXPECT_FALSE(flags[flag].toBool());
    }
}

// The named numbers reach the control as the numbers their enums give them,
// and no two names of an enum share a number, so the generator names it back.
TEST(RowSettings, NamedNumbersReachTheControls)
{
    const QMetaObject &named = rowenums::staticMetaObject;
    for (int e = named.enumeratorOffset(); e < named.enumeratorCount(); ++e) {
        const QMetaEnum numbers = named.enumerator(e);
        std::set<int> seen;
        for (int i = 0; i < numbers.keyCount(); ++i)
            EXPECT_TRUE(seen.insert(numbers.value(i)).second) << numbers.name() << "::" << numbers.key(i);
    }
    ZelTextBox box;
    Row<ZelTextBox>(&box).textBoxNumber(TextBoxNumber::ProgressText);
    EXPECT_EQ(box.textBoxNumber(), int(TextBoxNumber::ProgressText));
    zelCoordEntryWidget entry;
    Row<zelCoordEntryWidget>(&entry).coordType(CoordType::Position);
    EXPECT_EQ(entry.coordType(), int(CoordType::Position));
    Row<zelCoordEntryWidget>(&entry).coordSubType(CoordSubType::Standard);
    EXPECT_EQ(entry.coordSubType(), zelCoordEntryWidget().coordSubType());
}

// A renamed or combined setting's properties are properties of the controls
// it is named for, so the table cannot keep a name the controls dropped.
TEST(RowSettings, RenamedAndCombinedSettingsNameRealProperties)
{
    const auto anyControlHas = [](const char *property) {
        for (const ZelControlInfo &control : kZelControls) {
            if (control.metaObject->indexOfProperty(property) >= 0)
                return true;
        }
        return false;
    };
    const auto controlHas = [](const char *className, const char *property) {
        for (const ZelControlInfo &control : kZelControls) {
            if (qstrcmp(control.metaObject->className(), className) == 0)
                return control.metaObject->indexOfProperty(property) >= 0;
        }
        return false;
    };
    int renamed = 0;
#define QUARN_RENAMED(property, setting)                    \
    {                                                       \
        ++renamed;                                          \
        EXPECT_TRUE(anyControlHas(#property)) << #property; \
    }
#define QUARN_RENAMED_IN(Class, property, setting)                          \
    {                                                                       \
        ++renamed;                                                          \
        EXPECT_TRUE(controlHas(#Class, #property)) << #Class "." #property; \
    }
    int combined = 0;
    // A set's pictures are properties of one control.
#define QUARN_COMBINED(setting, properties)                                                                      \
    {                                                                                                            \
        ++combined;                                                                                              \
        const QStringList names = QStringLiteral(properties).remove(QLatin1Char('?')).split(QLatin1Char(' '));   \
        EXPECT_TRUE(std::any_of(std::begin(kZelControls), std::end(kZelControls), [&](const ZelControlInfo &c) { \
            return std::all_of(names.begin(), names.end(), [&](const QString &name) {                            \
                return c.metaObject->indexOfProperty(name.toLatin1().constData()) >= 0;                          \
            });                                                                                                  \
        })) << #setting;                                                                                         \
    }
#include "core/construction/row_settings.def"
    EXPECT_GT(renamed, 0);
    EXPECT_GT(combined, 0);
}

} // namespace
