#pragma once

#include "uic_reference.h"

#include <QLibrary>
#include <QString>
#include <QVector>

#include <functional>
#include <vector>

namespace quarn::harness {

// What the tool's bench and the benchmark program both time besides the
// module's own builds, and how.

// Nanoseconds one call of build takes.
qint64 timeOnce(const std::function<void()> &build);
// The median of the runs: the machine is shared, and a median shrugs off the
// runs another process got in the way of.
qint64 median(std::vector<qint64> times);

// The floor: as many plain QWidgets as a form has fields, each given a name
// and a geometry, in a fresh root that is destroyed again.
QVector<QString> floorNames(int fieldCount);
void buildFloor(const QVector<QString> &names);
// One form of a uic library built into a fresh root that is destroyed again.
void buildUicForm(const UicReferenceForm &form);
// The first frame a user waits for: the form built, its root painted once as a
// host's grab() of it paints it, and destroyed again.
void paintFirstFrame(QWidget &root);
void frameUicForm(const UicReferenceForm &form);

// What the process holds resident, in bytes; -1 where the system does not say.
qint64 residentBytes();

// The size of the file once stripped, as a device would carry it; -1 when
// strip is missing or fails.
qint64 strippedSize(const QString &path);

// A uic forms library (the reference or the skeletons), loaded like the
// module: by path, at run time.
class UicFormsLibrary
{
public:
    explicit UicFormsLibrary(const QString &path);

    bool isLoaded() const { return m_forms; }
    QString errorString() const { return m_library.errorString(); }
    int count() const { return m_forms ? m_forms->count : 0; }
    const UicReferenceForm &at(int index) const { return m_forms->forms[index]; }
    // The form named name, or null.
    const UicReferenceForm *find(const char *name) const;

    UicFormsLibrary(const UicFormsLibrary &) = delete;
    UicFormsLibrary &operator=(const UicFormsLibrary &) = delete;

private:
    QLibrary m_library;
    const UicReferenceForms *m_forms = nullptr;
};

} // namespace quarn::harness
