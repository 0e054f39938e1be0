#include "core/layout_registry.h"
#include "core/platform/module.h"
#include "tests/registry/test_form.h"
#include "tests/registry/test_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

LayoutLibrary *libraryAt(const LayoutRegistry &registry, const wchar_t *path)
{
    const auto entry = registry.libraries.find(path);
    return entry == registry.libraries.end() ? nullptr : entry->second;
}

// A private folder for copies of the test module, removed afterwards.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "quarn-registry-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~ScratchFolder() { fs::remove_all(m_path); }

    const fs::path &path() const { return m_path; }

    // Copies the good test module here under fileName, given as bytes.
    fs::path copyModule(const std::string &fileName) const
    {
        const fs::path copy = m_path / fileName;
        fs::copy_file(fs::path(kGoodModule), copy);
        return copy;
    }

private:
    fs::path m_path;
};

TEST(LayoutLibrary, EachLoadHoldsOneReferenceAndTheLastUnloadRemovesTheForms)
{
    LayoutRegistry registry;
    ASSERT_TRUE(registry.loadLibrary(kGoodModule)) << quarn::platform::lastModuleError();
    LayoutLibrary *library = libraryAt(registry, kGoodModule);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->refCount(), 1);
    EXPECT_NE(registry.findLayout(kTestScreenName), nullptr);
    EXPECT_NE(registry.findLayout(kTestItemName), nullptr);

    // A second load shares the module: no second RegisterLayout call.
    ASSERT_TRUE(registry.loadLibrary(kGoodModule));
    EXPECT_EQ(registry.libraries.size(), 1u);
    EXPECT_EQ(library->refCount(), 2);
    EXPECT_EQ(registry.layouts.at(kTestScreenName)->size(), 1u);

    EXPECT_TRUE(registry.unloadLibrary(kGoodModule));
    EXPECT_EQ(libraryAt(registry, kGoodModule), library);
    EXPECT_EQ(library->refCount(), 1);
    EXPECT_NE(registry.findLayout(kTestScreenName), nullptr);

    EXPECT_TRUE(registry.unloadLibrary(kGoodModule));
    EXPECT_TRUE(registry.libraries.empty());
    EXPECT_TRUE(registry.layouts.empty());

    EXPECT_FALSE(registry.unloadLibrary(kGoodModule));
}

TEST(LayoutLibrary, ModuleLoadedLaterOverridesUntilUnloaded)
{
    LayoutRegistry registry;
    TestForm hostForm;
    registry.registerLayout(kTestScreenName, &hostForm);

    ASSERT_TRUE(registry.loadLibrary(kGoodModule));
    FormLayout *moduleForm = registry.findLayout(kTestScreenName);
    EXPECT_NE(moduleForm, nullptr);
    EXPECT_NE(moduleForm, &hostForm);

    ASSERT_TRUE(registry.unloadLibrary(kGoodModule));
    EXPECT_EQ(registry.findLayout(kTestScreenName), &hostForm);
    EXPECT_EQ(registry.findLayout(kTestItemName), nullptr);
}

TEST(LayoutLibrary, UnusableModulesLeaveNoTrace)
{
    const std::wstring missing = (fs::temp_directory_path() / "quarn-no-such-module.so").wstring();
    for (const wchar_t *path : {missing.c_str(), kNotALibrary, kModuleWithoutRegister, kModuleWithoutUnregister}) {
        SCOPED_TRACE(fs::path(path).string());
        LayoutRegistry registry;
        EXPECT_FALSE(registry.loadLibrary(path));
        EXPECT_TRUE(registry.libraries.empty());
        // Neither entry point of an incomplete module may have run.
        EXPECT_TRUE(registry.layouts.empty());
        EXPECT_FALSE(registry.unloadLibrary(path));
    }
    LayoutRegistry registry;
    EXPECT_FALSE(registry.loadLibrary(nullptr));
    EXPECT_FALSE(registry.unloadLibrary(nullptr));
}

TEST(LayoutLibrary, ReleaseIfMarkedReleasesOnlyMarkedLibraries)
{
    LayoutRegistry registry;
    ASSERT_TRUE(registry.loadLibrary(kGoodModule));
    ASSERT_TRUE(registry.loadLibrary(kGoodModule));
    LayoutLibrary *library = libraryAt(registry, kGoodModule);
    ASSERT_NE(library, nullptr);

    registry.releaseLibraryIfMarked(kGoodModule);
    EXPECT_EQ(library->refCount(), 2);

    library->releaseOnDemand = 1;
    registry.releaseLibraryIfMarked(L"/nowhere/else.so");
    registry.releaseLibraryIfMarked(nullptr);
    EXPECT_EQ(library->refCount(), 2);

    registry.releaseLibraryIfMarked(kGoodModule);
    EXPECT_EQ(library->refCount(), 1);
    registry.releaseLibraryIfMarked(kGoodModule);
    EXPECT_TRUE(registry.libraries.empty());
    EXPECT_EQ(registry.findLayout(kTestScreenName), nullptr);
}

TEST(LayoutLibrary, ForgottenLibraryStaysLoadedUntilItsLastRelease)
{
    LayoutRegistry registry;
    ASSERT_TRUE(registry.loadLibrary(kGoodModule));
    LayoutLibrary *library = libraryAt(registry, kGoodModule);
    ASSERT_NE(library, nullptr);

    registry.forgetLibrary(kGoodModule);
    registry.forgetLibrary(nullptr);
    EXPECT_TRUE(registry.libraries.empty());
    EXPECT_FALSE(registry.unloadLibrary(kGoodModule));
    EXPECT_NE(registry.findLayout(kTestScreenName), nullptr);

    // Its loader still owns a reference; dropping it runs UnregisterLayout.
    library->release();
    EXPECT_TRUE(registry.layouts.empty());
}

TEST(LayoutLibrary, PathsAreKeptInDescendingOrder)
{
    ScratchFolder folder;
    const std::wstring first = folder.copyModule("a_layout.so").wstring();
    const std::wstring second = folder.copyModule("b_layout.so").wstring();
    LayoutRegistry registry;
    ASSERT_TRUE(registry.loadLibrary(first.c_str()));
    ASSERT_TRUE(registry.loadLibrary(second.c_str()));
    ASSERT_EQ(registry.libraries.size(), 2u);
    EXPECT_EQ(registry.libraries.begin()->first, second);
    // Two separate module copies: each registered its own forms.
    EXPECT_EQ(registry.layouts.at(kTestScreenName)->size(), 2u);

    EXPECT_TRUE(registry.unloadLibrary(second.c_str()));
    EXPECT_TRUE(registry.unloadLibrary(first.c_str()));
    EXPECT_TRUE(registry.layouts.empty());
}

// Wide paths reach the loader as UTF-8, with two-, three- and four-byte
// sequences, or the file is simply not found.
TEST(LayoutLibrary, LoadsByNonAsciiPath)
{
    ScratchFolder folder;
    folder.copyModule("m\xC3\xB3"
                      "dulo-\xE2\x82\xAC-\xF0\x9D\x84\x9E.so");
    // Built by hand: the standard library converts through the C locale.
    const std::wstring path = folder.path().wstring() + L"/m\u00F3dulo-\u20AC-\U0001D11E.so";

    LayoutRegistry registry;
    ASSERT_TRUE(registry.loadLibrary(path.c_str())) << quarn::platform::lastModuleError();
    EXPECT_NE(registry.findLayout(kTestScreenName), nullptr);
    EXPECT_TRUE(registry.unloadLibrary(path.c_str()));
}

TEST(ModuleLoading, FailuresAreReportedPerThread)
{
    using namespace quarn::platform;
    EXPECT_EQ(loadModule(L"/nowhere/quarn-missing.so"), nullptr);
    EXPECT_NE(lastModuleError().find("quarn-missing.so"), std::string::npos) << lastModuleError();

    const wchar_t loneSurrogate[] = {L'/', L't', L'm', L'p', L'/', wchar_t(0xD800), 0};
    EXPECT_EQ(loadModule(loneSurrogate), nullptr);
    EXPECT_FALSE(lastModuleError().empty());

    ModuleHandle module = loadModule(kModuleWithoutRegister);
    ASSERT_NE(module, nullptr) << lastModuleError();
    EXPECT_EQ(resolveSymbol(module, L"RegisterLayout"), nullptr);
    EXPECT_NE(lastModuleError().find("RegisterLayout"), std::string::npos) << lastModuleError();
    EXPECT_NE(resolveSymbol(module, L"UnregisterLayout"), nullptr);
    EXPECT_TRUE(freeModule(module));
    EXPECT_FALSE(freeModule(nullptr));
}

TEST(LayoutLibrary, GlobalShortcutsWorkOnTheInstance)
{
    ASSERT_TRUE(LayoutRegistry::loadGlobalLibrary(kGoodModule));
    EXPECT_NE(libraryAt(*LayoutRegistry::instance(), kGoodModule), nullptr);
    EXPECT_NE(LayoutRegistry::findGlobalLayout(kTestItemName), nullptr);

    EXPECT_TRUE(LayoutRegistry::unloadGlobalLibrary(kGoodModule));
    EXPECT_EQ(LayoutRegistry::findGlobalLayout(kTestItemName), nullptr);
    EXPECT_FALSE(LayoutRegistry::unloadGlobalLibrary(kGoodModule));
}

} // namespace
