#pragma once

// A recursive critical section with the shape of the Windows API, so the
// registry reads the same on every platform. The registry record embeds the
// section by value, which is why the type itself is platform-specific here.

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <pthread.h>
#endif

namespace quarn::platform {

#if defined(_WIN32)
using CriticalSection = CRITICAL_SECTION;
#else
struct CriticalSection {
    pthread_mutex_t mutex;
};
#endif

// Recursive: the owning thread may enter again and must leave as often.
void initializeCriticalSection(CriticalSection *section);
void enterCriticalSection(CriticalSection *section);
void leaveCriticalSection(CriticalSection *section);
void deleteCriticalSection(CriticalSection *section);

// Holds a critical section for the lifetime of a scope.
class CriticalSectionLocker
{
public:
    explicit CriticalSectionLocker(CriticalSection *section)
        : m_section(section)
    {
        enterCriticalSection(m_section);
    }
    ~CriticalSectionLocker() { leaveCriticalSection(m_section); }

    CriticalSectionLocker(const CriticalSectionLocker &) = delete;
    CriticalSectionLocker &operator=(const CriticalSectionLocker &) = delete;

private:
    CriticalSection *m_section;
};

} // namespace quarn::platform
