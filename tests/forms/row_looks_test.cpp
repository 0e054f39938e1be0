// The named looks of the screen tables: each applies fixed settings, so that a
// row reads the same whatever came before it and a look can be recognised by
// applying it to a fresh control; what a row adds after a look wins.

#include "core/construction/row.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_coord_entry_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_check_box.h"
#include "controls/zel_push_radio_button.h"
#include "controls/zel_text_box.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaProperty>
#include <QPixmap>
#include <QResource>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace quarn;

bool placeholderImagesRegistered()
{
    static const bool registered =
        QResource::registerResource(QCoreApplication::applicationDirPath() + QStringLiteral("/placeholders.rcc"));
    return registered;
}

// Every property of the object's class, pictures by their pixels. Values that
// QVariant cannot compare (icons) are left out.
QVariantMap settingsOf(const QObject &object)
{
    QVariantMap settings;
    const QMetaObject *meta = object.metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        QVariant value = property.read(&object);
        if (value.userType() == QMetaType::QPixmap)
            value = value.value<QPixmap>().toImage();
        if (value == value)
            settings.insert(QLatin1String(property.name()), value);
    }
    return settings;
}

template <typename W>
using Look = std::function<void(Row<W> &)>;

// A look applied to a fresh control, once or twice.
template <typename W>
QVariantMap looked(const Look<W> &look, int times = 1)
{
    W control;
    Row<W> row(&control);
    for (int i = 0; i < times; ++i)
        look(row);
    return settingsOf(control);
}

template <typename W>
void expectFixed(const char *name, const Look<W> &look)
{
    W plain;
    const QVariantMap once = looked(look);
    EXPECT_NE(once, settingsOf(plain)) << name << " changes nothing";
    EXPECT_EQ(once, looked(look)) << name << " differs between fresh controls";
    EXPECT_EQ(once, looked(look, 2)) << name << " changes again when applied again";
}

TEST(RowLooks, ApplyFixedSettingsThatRepeatingLeavesAlone)
{
    placeholderImagesRegistered();
    expectFixed<ZelPushButton>("panelButton", [](auto &row) { row.panelButton(); });
    expectFixed<ZelPushButton>("toggleButton", [](auto &row) { row.toggleButton(); });
    expectFixed<ZelPushButton>("goButton", [](auto &row) { row.goButton(); });
    expectFixed<ZelPushButton>("mapPreviewButton", [](auto &row) { row.mapPreviewButton(); });
    expectFixed<ZelPushRadioButton>("radioChoice", [](auto &row) { row.radioChoice(); });
    expectFixed<ZelComboBox>("standardComboBox", [](auto &row) { row.standardComboBox(); });
    expectFixed<ZelComboBox>("smallComboBox", [](auto &row) { row.smallComboBox(); });
    expectFixed<ZelComboBox>("routeComboBox", [](auto &row) { row.routeComboBox(); });
    expectFixed<ZelTextBox>("panelText", [](auto &row) { row.panelText(); });
    expectFixed<ZelTextBox>("settingCaption", [](auto &row) { row.settingCaption(); });
    expectFixed<ZelTextBox>("quickInfoText", [](auto &row) { row.quickInfoText(); });
    expectFixed<ZelTextBox>("mediaInfoName", [](auto &row) { row.mediaInfoName(); });
    expectFixed<ZelTextBox>("mediaInfoValue", [](auto &row) { row.mediaInfoValue(); });
    expectFixed<ZelTextBox>("mediaInfoSmallPrint", [](auto &row) { row.mediaInfoSmallPrint(); });
    expectFixed<ZelTextBox>("trackInfoName", [](auto &row) { row.trackInfoName(); });
    expectFixed<ZelTextBox>("trackInfoValue", [](auto &row) { row.trackInfoValue(); });
    expectFixed<zelCoordEntryWidget>("numericParameterEntry", [](auto &row) { row.numericParameterEntry(); });
    expectFixed<ZelPushButton>("plainPanelButton", [](auto &row) { row.plainPanelButton(); });
    expectFixed<ZelPushButton>("actionButton", [](auto &row) { row.actionButton(); });
    expectFixed<ZelPushButton>("contextMenuButton", [](auto &row) { row.contextMenuButton(); });
    expectFixed<ZelPushButton>("closedPageButton", [](auto &row) { row.closedPageButton(); });
    expectFixed<ZelPushButton>("listButton", [](auto &row) { row.listButton(); });
    expectFixed<ZelPushCheckBox>("listCheckBox", [](auto &row) { row.listCheckBox(); });
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

TEST(RowSettings, TextBoxFlagsWriteWhatTheirNamesSay)
{
    const auto flagsOf = [](TextBoxFlags flags) {
        ZelTextBox box;
        Row<ZelTextBox>(&box).textBoxFlags(flags);
        return box.textBoxFlags();
    };
    EXPECT_EQ(flagsOf(TextBoxFlags::FirstOn), (QVariantList{true, false}));
    EXPECT_EQ(flagsOf(TextBoxFlags::AllOff), (QVariantList{false, false}));
    EXPECT_EQ(flagsOf(TextBoxFlags::FirstOnOfThree), (QVariantList{true, false, false}));
    EXPECT_EQ(flagsOf(TextBoxFlags::AllOffOfThree), (QVariantList{false, false, false}));

    ZelTextBox box;
    Row<ZelTextBox>(&box).textBoxNumber(TextBoxNumber::ProgressText);
    EXPECT_EQ(box.textBoxNumber(), int(TextBoxNumber::ProgressText));
    zelCoordEntryWidget entry;
    Row<zelCoordEntryWidget>(&entry).numericParameterEntry();
    EXPECT_EQ(entry.coordType(), int(CoordType::NumericParameter));
    EXPECT_EQ(entry.font().pointSize(), 16);
}

} // namespace
