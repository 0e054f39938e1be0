// The named looks of the screen tables: each applies fixed settings, so that a
// row reads the same whatever came before it and a look can be recognised by
// applying it to a fresh control; what a row adds after a look wins.

#include "core/construction/look_table.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaProperty>
#include <QPixmap>
#include <QResource>
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace quarn;

bool placeholderImagesRegistered()
{
    static const bool registered =
        QResource::registerResource(QCoreApplication::applicationDirPath() + QStringLiteral("/placeholders.rcc"));
    return registered;
}

// Every property of the object's class, pictures by their pixels. Values that
// QVariant cannot compare (icons) and objects the control owns (a text area's
// document) are left out.
QVariantMap settingsOf(const QObject &object)
{
    QVariantMap settings;
    const QMetaObject *meta = object.metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        QVariant value = property.read(&object);
        if (value.userType() == QMetaType::QPixmap)
            value = value.value<QPixmap>().toImage();
        if (value == value && !(QMetaType(value.userType()).flags() & QMetaType::PointerToQObject))
            settings.insert(QLatin1String(property.name()), value);
    }
    return settings;
}

// A look applied to a fresh control, once or twice.
QVariantMap looked(const LookTableEntry &look, int times = 1)
{
    const std::unique_ptr<QWidget> control(look.create());
    for (int i = 0; i < times; ++i)
        look.apply(control.get());
    return settingsOf(*control);
}

// What a row decides for itself, never a look: where the control is, whether
// it is usable, what it says and whether it passes events on.
const char *const kRowOwned[] = {"geometry", "enabled", "visible", "content", "text", "eventPropagation"};

// Every look of the table: each changes something, the same on every fresh
// control and only once; a Row setting leaves the row's own settings alone;
// no two looks of a class give the same settings, so that a look can be told
// from the others by its values.
TEST(RowLooks, ApplyFixedSettingsThatRepeatingLeavesAlone)
{
    placeholderImagesRegistered();
    ASSERT_GT(std::size(kLookTable), 0u);
    std::map<const QMetaObject *, std::vector<std::pair<const char *, QVariantMap>>> seen;
    for (const LookTableEntry &look : kLookTable) {
        const std::string name = std::string(look.metaObject->className()) + "::" + look.call;
        const std::unique_ptr<QWidget> plainControl(look.create());
        const QVariantMap plain = settingsOf(*plainControl);
        const QVariantMap once = looked(look);
        EXPECT_NE(once, plain) << name << " changes nothing";
        EXPECT_EQ(once, looked(look)) << name << " differs between fresh controls";
        EXPECT_EQ(once, looked(look, 2)) << name << " changes again when applied again";
        // A routine of its own may size its control (the calendar, the
        // read-out); a Row setting leaves that to the row.
        for (const char *owned : kRowOwned) {
            if (look.routine)
                continue;
            EXPECT_EQ(once.value(owned), plain.value(owned)) << name << " sets " << owned;
        }
        auto &ofClass = seen[look.metaObject];
        for (const auto &[other, settings] : ofClass)
            EXPECT_NE(once, settings) << name << " looks the same as " << other;
        ofClass.emplace_back(look.call, once);
    }
}

// Looks that share a face share it exactly: the radio choice is the toggle
// button with its marks, and the two combo box sizes differ in their pictures.
TEST(RowLooks, SharedFacesAreTheSamePictures)
{
    if (!placeholderImagesRegistered() || !QFile::exists(QStringLiteral(":/Buttons/b_ToggleButton.mif")))
        GTEST_SKIP() << "placeholders.rcc is not built beside the tests";

    ZelPushRadioButton radio;
    ZelPushButton toggle;
    Row<ZelPushRadioButton>(&radio).radioChoice();
    Row<ZelPushButton>(&toggle).toggleButton();
    for (const char *face : {"normal", "pressed", "focused"}) {
        const QImage picture = toggle.property(face).value<QPixmap>().toImage();
        EXPECT_FALSE(picture.isNull()) << face;
        EXPECT_EQ(radio.property(face).value<QPixmap>().toImage(), picture) << face;
    }
    EXPECT_FALSE(radio.checkedImg().isNull());

    ZelComboBox standard;
    ZelComboBox small;
    Row<ZelComboBox>(&standard).standardComboBox();
    Row<ZelComboBox>(&small).smallComboBox();
    EXPECT_EQ(standard.font(), small.font());
    EXPECT_EQ(standard.fontPixelSize(), small.fontPixelSize());
    EXPECT_EQ(standard.arrowNormal().toImage(), small.arrowNormal().toImage());
    EXPECT_NE(standard.normal().toImage(), small.normal().toImage());
    EXPECT_NE(standard.itemNormal().toImage(), small.itemNormal().toImage());
    EXPECT_NE(standard.arrowOrigin(), small.arrowOrigin());
}

// Faces say nothing about behaviour: a row that passes events on says so.
TEST(RowLooks, BehaviourStaysWithTheRow)
{
    ZelPushButton face;
    Row<ZelPushButton>(&face).panelButton();
    EXPECT_FALSE(face.eventPropagation());
    ZelPushButton passing;
    Row<ZelPushButton>(&passing).panelButton().eventPropagation();
    EXPECT_TRUE(passing.eventPropagation());

    ZelComboBox standard;
    Row<ZelComboBox>(&standard).standardComboBox();
    EXPECT_FALSE(standard.eventPropagation());
    ZelComboBox passingCombo;
    Row<ZelComboBox>(&passingCombo).standardComboBox().eventPropagation();
    EXPECT_TRUE(passingCombo.eventPropagation());
}

} // namespace
