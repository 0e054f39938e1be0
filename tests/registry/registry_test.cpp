#include "core/layout_registry.h"
#include "tests/registry/test_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> registeredNames(const LayoutRegistry &registry)
{
    std::vector<std::string> names;
    for (const auto &entry : registry.layouts)
        names.push_back(entry.first);
    return names;
}

LayoutList listOf(const LayoutRegistry &registry, const char *name)
{
    const auto entry = registry.layouts.find(name);
    return entry == registry.layouts.end() ? LayoutList() : *entry->second;
}

TEST(LayoutRegistry, LaterRegistrationWinsAndUnregisteringRestoresEarlier)
{
    LayoutRegistry registry;
    TestForm first;
    TestForm second;
    registry.registerLayout("WptListScreenClass", &first);
    registry.registerLayout("WptListScreenClass", &second);
    EXPECT_EQ(registry.findLayout("WptListScreenClass"), &second);

    registry.unregisterLayout("WptListScreenClass", &second);
    EXPECT_EQ(registry.findLayout("WptListScreenClass"), &first);

    registry.unregisterLayout("WptListScreenClass", &first);
    EXPECT_EQ(registry.findLayout("WptListScreenClass"), nullptr);
    EXPECT_TRUE(registry.layouts.empty());
}

TEST(LayoutRegistry, UnregisterRemovesOnlyTheFirstOccurrence)
{
    LayoutRegistry registry;
    TestForm repeated;
    TestForm other;
    registry.registerLayout("PinClass", &repeated);
    registry.registerLayout("PinClass", &other);
    registry.registerLayout("PinClass", &repeated);
    ASSERT_EQ(listOf(registry, "PinClass"), (LayoutList{&repeated, &other, &repeated}));

    registry.unregisterLayout("PinClass", &repeated);
    EXPECT_EQ(listOf(registry, "PinClass"), (LayoutList{&other, &repeated}));
    EXPECT_EQ(registry.findLayout("PinClass"), &repeated);

    registry.unregisterLayout("PinClass", &repeated);
    EXPECT_EQ(registry.findLayout("PinClass"), &other);
}

TEST(LayoutRegistry, AbsentNamesAndFormsChangeNothing)
{
    LayoutRegistry registry;
    TestForm registered;
    TestForm stranger;
    registry.registerLayout("QuarnTitleBar", &registered);

    registry.unregisterLayout("NeverRegisteredClass", &registered);
    registry.unregisterLayout("QuarnTitleBar", &stranger);
    registry.unregisterLayout("QuarnTitleBar", nullptr);

    EXPECT_EQ(registeredNames(registry), std::vector<std::string>{"QuarnTitleBar"});
    EXPECT_EQ(listOf(registry, "QuarnTitleBar"), LayoutList{&registered});
    EXPECT_EQ(registry.findLayout("NeverRegisteredClass"), nullptr);
    EXPECT_EQ(registry.findLayout(""), nullptr);
}

TEST(LayoutRegistry, NullArgumentsAreIgnored)
{
    LayoutRegistry registry;
    TestForm form;
    registry.registerLayout(nullptr, &form);
    registry.registerLayout("PinClass", nullptr);
    EXPECT_TRUE(registry.layouts.empty());

    registry.registerLayout("PinClass", &form);
    registry.unregisterLayout(nullptr, &form);
    EXPECT_EQ(registry.findLayout(nullptr), nullptr);
    EXPECT_EQ(registry.findLayout("PinClass"), &form);
}

TEST(LayoutRegistry, NamesDifferingInCaseAreDistinct)
{
    LayoutRegistry registry;
    TestForm upper;
    TestForm lower;
    registry.registerLayout("WptListItem", &upper);
    registry.registerLayout("wptlistitem", &lower);
    EXPECT_EQ(registry.findLayout("WptListItem"), &upper);
    EXPECT_EQ(registry.findLayout("wptlistitem"), &lower);
    EXPECT_EQ(registry.findLayout("WPTLISTITEM"), nullptr);

    registry.unregisterLayout("WptListItem", &upper);
    EXPECT_EQ(registry.findLayout("wptlistitem"), &lower);
}

// Hosts and modules built apart share these trees, so the order is part of
// the record: C-string comparison of bytes as unsigned values, descending.
TEST(LayoutRegistry, NamesAreKeptInDescendingByteOrder)
{
    LayoutRegistry registry;
    TestForm form;
    for (const char *name : {"B", "alpha", "Alpha", "\xC3\xA9t\xC3\xA9", "beta", "Beta"})
        registry.registerLayout(name, &form);
    EXPECT_EQ(registeredNames(registry),
              (std::vector<std::string>{"\xC3\xA9t\xC3\xA9", "beta", "alpha", "Beta", "B", "Alpha"}));
}

// Random register and unregister calls checked against a plain model after
// every step: same lists in the same order, and never an empty list.
TEST(LayoutRegistry, MatchesModelAndNeverKeepsEmptyLists)
{
    LayoutRegistry registry;
    TestForm forms[4];
    const char *const names[] = {"MainMenuScreenClass", "PinClass", "pinclass"};
    std::map<std::string, std::vector<FormLayout *>> model;
    std::mt19937 random(20240607);

    for (int step = 0; step < 2000; ++step) {
        const char *name = names[random() % 3];
        FormLayout *form = &forms[random() % 4];
        std::vector<FormLayout *> &expected = model[name];
        if (random() % 2) {
            registry.registerLayout(name, form);
            expected.push_back(form);
        } else {
            registry.unregisterLayout(name, form);
            const auto position = std::find(expected.begin(), expected.end(), form);
            if (position != expected.end())
                expected.erase(position);
        }
        if (expected.empty())
            model.erase(name);

        ASSERT_EQ(registry.layouts.size(), model.size()) << "step " << step;
        for (const auto &[key, list] : registry.layouts) {
            ASSERT_FALSE(list->empty()) << key;
            ASSERT_TRUE(std::equal(list->begin(), list->end(), model[key].begin(), model[key].end()))
                << key << " at step " << step;
            EXPECT_EQ(registry.findLayout(key.c_str()), list->back());
        }
    }
}

TEST(LayoutRegistry, InstanceIsOneRegistryServingTheGlobalShortcuts)
{
    LayoutRegistry *registry = LayoutRegistry::instance();
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(LayoutRegistry::instance(), registry);

    TestForm form;
    registry->registerLayout("GlobalShortcutTestClass", &form);
    EXPECT_EQ(LayoutRegistry::findGlobalLayout("GlobalShortcutTestClass"), &form);
    registry->unregisterLayout("GlobalShortcutTestClass", &form);
    EXPECT_EQ(LayoutRegistry::findGlobalLayout("GlobalShortcutTestClass"), nullptr);
}

} // namespace
