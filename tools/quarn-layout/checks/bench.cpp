#include "checks/bench.h"

#include "bench_support.h"
#include "common/form_host.h"

#include <QFileInfo>
#include <QPixmapCache>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <vector>

namespace quarn::layouttool {

namespace {

using namespace harness;

QString micros(qint64 nanoseconds)
{
    return nanoseconds > 0 ? QString::number(double(nanoseconds) / 1000.0, 'f', 1) : QStringLiteral("-");
}

QString ratio(qint64 a, qint64 b)
{
    return a > 0 && b > 0 ? QString::number(double(a) / double(b), 'f', 2) : QStringLiteral("-");
}

struct Times {
    qint64 module = 0, reference = 0, controls = 0, floor = 0, coldModule = 0, coldReference = 0;

    Times &operator+=(const Times &other)
    {
        module += other.module;
        reference += other.reference;
        controls += other.controls;
        floor += other.floor;
        coldModule += other.coldModule;
        coldReference += other.coldReference;
        return *this;
    }
};

Times timeForm(const FormLayout &form, const CatalogueIndexEntry &entry, const UicReferenceForm *reference,
               const UicReferenceForm *skeleton, int repeat, bool moduleFirstWhenCold)
{
    Times times;
    // Cold: the first build after the picture cache is emptied decodes every
    // picture again. Whoever goes first also meets everything else cold, so
    // the forms take turns.
    const auto coldModule = [&] {
        QPixmapCache::clear();
        times.coldModule = timeOnce([&] { BuiltForm built(form, entry); });
    };
    if (moduleFirstWhenCold)
        coldModule();
    if (reference) {
        QPixmapCache::clear();
        times.coldReference = timeOnce([&] { buildUicForm(*reference); });
    }
    if (!moduleFirstWhenCold)
        coldModule();
    {
        BuiltForm warmUp(form, entry);
    }

    const QVector<QString> names = floorNames(entry.fieldCount);
    std::vector<qint64> module, uic, controls, floor;
    for (int run = 0; run < repeat; ++run) {
        // Each run in turn goes first, so neither side always meets the
        // allocator in the state the other left.
        const bool moduleFirst = run % 2 == 0;
        if (moduleFirst)
            module.push_back(timeOnce([&] { BuiltForm built(form, entry); }));
        if (reference)
            uic.push_back(timeOnce([&] { buildUicForm(*reference); }));
        if (!moduleFirst)
            module.push_back(timeOnce([&] { BuiltForm built(form, entry); }));
        if (skeleton)
            controls.push_back(timeOnce([&] { buildUicForm(*skeleton); }));
        floor.push_back(timeOnce([&] { buildFloor(names); }));
    }
    times.module = median(module);
    times.reference = median(uic);
    times.controls = median(controls);
    times.floor = median(floor);
    return times;
}

// What each side does beyond creating the controls, against the other.
QString ratioAboveControls(const Times &times)
{
    if (times.controls <= 0 || times.module <= 0 || times.reference <= times.controls)
        return QStringLiteral("-");
    return ratio(std::max<qint64>(times.module - times.controls, 1), times.reference - times.controls);
}

void printRow(QTextStream &out, const QString &name, const QString &fields, const Times &times)
{
    out << qSetFieldWidth(34) << Qt::left << name << qSetFieldWidth(7) << Qt::right << fields << qSetFieldWidth(10)
        << micros(times.module) << micros(times.reference) << micros(times.controls) << micros(times.floor)
        << ratio(times.module, times.reference) << ratioAboveControls(times) << ratio(times.module, times.floor)
        << micros(times.coldModule) << micros(times.coldReference) << qSetFieldWidth(0) << '\n';
}

void printSize(QTextStream &out, const char *what, const QString &path, qint64 bytes, int forms, int fields)
{
    out << qSetFieldWidth(10) << Qt::left << what << qSetFieldWidth(0);
    if (bytes < 0) {
        out << "stripped size unknown (" << path << ")\n";
        return;
    }
    out << bytes << " B stripped, " << QString::number(double(bytes) / forms, 'f', 0) << " B per form, "
        << QString::number(double(bytes) / fields, 'f', 0) << " B per field  (" << QFileInfo(path).fileName() << ")\n";
}

} // namespace

void runBench(LayoutModule &module, const QString &referencePath, const QString &skeletonPath, int repeat,
              QTextStream &out)
{
    const UicFormsLibrary reference(referencePath);
    if (!reference.isLoaded())
        out << "no uic reference at " << referencePath << ": " << reference.errorString() << "\n";
    const UicFormsLibrary skeletons(skeletonPath);
    if (!skeletons.isLoaded())
        out << "no uic skeletons at " << skeletonPath << ": " << skeletons.errorString() << "\n";
    out << "module, uic: the form built and destroyed by the module and by uic's code of its Designer export\n"
           "controls: uic's code of the form's skeleton (its objects, names, geometry, layouts only)\n"
           "widgets: as many plain QWidgets with a name and a geometry\n"
           "above ctl: (module - controls) / (uic - controls), each side's own work against the other's\n\n";

    out << qSetFieldWidth(34) << Qt::left << "form" << qSetFieldWidth(7) << Qt::right << "fields" << qSetFieldWidth(10)
        << "module us"
        << "uic us"
        << "controls"
        << "widgets"
        << "mod/uic"
        << "above ctl"
        << "mod/wid"
        << "cold mod"
        << "cold uic" << qSetFieldWidth(0) << '\n';
    Times total;
    int measured = 0;
    int fields = 0;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        const FormLayout *form = module.find(QString::fromLatin1(entry.name));
        if (!form) {
            out << qSetFieldWidth(34) << Qt::left << entry.name << qSetFieldWidth(0) << "not registered\n";
            continue;
        }
        const UicReferenceForm *referenceForm = reference.find(entry.name);
        const Times times =
            timeForm(*form, entry, referenceForm, skeletons.find(entry.name), repeat, measured % 2 == 0);
        total += times;
        ++measured;
        fields += entry.fieldCount;
        printRow(out, QString::fromLatin1(entry.name), QString::number(entry.fieldCount), times);
        out.flush();
    }
    printRow(out, QStringLiteral("total (%1 forms, median of %2)").arg(measured).arg(repeat), QString::number(fields),
             total);
    out << '\n';
    if (measured == 0 || fields == 0)
        return;
    const qint64 moduleBytes = strippedSize(module.path());
    const qint64 referenceBytes = reference.isLoaded() ? strippedSize(referencePath) : -1;
    printSize(out, "module", module.path(), moduleBytes, measured, fields);
    printSize(out, "uic", referencePath, referenceBytes, measured, fields);
    out << "module/uic bytes per field: " << ratio(moduleBytes, referenceBytes) << '\n';
}

} // namespace quarn::layouttool
