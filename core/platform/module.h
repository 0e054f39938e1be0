#pragma once

#include <string>

// Loading of layout modules by wide path, in the shape of the device's system
// calls (load, resolve, free, last error) that the registry was written against.

namespace quarn::platform {

using ModuleHandle = void *;
// Callers cast a resolved symbol to its real function type before calling it.
using ModuleFunction = void (*)();

// Loads the module at path with all its symbols bound at once and kept local
// to it; null on failure. The file is checked before the system loader sees
// it: a file that is not a whole shared library of this machine (cut short,
// empty, a directory, text, another architecture) fails here, because the
// loader maps such files and faults when it touches the missing part.
// It checks the ELF header and that every loadable segment lies within the
// file.
ModuleHandle loadModule(const wchar_t *path);
// Whether the file at path (UTF-8) is a shared library of this machine whose
// loadable parts all lie within the file; the reason in lastModuleError() if
// not.
bool isWholeModuleFile(const char *path);
// The exported function named name, or null when the module has none.
ModuleFunction resolveSymbol(ModuleHandle module, const wchar_t *name);
// Drops one load of module; false when the system refused.
bool freeModule(ModuleHandle module);
// Why the last failing call of this thread failed, as UTF-8 text. A host reads
// it after a failed LayoutRegistry::loadLibrary; it is the one call here that
// the shared registry library exports (core/registry.map), the rest is the
// registry's own.
std::string lastModuleError();

} // namespace quarn::platform
