#pragma once

// Paths of the test modules come from the build as narrow string literals.
#define QUARN_WIDEN_LITERAL(text) L##text
#define QUARN_WIDE(text) QUARN_WIDEN_LITERAL(text)

inline const wchar_t *const kGoodModule = QUARN_WIDE(QUARN_GOOD_TEST_MODULE);
inline const wchar_t *const kModuleWithoutRegister = QUARN_WIDE(QUARN_TEST_MODULE_WITHOUT_REGISTER);
inline const wchar_t *const kModuleWithoutUnregister = QUARN_WIDE(QUARN_TEST_MODULE_WITHOUT_UNREGISTER);
inline const wchar_t *const kNotALibrary = QUARN_WIDE(QUARN_NOT_A_LIBRARY);
