# The host's interface of the registry library: the registry and library
# classes, their type information, and lastModuleError, which says why a load failed.
set(allowed "^(LayoutRegistry::|LayoutLibrary::|(vtable|typeinfo|typeinfo name) for (LayoutRegistry|LayoutLibrary|RefCounted)$|quarn::platform::lastModuleError(\\[abi:cxx11\\])?\\(\\)$)")
# What the bundled host and the tool call.
set(needed "LayoutRegistry::loadLibrary(wchar_t const*)" "LayoutRegistry::findLayout(char const*)"
           "vtable for LayoutLibrary" "quarn::platform::lastModuleError")
