#include "core/layout_registry.h"
#include "tests/registry/test_form.h"
#include "tests/registry/test_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kThreads = 6;

// How often form appears under name, read the way a host would: under the lock.
long occurrences(LayoutRegistry &registry, const char *name, const FormLayout *form)
{
    quarn::platform::CriticalSectionLocker locker(&registry.layoutLock);
    const auto entry = registry.layouts.find(name);
    if (entry == registry.layouts.end())
        return 0;
    return std::count(entry->second->begin(), entry->second->end(), form);
}

template <typename Work>
void runThreads(int count, Work work)
{
    std::vector<std::thread> threads;
    for (int index = 0; index < count; ++index)
        threads.emplace_back(work, index);
    for (std::thread &thread : threads)
        thread.join();
}

TEST(RegistryConcurrency, NoEntryIsLostOrLeftBehind)
{
    LayoutRegistry registry;
    std::atomic<int> faults{0};
    constexpr char sharedName[] = "SharedScreenClass";

    runThreads(kThreads, [&](int thread) {
        TestForm own;
        TestForm shared;
        const std::string ownName = "Thread" + std::to_string(thread) + "ScreenClass";
        for (int round = 0; round < 400; ++round) {
            registry.registerLayout(ownName.c_str(), &own);
            registry.registerLayout(sharedName, &shared);
            if (registry.findLayout(ownName.c_str()) != &own)
                ++faults;
            if (registry.findLayout(sharedName) == nullptr || occurrences(registry, sharedName, &shared) != 1)
                ++faults;
            registry.unregisterLayout(sharedName, &shared);
            if (occurrences(registry, sharedName, &shared) != 0)
                ++faults;
            registry.unregisterLayout(ownName.c_str(), &own);
            if (registry.findLayout(ownName.c_str()) != nullptr)
                ++faults;
        }
    });

    EXPECT_EQ(faults.load(), 0);
    EXPECT_TRUE(registry.layouts.empty());
}

// Loaders nest layoutLock inside libraryLock; threads that only register must
// neither deadlock with them nor lose entries under the module's own names.
TEST(RegistryConcurrency, LoadingAndRegisteringSideBySide)
{
    LayoutRegistry registry;
    std::atomic<int> faults{0};

    runThreads(kThreads, [&](int thread) {
        if (thread % 2 == 0) {
            for (int round = 0; round < 40; ++round) {
                if (!registry.loadLibrary(kGoodModule))
                    ++faults;
                // This thread's reference keeps the module's forms in.
                if (registry.findLayout(kTestItemName) == nullptr)
                    ++faults;
                if (!registry.unloadLibrary(kGoodModule))
                    ++faults;
            }
        } else {
            TestForm hostForm;
            for (int round = 0; round < 400; ++round) {
                registry.registerLayout(kTestScreenName, &hostForm);
                if (occurrences(registry, kTestScreenName, &hostForm) != 1)
                    ++faults;
                registry.unregisterLayout(kTestScreenName, &hostForm);
            }
        }
    });

    EXPECT_EQ(faults.load(), 0);
    EXPECT_TRUE(registry.libraries.empty());
    EXPECT_TRUE(registry.layouts.empty());
}

} // namespace
