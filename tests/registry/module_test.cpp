// The built layout module, loaded the way a host loads it.

#include "catalogue/catalogue_index.h"
#include "core/layout_registry.h"
#include "core/platform/module.h"
#include "tests/registry/test_paths.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const wchar_t *const kLayoutModule = QUARN_WIDE(QUARN_LAYOUT_MODULE);

// How many catalogue entries carry each registration name.
std::map<std::string, std::size_t> catalogueNames()
{
    std::map<std::string, std::size_t> names;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex)
        ++names[entry.name];
    return names;
}

TEST(LayoutModule, LoadingByPathRegistersEveryCatalogueForm)
{
    LayoutRegistry registry;
    ASSERT_TRUE(registry.loadLibrary(kLayoutModule)) << quarn::platform::lastModuleError();

    EXPECT_NE(registry.findLayout("QuarnTitleBar"), nullptr);
    for (const CatalogueIndexEntry &entry : kCatalogueIndex)
        EXPECT_NE(registry.findLayout(entry.name), nullptr) << entry.name;
    EXPECT_EQ(registry.layouts.size(), catalogueNames().size());

    ASSERT_TRUE(registry.unloadLibrary(kLayoutModule));
    EXPECT_EQ(registry.findLayout("QuarnTitleBar"), nullptr);
    EXPECT_TRUE(registry.layouts.empty());
    EXPECT_TRUE(registry.libraries.empty());
}

TEST(LayoutModule, EntryPointsCanBeCalledRepeatedly)
{
    using namespace quarn::platform;
    ModuleHandle module = loadModule(kLayoutModule);
    ASSERT_NE(module, nullptr) << lastModuleError();
    const auto registerLayout = reinterpret_cast<LayoutEntryPoint>(resolveSymbol(module, L"RegisterLayout"));
    const auto unregisterLayout = reinterpret_cast<LayoutEntryPoint>(resolveSymbol(module, L"UnregisterLayout"));
    ASSERT_NE(registerLayout, nullptr);
    ASSERT_NE(unregisterLayout, nullptr);

    const auto names = catalogueNames();
    LayoutRegistry registry;
    EXPECT_EQ(registerLayout(&registry), 1);
    EXPECT_EQ(registerLayout(&registry), 1);
    ASSERT_EQ(registry.layouts.size(), names.size());
    for (const auto &[name, list] : registry.layouts)
        EXPECT_EQ(list->size(), 2 * names.at(name)) << name;

    EXPECT_EQ(unregisterLayout(&registry), 1);
    ASSERT_EQ(registry.layouts.size(), names.size());
    for (const auto &[name, list] : registry.layouts)
        EXPECT_EQ(list->size(), names.at(name)) << name;

    EXPECT_EQ(unregisterLayout(&registry), 1);
    EXPECT_TRUE(registry.layouts.empty());
    EXPECT_EQ(unregisterLayout(&registry), 1);

    EXPECT_EQ(registerLayout(nullptr), 1);
    EXPECT_EQ(unregisterLayout(nullptr), 1);
    EXPECT_TRUE(freeModule(module));
}

} // namespace
