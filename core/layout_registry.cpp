#include "core/layout_registry.h"

#include <QLoggingCategory>
#include <QString>

#include <algorithm>
#include <memory>

using quarn::platform::CriticalSectionLocker;

namespace {

// QtCore rather than a hook of our own: every host of these modules is a Qt
// program, and QT_LOGGING_RULES then reaches the registry like any Qt library.
// A null argument is a host's bug and shows by default; a failed load is info,
// since the caller learns of it from the result and lastModuleError().
Q_LOGGING_CATEGORY(lcRegistry, "quarn.registry", QtWarningMsg)

void rejectNullArgument(const char *call)
{
    qCWarning(lcRegistry, "LayoutRegistry::%s: ignored a call with a null argument", call);
}

QString text(const std::wstring &path)
{
    return QString::fromStdWString(path);
}

} // namespace

LayoutLibrary::LayoutLibrary(const wchar_t *path, LayoutRegistry *registry)
    : path(path)
    , registry(registry)
{
}

LayoutLibrary::~LayoutLibrary()
{
    if (!module)
        return;
    // Usually runs inside unloadLibrary, which holds libraryLock; the lock is
    // recursive, so forgetLibrary may take it again.
    registry->forgetLibrary(path.c_str());
    if (unregisterEntry)
        unregisterEntry(registry);
    quarn::platform::freeModule(module);
}

// No atomics needed: the registry touches the count only under libraryLock.
void LayoutLibrary::addRef()
{
    ++m_refCount;
}

void LayoutLibrary::release()
{
    if (--m_refCount == 0)
        delete this;
}

bool LayoutLibrary::load()
{
    addRef();
    if (module)
        return true;

    module = quarn::platform::loadModule(path.c_str());
    if (module) {
        const auto registerFunction =
            reinterpret_cast<LayoutEntryPoint>(quarn::platform::resolveSymbol(module, L"RegisterLayout"));
        const auto unregisterFunction =
            reinterpret_cast<LayoutEntryPoint>(quarn::platform::resolveSymbol(module, L"UnregisterLayout"));
        if (registerFunction && unregisterFunction) {
            registerEntry = registerFunction;
            unregisterEntry = unregisterFunction;
            registerEntry(registry);
            return true;
        }
        // Undo at once: a module whose RegisterLayout never ran must not have
        // its UnregisterLayout called, nor count as loaded on a later load().
        quarn::platform::freeModule(module);
        module = nullptr;
    }
    // A successful free leaves the reason as it was.
    qCInfo(lcRegistry, "Cannot load layout module %ls: %s", qUtf16Printable(text(path)),
           quarn::platform::lastModuleError().c_str());
    release();
    return false;
}

LayoutRegistry::LayoutRegistry()
{
    quarn::platform::initializeCriticalSection(&libraryLock);
    quarn::platform::initializeCriticalSection(&layoutLock);
}

LayoutRegistry::~LayoutRegistry()
{
    quarn::platform::deleteCriticalSection(&libraryLock);
    quarn::platform::deleteCriticalSection(&layoutLock);
    // The lists are ours. Libraries are not: each belongs to its loaders.
    for (const auto &entry : layouts)
        delete entry.second;
}

void LayoutRegistry::registerLayout(const char *name, FormLayout *layout)
{
    // A null form would make findLayout's "not registered" ambiguous.
    if (!name || !layout) {
        rejectNullArgument("registerLayout");
        return;
    }
    CriticalSectionLocker locker(&layoutLock);
    const std::string key(name);
    const auto entry = layouts.find(key);
    if (entry != layouts.end()) {
        entry->second->push_back(layout);
        return;
    }
    // Filled before it enters the table, so that not even a failed allocation
    // can leave an empty list behind.
    auto list = std::make_unique<LayoutList>(1, layout);
    layouts.emplace(key, list.get());
    list.release();
}

void LayoutRegistry::unregisterLayout(const char *name, FormLayout *layout)
{
    if (!name) {
        rejectNullArgument("unregisterLayout");
        return;
    }
    CriticalSectionLocker locker(&layoutLock);
    const auto entry = layouts.find(name);
    if (entry == layouts.end())
        return;
    LayoutList *list = entry->second;
    const auto position = std::find(list->begin(), list->end(), layout);
    if (position == list->end())
        return;
    list->erase(position);
    if (list->empty()) {
        delete list;
        layouts.erase(entry);
    }
}

FormLayout *LayoutRegistry::findLayout(const char *name)
{
    if (!name) {
        rejectNullArgument("findLayout");
        return nullptr;
    }
    CriticalSectionLocker locker(&layoutLock);
    const auto entry = layouts.find(name);
    return entry == layouts.end() ? nullptr : entry->second->back();
}

bool LayoutRegistry::loadLibrary(const wchar_t *path)
{
    // The system loader takes "" for the host program itself.
    if (!path || !*path) {
        qCWarning(lcRegistry, "LayoutRegistry::loadLibrary: ignored a %s path", path ? "empty" : "null");
        return false;
    }
    CriticalSectionLocker locker(&libraryLock);
    const auto entry = libraries.find(path);
    if (entry != libraries.end()) {
        entry->second->load(); // already loaded: only adds a reference
        return true;
    }

    auto *library = new LayoutLibrary(path, this);
    library->addRef(); // our own, so that a failed load() is destroyed here
    const bool loaded = library->load();
    if (loaded)
        libraries.emplace(path, library);
    library->release();
    return loaded;
}

bool LayoutRegistry::unloadLibrary(const wchar_t *path)
{
    if (!path) {
        rejectNullArgument("unloadLibrary");
        return false;
    }
    CriticalSectionLocker locker(&libraryLock);
    const auto entry = libraries.find(path);
    if (entry == libraries.end())
        return false;
    entry->second->release(); // the last one also erases the entry
    return true;
}

void LayoutRegistry::releaseLibraryIfMarked(const wchar_t *path)
{
    if (!path) {
        rejectNullArgument("releaseLibraryIfMarked");
        return;
    }
    CriticalSectionLocker locker(&libraryLock);
    const auto entry = libraries.find(path);
    if (entry != libraries.end() && entry->second->releaseOnDemand)
        entry->second->release();
}

void LayoutRegistry::forgetLibrary(const wchar_t *path)
{
    if (!path) {
        rejectNullArgument("forgetLibrary");
        return;
    }
    CriticalSectionLocker locker(&libraryLock);
    libraries.erase(path);
}

LayoutRegistry *LayoutRegistry::instance()
{
    // Never destroyed: hosts may still reach it from their own exit-time
    // destructors, in an order nobody controls.
    static LayoutRegistry *const registry = new LayoutRegistry;
    return registry;
}

FormLayout *LayoutRegistry::findGlobalLayout(const char *name)
{
    return instance()->findLayout(name);
}

bool LayoutRegistry::loadGlobalLibrary(const wchar_t *path)
{
    return instance()->loadLibrary(path);
}

bool LayoutRegistry::unloadGlobalLibrary(const wchar_t *path)
{
    return instance()->unloadLibrary(path);
}
