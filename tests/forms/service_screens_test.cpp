// The service screens: what retranslation does to the host's page labels, and
// that switches and command buttons can each be told apart and hit.

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

// A switch under another one cannot be hit; each one needs its own place.
TEST(ServiceScreens, SwitchesDoNotOverlap)
{
    int switches = 0;
    for (const char *name : {"HiddenSirfSettingScreenClass", "RecordLogMenueScreenClass", "PlayLogMenuScreenClass",
                             "RouteSimulationMenuScreenClass"}) {
        BuiltForm form = buildForm(catalogued(name));
        const QList<ZelCheckBox *> boxes = form.root()->findChildren<ZelCheckBox *>();
        for (int i = 0; i < boxes.size(); ++i) {
            ++switches;
            for (int j = i + 1; j < boxes.size(); ++j) {
                if (boxes[i]->parentWidget() == boxes[j]->parentWidget()) {
                    EXPECT_FALSE(boxes[i]->geometry().intersects(boxes[j]->geometry()))
                        << name << " " << qPrintable(boxes[i]->objectName()) << " "
                        << qPrintable(boxes[j]->objectName());
                }
            }
        }
    }
    EXPECT_GT(switches, 0);
}

TEST(ServiceScreens, CommandButtonsHoldOneCaptionOverThemselves)
{
    for (const char *name : {"HiddenSirfSettingScreenClass", "RecordLogMenueScreenClass", "PlayLogMenuScreenClass",
                             "RouteSimulationMenuScreenClass"}) {
        BuiltForm form = buildForm(catalogued(name), true);
        const auto buttons = form.root()->findChildren<ZelPushButton *>(QString(), Qt::FindDirectChildrenOnly);
        for (ZelPushButton *button : buttons) {
            // The switches are buttons too, and the header carries the title.
            if (qobject_cast<ZelAbstractCheckButton *>(button)
                || button->objectName() == QLatin1String("btnListHeader"))
                continue;
            const auto captions = button->findChildren<ZelTextBox *>();
            ASSERT_EQ(captions.size(), 1) << name << " " << qPrintable(button->objectName());
            EXPECT_FALSE(captions.first()->content().isEmpty());
            // A caption may start left of its button but always overlaps it.
            EXPECT_TRUE(button->rect().intersects(captions.first()->geometry()));
        }
    }
}

} // namespace
