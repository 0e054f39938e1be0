#pragma once

// A recursive critical section in the shape of the device's system calls,
// which the registry was written against. The registry record embeds the
// section by value, so its layout is part of the record.

#include <pthread.h>

namespace quarn::platform {

struct CriticalSection {
    pthread_mutex_t mutex;
};

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
