#include "core/platform/module.h"

#include <dlfcn.h>

namespace quarn::platform {

namespace {

// Per thread, like GetLastError and dlerror, so concurrent loads do not
// overwrite each other's reasons.
thread_local std::string t_lastError;

void rememberSystemError()
{
    const char *text = dlerror();
    t_lastError = text ? text : "unknown error";
}

// File names on POSIX are bytes and the loader expects UTF-8; wchar_t there
// holds UTF-32. A code point that is no Unicode scalar value has no UTF-8 form,
// and substituting one could name a different file, so it fails instead.
bool toUtf8(const wchar_t *text, std::string *utf8)
{
    static_assert(sizeof(wchar_t) == 4, "wchar_t is expected to hold UTF-32 here");
    for (; *text; ++text) {
        const auto c = static_cast<char32_t>(*text);
        if (c < 0x80) {
            utf8->push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            utf8->push_back(static_cast<char>(0xC0 | (c >> 6)));
            utf8->push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            if (c >= 0xD800 && c <= 0xDFFF)
                return false;
            utf8->push_back(static_cast<char>(0xE0 | (c >> 12)));
            utf8->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            utf8->push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c <= 0x10FFFF) {
            utf8->push_back(static_cast<char>(0xF0 | (c >> 18)));
            utf8->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            utf8->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            utf8->push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

ModuleHandle loadModule(const wchar_t *path)
{
    std::string utf8Path;
    if (!path || !toUtf8(path, &utf8Path)) {
        t_lastError = "module path is not valid Unicode";
        return nullptr;
    }
    // Bind everything now so a module with unresolved symbols fails here and
    // not in the middle of RegisterLayout; keep its symbols out of the global
    // scope so two layout modules cannot interpose each other's code.
    ModuleHandle module = dlopen(utf8Path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        rememberSystemError();
    return module;
}

ModuleFunction resolveSymbol(ModuleHandle module, const wchar_t *name)
{
    std::string utf8Name;
    if (!module || !name || !toUtf8(name, &utf8Name)) {
        t_lastError = "no module or invalid symbol name";
        return nullptr;
    }
    dlerror(); // drop a stale reason so the one reported below is dlsym's
    void *symbol = dlsym(module, utf8Name.c_str());
    if (!symbol)
        rememberSystemError();
    return reinterpret_cast<ModuleFunction>(symbol);
}

bool freeModule(ModuleHandle module)
{
    if (!module)
        return false;
    if (dlclose(module) != 0) {
        rememberSystemError();
        return false;
    }
    return true;
}

std::string lastModuleError()
{
    return t_lastError;
}

} // namespace quarn::platform
