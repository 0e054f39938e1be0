#include "core/layout_registry.h"
#include "tests/registry/test_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
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

// The registry's operations as the model run below sees them, so that the
// run can also be pointed at a registry with a planted fault.
struct RegistryOperations {
    std::function<void(const char *, FormLayout *)> registerLayout;
    std::function<void(const char *, FormLayout *)> unregisterLayout;
    std::function<FormLayout *(const char *)> findLayout;
};

// Random register, unregister and find calls over a few awkward names (case
// variants, bytes above 0x7f, the empty string) and a few forms, compared with
// a plain model after every step: the same names in descending byte order,
// the same lists in the same order, never an empty list, and find answering
// the last form of each list. The first disagreement, or "" if none.
std::string firstDisagreementWithModel(LayoutRegistry &registry, const RegistryOperations &operations, int steps)
{
    TestForm forms[4];
    const std::string names[] = {"PinClass",
                                 "pinclass",
                                 "PINCLASS",
                                 "\xC3\xA9"
                                 "cranClass",
                                 "\xFF",
                                 ""};
    std::map<std::string, std::vector<FormLayout *>> model;
    std::mt19937 random(20240607);

    for (int step = 0; step < steps; ++step) {
        const std::string &name = names[random() % std::size(names)];
        FormLayout *form = &forms[random() % std::size(forms)];
        const std::string where = "step " + std::to_string(step) + ": ";
        switch (random() % 3) {
        case 0:
            operations.registerLayout(name.c_str(), form);
            model[name].push_back(form);
            break;
        case 1: {
            operations.unregisterLayout(name.c_str(), form);
            const auto entry = model.find(name);
            if (entry == model.end())
                break;
            const auto position = std::find(entry->second.begin(), entry->second.end(), form);
            if (position != entry->second.end())
                entry->second.erase(position);
            if (entry->second.empty())
                model.erase(entry);
            break;
        }
        default: {
            const auto entry = model.find(name);
            FormLayout *expected = entry == model.end() ? nullptr : entry->second.back();
            if (operations.findLayout(name.c_str()) != expected)
                return where + "find of '" + name + "'";
        }
        }

        if (registry.layouts.size() != model.size())
            return where + "number of names";
        // The model's map is ascending; the registry's must be its reverse.
        auto expected = model.rbegin();
        for (const auto &[key, list] : registry.layouts) {
            if (key != expected->first)
                return where + "order of names at '" + key + "'";
            if (list->empty())
                return where + "empty list kept for '" + key + "'";
            if (!std::equal(list->begin(), list->end(), expected->second.begin(), expected->second.end()))
                return where + "list of '" + key + "'";
            ++expected;
        }
    }
    return std::string();
}

TEST(LayoutRegistry, MatchesModelOverRandomOperations)
{
    LayoutRegistry registry;
    const RegistryOperations operations{
        [&](const char *name, FormLayout *form) { registry.registerLayout(name, form); },
        [&](const char *name, FormLayout *form) { registry.unregisterLayout(name, form); },
        [&](const char *name) { return registry.findLayout(name); },
    };
    EXPECT_EQ(firstDisagreementWithModel(registry, operations, 5000), "");
}

// The run above must be able to fail: a registry whose unregister takes the
// last equal form instead of the first is caught.
TEST(LayoutRegistry, ModelRunCatchesUnregisterOfTheLastMatch)
{
    LayoutRegistry registry;
    const RegistryOperations operations{
        [&](const char *name, FormLayout *form) { registry.registerLayout(name, form); },
        [&](const char *name, FormLayout *form) {
            const auto entry = registry.layouts.find(name);
            if (entry == registry.layouts.end())
                return;
            LayoutList &list = *entry->second;
            const auto last = std::find(list.rbegin(), list.rend(), form);
            if (last == list.rend())
                return;
            list.erase(std::next(last).base());
            if (list.empty()) {
                delete entry->second;
                registry.layouts.erase(entry);
            }
        },
        [&](const char *name) { return registry.findLayout(name); },
    };
    EXPECT_NE(firstDisagreementWithModel(registry, operations, 5000), "");
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
