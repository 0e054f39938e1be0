#include "core/platform/recursive_lock.h"

namespace quarn::platform {

void initializeCriticalSection(CriticalSection *section)
{
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    // Recursive: the registry relies on it when a library's destructor
    // re-enters the lock its caller holds.
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&section->mutex, &attributes);
    pthread_mutexattr_destroy(&attributes);
}

void enterCriticalSection(CriticalSection *section)
{
    pthread_mutex_lock(&section->mutex);
}

void leaveCriticalSection(CriticalSection *section)
{
    pthread_mutex_unlock(&section->mutex);
}

void deleteCriticalSection(CriticalSection *section)
{
    pthread_mutex_destroy(&section->mutex);
}

} // namespace quarn::platform
