#pragma once

#include "core/platform/module.h"
#include "core/platform/recursive_lock.h"

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <deque>
#include <map>
#include <string>

class FormLayout;
class LayoutRegistry;

// The forms registered under one name, oldest first; the back one is in force.
using LayoutList = std::deque<FormLayout *>;

// RegisterLayout and UnregisterLayout of a layout module.
using LayoutEntryPoint = int (*)(LayoutRegistry *registry);

// The host and every layout module walk the same maps with their own copy of
// the map code, so all of them must order keys alike: as C strings, descending.
struct DescendingNameOrder {
    bool operator()(const std::string &left, const std::string &right) const
    {
        return std::strcmp(left.c_str(), right.c_str()) > 0;
    }
};
struct DescendingPathOrder {
    bool operator()(const std::wstring &left, const std::wstring &right) const
    {
        return std::wcscmp(left.c_str(), right.c_str()) > 0;
    }
};

// An object that deletes itself when its last reference is released. The slot
// order of the three virtuals is shared with hosts and other modules.
class RefCounted
{
public:
    RefCounted() = default;
    virtual ~RefCounted() = default;
    virtual void addRef() = 0;
    virtual void release() = 0;

    std::int32_t refCount() const { return m_refCount; }

    RefCounted(const RefCounted &) = delete;
    RefCounted &operator=(const RefCounted &) = delete;

protected:
    std::int32_t m_refCount = 0;
};

// One loaded layout module. Each successful LayoutRegistry::loadLibrary of its
// path holds one reference and each unloadLibrary drops one; the entry in
// LayoutRegistry::libraries holds none. The last release unregisters the
// module's forms and unloads it.
class LayoutLibrary final : public RefCounted
{
public:
    LayoutLibrary(const wchar_t *path, LayoutRegistry *registry);
    ~LayoutLibrary() override;
    void addRef() override;
    void release() override;

    // Adds a reference and, the first time, loads the module and calls its
    // RegisterLayout. On failure the reference is dropped again.
    bool load();

    // Fields in record order.
    std::wstring path; // own copy: the map key is gone by the time it is needed
    LayoutRegistry *registry;
    LayoutEntryPoint registerEntry = nullptr;
    LayoutEntryPoint unregisterEntry = nullptr;
    quarn::platform::ModuleHandle module = nullptr;
    std::int32_t releaseOnDemand = 0; // hosts set it; releaseLibraryIfMarked reads it
};

// The name-to-form table shared by a host and the layout modules it loads,
// together with the table of layout modules loaded by path. Any thread may
// call any operation; a null name or path is ignored.
class LayoutRegistry
{
public:
    LayoutRegistry();
    // Deletes the per-name lists; loaded modules stay loaded.
    ~LayoutRegistry();

    // Puts layout at the back of name's list; the registry never owns it.
    void registerLayout(const char *name, FormLayout *layout);
    // Takes layout out of name's list; a name whose list empties leaves the table.
    void unregisterLayout(const char *name, FormLayout *layout);
    // The form registered last under name, or null.
    FormLayout *findLayout(const char *name);

    // Loads the layout module at path (once per path, counted) and calls its
    // RegisterLayout with this registry. False if the file is missing, is not a
    // module, or lacks either entry point.
    bool loadLibrary(const wchar_t *path);
    // Drops one load of path; the last calls UnregisterLayout and unloads the
    // module. False when path was never loaded. Everything built from its
    // forms must be gone by then.
    bool unloadLibrary(const wchar_t *path);
    // Drops one load of path, as unloadLibrary does, but only when the host
    // has marked its record (LayoutLibrary::releaseOnDemand).
    void releaseLibraryIfMarked(const wchar_t *path);
    // Drops the path's entry without releasing the library.
    void forgetLibrary(const wchar_t *path);

    // The process-wide registry, created on first use and never destroyed.
    static LayoutRegistry *instance();
    // The same operations on instance(). C++ does not let a static member share
    // name and parameters with a non-static one, hence "Global" in the names.
    static FormLayout *findGlobalLayout(const char *name);
    static bool loadGlobalLibrary(const wchar_t *path);
    static bool unloadGlobalLibrary(const wchar_t *path);

    LayoutRegistry(const LayoutRegistry &) = delete;
    LayoutRegistry &operator=(const LayoutRegistry &) = delete;

    // The record. Hosts and layout modules built apart use these fields
    // directly, so neither their order nor their types may change.
    std::map<std::string, LayoutList *, DescendingNameOrder> layouts; // owns the lists
    std::map<std::wstring, LayoutLibrary *, DescendingPathOrder> libraries;
    quarn::platform::CriticalSection libraryLock; // guards libraries
    quarn::platform::CriticalSection layoutLock;  // guards layouts and their lists
};
