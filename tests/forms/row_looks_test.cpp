// The named looks of the screen tables: each applies fixed settings, so that a
// row reads the same whatever came before it and a look can be recognised by
// applying it to a fresh control; what a row adds after a look wins.

#include "core/construction/row.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_compass.h"
#include "controls/zel_coord_entry_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_check_box.h"
#include "controls/zel_push_radio_button.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaProperty>
#include <QPixmap>
#include <QResource>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
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
        if (value == value && !(QMetaType::typeFlags(value.userType()) & QMetaType::PointerToQObject))
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

// What a row decides for itself, never a look: where the control is, whether
// it is usable, what it says and whether it passes events on.
const char *const kRowOwned[] = {"geometry", "enabled", "visible", "content", "text", "eventPropagation"};

// The looks of one class: each changes something, the same on every fresh
// control and only once, leaves the row's own settings alone, and no two give
// the same settings, so that a look can be told from the others by its values.
template <typename W>
void expectFixed(const std::vector<std::pair<const char *, Look<W>>> &looks)
{
    W plainControl;
    const QVariantMap plain = settingsOf(plainControl);
    std::vector<QVariantMap> seen;
    for (const auto &[name, look] : looks) {
        const QVariantMap once = looked(look);
        EXPECT_NE(once, plain) << name << " changes nothing";
        EXPECT_EQ(once, looked(look)) << name << " differs between fresh controls";
        EXPECT_EQ(once, looked(look, 2)) << name << " changes again when applied again";
        for (const char *owned : kRowOwned)
            EXPECT_EQ(once.value(owned), plain.value(owned)) << name << " sets " << owned;
        for (std::size_t i = 0; i < seen.size(); ++i)
            EXPECT_NE(once, seen[i]) << name << " looks the same as " << looks[i].first;
        seen.push_back(once);
    }
}

TEST(RowLooks, ApplyFixedSettingsThatRepeatingLeavesAlone)
{
    placeholderImagesRegistered();
    expectFixed<ZelPushButton>({
        {"panelButton", [](auto &row) { row.panelButton(); }},
        {"toggleButton", [](auto &row) { row.toggleButton(); }},
        {"goButton", [](auto &row) { row.goButton(); }},
        {"mapPreviewButton", [](auto &row) { row.mapPreviewButton(); }},
        {"roundButton", [](auto &row) { row.roundButton(); }},
        {"plainPanelButton", [](auto &row) { row.plainPanelButton(); }},
        {"actionButton", [](auto &row) { row.actionButton(); }},
        {"contextMenuButton", [](auto &row) { row.contextMenuButton(); }},
        {"closedPageButton", [](auto &row) { row.closedPageButton(); }},
        {"listButton", [](auto &row) { row.listButton(); }},
        {"closeButton", [](auto &row) { row.closeButton(); }},
        {"flatToggleButton", [](auto &row) { row.flatToggleButton(); }},
        {"labelledActionButton", [](auto &row) { row.labelledActionButton(); }},
    });
    expectFixed<ZelPushRadioButton>({{"radioChoice", [](auto &row) { row.radioChoice(); }}});
    expectFixed<ZelPushCheckBox>({{"listCheckBox", [](auto &row) { row.listCheckBox(); }}});
    expectFixed<ZelComboBox>({
        {"standardComboBox", [](auto &row) { row.standardComboBox(); }},
        {"smallComboBox", [](auto &row) { row.smallComboBox(); }},
        {"routeComboBox", [](auto &row) { row.routeComboBox(); }},
    });
    expectFixed<ZelTextBox>({
        {"panelText", [](auto &row) { row.panelText(); }},
        {"plainPanelText", [](auto &row) { row.plainPanelText(); }},
        {"titleText", [](auto &row) { row.titleText(); }},
        {"menuCaption", [](auto &row) { row.menuCaption(); }},
        {"settingCaption", [](auto &row) { row.settingCaption(); }},
        {"quickInfoText", [](auto &row) { row.quickInfoText(); }},
        {"mediaInfoName", [](auto &row) { row.mediaInfoName(); }},
        {"mediaInfoValue", [](auto &row) { row.mediaInfoValue(); }},
        {"mediaInfoSmallPrint", [](auto &row) { row.mediaInfoSmallPrint(); }},
        {"trackInfoName", [](auto &row) { row.trackInfoName(); }},
        {"trackInfoValue", [](auto &row) { row.trackInfoValue(); }},
        {"caption", [](auto &row) { row.caption(); }},
        {"smallCaption", [](auto &row) { row.smallCaption(); }},
        {"buttonLabel", [](auto &row) { row.buttonLabel(); }},
        {"listItemName", [](auto &row) { row.listItemName(); }},
        {"listItemDetail", [](auto &row) { row.listItemDetail(); }},
        {"distanceBarText", [](auto &row) { row.distanceBarText(); }},
        {"datumParameterName", [](auto &row) { row.datumParameterName(); }},
        {"gridParameterName", [](auto &row) { row.gridParameterName(); }},
        {"popupCoordinates", [](auto &row) { row.popupCoordinates(); }},
        {"locationCoordinate", [](auto &row) { row.locationCoordinate(); }},
        {"titlePageNumber", [](auto &row) { row.titlePageNumber(); }},
        {"listHeaderCount", [](auto &row) { row.listHeaderCount(); }},
        {"filterChoice", [](auto &row) { row.filterChoice(); }},
        {"regularValue", [](auto &row) { row.regularValue(); }},
        {"memoryFigureName", [](auto &row) { row.memoryFigureName(); }},
        {"geofenceAlertLabel", [](auto &row) { row.geofenceAlertLabel(); }},
        {"mediaMenuCaption", [](auto &row) { row.mediaMenuCaption(); }},
        {"actionButtonLabel", [](auto &row) { row.actionButtonLabel(); }},
        {"distancePageName", [](auto &row) { row.distancePageName(); }},
        {"distancePageValue", [](auto &row) { row.distancePageValue(); }},
        {"paneValue", [](auto &row) { row.paneValue(); }},
        {"largeCaption", [](auto &row) { row.largeCaption(); }},
        {"levelCaption", [](auto &row) { row.levelCaption(); }},
        {"filterButtonCaption", [](auto &row) { row.filterButtonCaption(); }},
    });
    expectFixed<ZelTextArea>({{"smallCaption", [](auto &row) { row.smallCaption(); }}});
    expectFixed<ZelScrollArea>({{"scrollingPage", [](auto &row) { row.scrollingPage(); }}});
    expectFixed<zelCompass>({{"standardMapCompass", [](auto &row) { row.standardMapCompass(); }}});
    expectFixed<zelCoordEntryWidget>({
        {"numericParameterEntry", [](auto &row) { row.numericParameterEntry(); }},
        {"coordinateDisplay", [](auto &row) { row.coordinateDisplay(); }},
    });
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
    zelCoordEntryWidget plain;
    Row<zelCoordEntryWidget>(&entry).coordSubType(CoordSubType::Standard);
    EXPECT_EQ(entry.coordSubType(), plain.coordSubType());
}

} // namespace
