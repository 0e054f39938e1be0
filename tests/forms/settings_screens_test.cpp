// What the settings and profile screens promise a host beyond their tables:
// choices and labels stay apart, buddies point into the same screen, and
// scrolled panels keep the place the screen gives them.

#include "form_harness.h"

#include "controls/zel_controls.h"
#include "forms/settings/SettingsDateTimeScreenClass.h"
#include "forms/settings/SettingsNavigationScreenClass.h"
#include "forms/settings/ProfileEditAlarmsScreenClass.h"
#include "forms/settings/ProfileEditMapOptionsScreenClass.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<const CatalogueEntry *> settingsScreens()
{
    std::vector<const CatalogueEntry *> screens;
    for (const CatalogueEntry &entry : kCatalogue) {
        if (std::strncmp(entry.name, "Settings", 8) == 0 || std::strncmp(entry.name, "ProfileEdit", 11) == 0)
            screens.push_back(&entry);
    }
    return screens;
}

TEST(SettingsScreens, ChoicesAreLeftToTheHostAndLabelsPointIntoTheSameScreen)
{
    const auto screens = settingsScreens();
    ASSERT_FALSE(screens.empty());
    for (const CatalogueEntry *entry : screens) {
        SCOPED_TRACE(entry->name);
        BuiltForm form = buildForm(*entry, true);
        // Retranslating twice must not fill a combo box either.
        entry->form().retranslateUi(form.record(), form.root());
        for (QComboBox *combo : form.root()->findChildren<QComboBox *>()) {
            EXPECT_EQ(combo->count(), 0) << qPrintable(combo->objectName());
            EXPECT_TRUE(combo->currentText().isEmpty()) << qPrintable(combo->objectName());
        }
        for (QLabel *label : form.root()->findChildren<QLabel *>()) {
            if (QWidget *buddy = label->buddy()) {
                EXPECT_TRUE(form.root()->isAncestorOf(buddy)) << qPrintable(label->objectName());
            }
        }
    }
}

TEST(SettingsScreens, SeveralLabelsMayShareOneBuddy)
{
    BuiltForm form = buildForm(catalogued("SettingsNavigationScreenClass"));
    auto &ui = *reinterpret_cast<Ui_SettingsNavigationScreenClass *>(form.record());
    for (QLabel *label : {ui.lblPrimMapDatum, ui.lblSecCoordSys, ui.lblSecMapDatum, ui.lblNorthRef, ui.lblAltimeterSrc})
        EXPECT_EQ(label->buddy(), ui.comboPrimCoordSys) << qPrintable(label->objectName());
    EXPECT_EQ(ui.lblSecCoordZone->buddy(), ui.comboSecCoordZone);
}

TEST(SettingsScreens, EveryAlarmLabelPointsAtTheOffCourseChoice)
{
    BuiltForm form = buildForm(catalogued("ProfileEditAlarmsScreenClass"));
    auto &ui = *reinterpret_cast<Ui_ProfileEditAlarmsScreenClass *>(form.record());
    int labels = 0;
    for (QLabel *label : ui.scrollAreaWidgetContents->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
        EXPECT_EQ(label->buddy(), ui.comboOffCourse) << qPrintable(label->objectName());
        ++labels;
    }
    EXPECT_EQ(labels, 11);
}

TEST(SettingsScreens, TallScrolledPanelKeepsItsFullHeight)
{
    BuiltForm form = buildForm(catalogued("ProfileEditMapOptionsScreenClass"));
    auto &ui = *reinterpret_cast<Ui_ProfileEditMapOptionsScreenClass *>(form.record());
    EXPECT_EQ(ui.scrollArea->widget(), ui.scrollAreaWidgetContents);
    EXPECT_EQ(ui.scrollAreaWidgetContents->height(), 1368);
    EXPECT_GE(ui.scrollAreaWidgetContents->minimumHeight(), 1368);
}

TEST(SettingsScreens, ScrolledPanelKeepsItsOffsetAndTheButtonItsEmptyText)
{
    BuiltForm form = buildForm(catalogued("SettingsDateTimeScreenClass"), true);
    auto &ui = *reinterpret_cast<Ui_SettingsDateTimeScreenClass *>(form.record());
    EXPECT_EQ(ui.scrollArea->widget(), ui.scrollAreaWidgetContents);
    EXPECT_EQ(ui.scrollAreaWidgetContents->geometry(), QRect(0, -91, 230, 340));
    EXPECT_TRUE(ui.btnTimeZone->text().isEmpty());
    EXPECT_EQ(ui.label->content(), QStringLiteral("Set Time Zone..."));
}

} // namespace
