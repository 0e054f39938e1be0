// Files that are not whole layout modules, handed to loadLibrary: each is
// refused, leaves the registry's tables as they were and nothing mapped.

#include "core/layout_registry.h"
#include "core/platform/module.h"
#include "tests/registry/test_form.h"
#include "tests/registry/test_paths.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const wchar_t *const kLayoutModule = QUARN_WIDE(QUARN_LAYOUT_MODULE);

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

// The files mapped into this process, by path.
std::set<std::string> mappedFiles()
{
    std::set<std::string> files;
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const auto slash = line.find('/');
        if (slash != std::string::npos)
            files.insert(line.substr(slash));
    }
    return files;
}

// Where the registry's tables stand: names with their lists, module paths.
struct Tables {
    std::map<std::string, LayoutList> layouts;
    std::map<std::wstring, LayoutLibrary *> libraries;
    bool operator==(const Tables &other) const { return layouts == other.layouts && libraries == other.libraries; }
};

Tables tablesOf(const LayoutRegistry &registry)
{
    Tables tables;
    for (const auto &[name, list] : registry.layouts)
        tables.layouts.emplace(name, *list);
    for (const auto &[path, library] : registry.libraries)
        tables.libraries.emplace(path, library);
    return tables;
}

// Cut points inside each loadable segment of an ELF image, plus the two
// places where the header and the first page end.
std::vector<std::size_t> cutPoints(const std::string &image)
{
    std::vector<std::size_t> cuts = {700, 4096};
    ElfW(Ehdr) header;
    std::memcpy(&header, image.data(), sizeof header);
    for (unsigned i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) segment;
        std::memcpy(&segment, image.data() + header.e_phoff + i * sizeof segment, sizeof segment);
        if (segment.p_type == PT_LOAD && segment.p_filesz > 2) {
            cuts.push_back(segment.p_offset + segment.p_filesz / 2);
            cuts.push_back(segment.p_offset + segment.p_filesz - 1);
        }
    }
    return cuts;
}

// A shared library of the system that has neither entry point.
fs::path systemLibrary()
{
    Dl_info info{};
    dladdr(reinterpret_cast<void *>(&std::printf), &info);
    const fs::path folder = info.dli_fname ? fs::path(info.dli_fname).parent_path() : fs::path("/usr/lib");
    for (const char *name : {"libz.so.1", "libbz2.so.1.0", "liblzma.so.5", "libexpat.so.1", "libutil.so.1"}) {
        if (fs::exists(folder / name))
            return folder / name;
    }
    return {};
}

class BadModules : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "quarn-bad-modules-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        // Something in both tables, so that "unchanged" means something.
        m_registry.registerLayout("HostScreenClass", &m_hostForm);
        ASSERT_TRUE(m_registry.loadLibrary(kGoodModule)) << quarn::platform::lastModuleError();
    }
    void TearDown() override
    {
        m_registry.unloadLibrary(kGoodModule);
        fs::remove_all(m_folder);
    }

    // loadLibrary refuses path and leaves everything as it was.
    void expectRefused(const fs::path &path, const std::wstring &widePath)
    {
        SCOPED_TRACE(path.string());
        const Tables before = tablesOf(m_registry);
        const std::set<std::string> mappedBefore = mappedFiles();
        EXPECT_FALSE(m_registry.loadLibrary(widePath.c_str()));
        EXPECT_TRUE(tablesOf(m_registry) == before);
        EXPECT_EQ(mappedFiles(), mappedBefore);
        EXPECT_FALSE(m_registry.unloadLibrary(widePath.c_str()));
        EXPECT_TRUE(tablesOf(m_registry) == before);
    }
    void expectRefused(const fs::path &path) { expectRefused(path, path.wstring()); }

    fs::path m_folder;
    TestForm m_hostForm;
    LayoutRegistry m_registry;
};

} // namespace

TEST_F(BadModules, ModuleCutShortAnywhereIsRefused)
{
    const std::string image = readFile(fs::path(kLayoutModule));
    ASSERT_GT(image.size(), 8192u);
    for (const std::size_t cut : cutPoints(image)) {
        const fs::path copy = m_folder / ("cut-" + std::to_string(cut) + ".so");
        writeFile(copy, image.substr(0, cut));
        expectRefused(copy);
    }
    // The whole copy still loads: the check refuses only what is damaged.
    const fs::path whole = m_folder / "whole.so";
    writeFile(whole, image);
    EXPECT_TRUE(quarn::platform::isWholeModuleFile(whole.c_str())) << quarn::platform::lastModuleError();
}

TEST_F(BadModules, FilesThatAreNoModulesAreRefused)
{
    const fs::path empty = m_folder / "empty.so";
    writeFile(empty, std::string());
    expectRefused(empty);
    expectRefused(m_folder);
    expectRefused(fs::path(kNotALibrary));
    const fs::path elfHeaderOnly = m_folder / "header-only.so";
    writeFile(elfHeaderOnly, readFile(fs::path(kGoodModule)).substr(0, sizeof(ElfW(Ehdr))));
    expectRefused(elfHeaderOnly);
}

TEST_F(BadModules, ModulesWithoutBothEntryPointsAreRefused)
{
    const fs::path system = systemLibrary();
    if (system.empty())
        GTEST_SKIP() << "no small system library found";
    expectRefused(system);
    expectRefused(fs::path(kModuleWithoutRegister));
    expectRefused(fs::path(kModuleWithoutUnregister));
}

TEST_F(BadModules, EmptyAndNullPathsAreRefused)
{
    expectRefused(fs::path(), std::wstring());
    const Tables before = tablesOf(m_registry);
    EXPECT_FALSE(m_registry.loadLibrary(nullptr));
    EXPECT_FALSE(m_registry.unloadLibrary(L""));
    EXPECT_TRUE(tablesOf(m_registry) == before);
    EXPECT_EQ(quarn::platform::loadModule(L""), nullptr) << "the loader would hand back the program itself";
}
