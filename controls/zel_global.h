#pragma once

#include <QtGlobal>

#if defined(ZEL_BUILD_CONTROLS)
#define ZEL_EXPORT Q_DECL_EXPORT
#else
#define ZEL_EXPORT Q_DECL_IMPORT
#endif
