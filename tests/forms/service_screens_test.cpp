// The service and test screens: what retranslation does to the host's page
// labels, the receiver's editable values, the switches and the two dialogs.

#include "form_harness.h"

#include "controls/zel_controls.h"

#include <gtest/gtest.h>

namespace {

void retranslate(const CatalogueEntry &entry, BuiltForm &form)
{
    entry.form().retranslateUi(form.record(), form.root());
}

TEST(ServiceScreens, RetranslationEmptiesThePageLabelTheHostFilled)
{
    for (const char *name : {"HiddenMenuScreenClass", "HiddenAutoTestScreenClass"}) {
        const CatalogueEntry &entry = catalogued(name);
        BuiltForm form = buildForm(entry, true);
        auto *page = form.root()->findChild<ZelTextBox *>(QStringLiteral("labelPage"));
        ASSERT_NE(page, nullptr) << name;
        page->setContent(QStringLiteral("2/5"));
        retranslate(entry, form);
        EXPECT_TRUE(page->content().isEmpty()) << name;
        EXPECT_FALSE(form.root()->findChild<ZelTextBox *>(QStringLiteral("labelName"))->content().isEmpty()) << name;
    }
}

TEST(ServiceScreens, ReceiverValuesAreClickableWithAWhiteToolTipInEveryState)
{
    BuiltForm form = buildForm(catalogued("HiddenSirfSettingScreenClass"), true);
    for (const char *name : {"txtValSNR", "txtValElev", "txtValDOP"}) {
        auto *value = form.root()->findChild<ZelTextBox *>(QString::fromUtf8(name));
        ASSERT_NE(value, nullptr) << name;
        EXPECT_TRUE(value->isClickable()) << name;
        EXPECT_EQ(value->textBoxFlags(), QVariantList({false, false, false})) << name;
        EXPECT_EQ(value->content(), QStringLiteral("0.0")) << name;
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            EXPECT_EQ(value->palette().color(group, QPalette::ToolTipText), QColor(Qt::white)) << name << group;
        EXPECT_EQ(value->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(118, 116, 108)) << name;
    }
}

// Every switch of the service screens is the same small check button with its
// mark in the corner; only its pictures differ.
TEST(ServiceScreens, SwitchesShareOneSizeAndMarkPlace)
{
    int switches = 0;
    for (const char *name : {"HiddenSirfSettingScreenClass", "RecordLogMenueScreenClass", "PlayLogMenuScreenClass",
                             "RouteSimulationMenuScreenClass"}) {
        BuiltForm form = buildForm(catalogued(name));
        for (ZelCheckBox *box : form.root()->findChildren<ZelCheckBox *>()) {
            EXPECT_EQ(box->size(), QSize(28, 29)) << qPrintable(box->objectName());
            EXPECT_EQ(box->iconSize(), QSize(16, 16)) << qPrintable(box->objectName());
            EXPECT_EQ(box->markPosition(), QPoint(0, 0)) << qPrintable(box->objectName());
            ++switches;
        }
    }
    EXPECT_EQ(switches, 8);
}

TEST(ServiceScreens, CommandButtonsPassTheirEventsOnAndHoldOneCaption)
{
    for (const char *name : {"HiddenSirfSettingScreenClass", "RecordLogMenueScreenClass", "PlayLogMenuScreenClass",
                             "RouteSimulationMenuScreenClass"}) {
        BuiltForm form = buildForm(catalogued(name), true);
        const auto buttons = form.root()->findChildren<ZelPushButton *>(QString(), Qt::FindDirectChildrenOnly);
        for (ZelPushButton *button : buttons) {
            // The switches are buttons too, and the header carries the title.
            if (qobject_cast<ZelAbstractCheckButton *>(button) || button->objectName() == QLatin1String("btnListHeader"))
                continue;
            EXPECT_TRUE(button->eventPropagation()) << name << " " << qPrintable(button->objectName());
            const auto captions = button->findChildren<ZelTextBox *>();
            ASSERT_EQ(captions.size(), 1) << name << " " << qPrintable(button->objectName());
            EXPECT_FALSE(captions.first()->content().isEmpty());
            // A caption may start left of its button but always overlaps it.
            EXPECT_TRUE(button->rect().intersects(captions.first()->geometry()));
        }
    }
}

TEST(TestDialogs, AudioTestFontAndEmptyButtonTextVideoTestHasNoChildren)
{
    BuiltForm audio = buildForm(catalogued("AudioTestScreenClass"), true);
    EXPECT_EQ(audio.root()->font().pointSize(), 12);
    EXPECT_EQ(audio.root()->property("windowTitle").toString(), QStringLiteral("Dialog"));
    auto *ok = audio.root()->findChild<ZelPushButton *>(QStringLiteral("btnOk"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->text().isEmpty());

    BuiltForm video = buildForm(catalogued("VideoTestScreenClass"), true);
    EXPECT_TRUE(video.root()->children().isEmpty());
    EXPECT_EQ(video.root()->size(), QSize(240, 400));
    EXPECT_EQ(video.root()->property("windowTitle").toString(), QStringLiteral("Dialog"));
}

} // namespace
