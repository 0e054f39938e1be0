#include "checks/bench.h"

#include "bench_support.h"
#include "common/form_host.h"

#include <QFileInfo>
#include <QPixmapCache>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <functional>
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
    // Build + grab() of the root: warm, and cold with the picture cache emptied.
    qint64 frameModule = 0, frameReference = 0, coldFrameModule = 0, coldFrameReference = 0;

    Times &operator+=(const Times &other)
    {
        module += other.module;
        reference += other.reference;
        controls += other.controls;
        floor += other.floor;
        coldModule += other.coldModule;
        coldReference += other.coldReference;
        frameModule += other.frameModule;
        frameReference += other.frameReference;
        coldFrameModule += other.coldFrameModule;
        coldFrameReference += other.coldFrameReference;
        return *this;
    }
};

// Cold runs decode every picture again, so fewer of them: enough for a median.
int coldRuns(int repeat)
{
    return std::min(repeat, 5);
}

void buildModule(const FormLayout &form, const CatalogueIndexEntry &entry)
{
    BuiltForm built(form, entry);
}

void frameModule(const FormLayout &form, const CatalogueIndexEntry &entry)
{
    BuiltForm built(form, entry);
    paintFirstFrame(*built.root());
}

qint64 timeCold(const std::function<void()> &run)
{
    QPixmapCache::clear();
    return timeOnce(run);
}

Times timeForm(const FormLayout &form, const CatalogueIndexEntry &entry, const UicReferenceForm *reference,
               const UicReferenceForm *skeleton, int repeat, bool moduleFirstWhenCold)
{
    Times times;
    // Cold: the first build after the picture cache is emptied decodes every
    // picture again (the first frame: every picture it shows). Whoever goes
    // first in a run also meets everything else cold, so the sides take turns.
    std::vector<qint64> coldModule, coldUic, coldFrameModule, coldFrameUic;
    for (int run = 0; run < coldRuns(repeat); ++run) {
        const bool moduleFirst = (run % 2 == 0) == moduleFirstWhenCold;
        const auto module = [&] {
            coldModule.push_back(timeCold([&] { buildModule(form, entry); }));
            coldFrameModule.push_back(timeCold([&] { frameModule(form, entry); }));
        };
        if (moduleFirst)
            module();
        if (reference) {
            coldUic.push_back(timeCold([&] { buildUicForm(*reference); }));
            coldFrameUic.push_back(timeCold([&] { frameUicForm(*reference); }));
        }
        if (!moduleFirst)
            module();
    }
    times.coldModule = median(coldModule);
    times.coldReference = median(coldUic);
    times.coldFrameModule = median(coldFrameModule);
    times.coldFrameReference = median(coldFrameUic);
    frameModule(form, entry);

    const QVector<QString> names = floorNames(entry.fieldCount);
    std::vector<qint64> module, uic, controls, floor, moduleFrame, uicFrame;
    for (int run = 0; run < repeat; ++run) {
        // Each run in turn goes first, so neither side always meets the
        // allocator in the state the other left.
        const bool moduleFirst = run % 2 == 0;
        if (moduleFirst) {
            module.push_back(timeOnce([&] { buildModule(form, entry); }));
            moduleFrame.push_back(timeOnce([&] { frameModule(form, entry); }));
        }
        if (reference) {
            uic.push_back(timeOnce([&] { buildUicForm(*reference); }));
            uicFrame.push_back(timeOnce([&] { frameUicForm(*reference); }));
        }
        if (!moduleFirst) {
            module.push_back(timeOnce([&] { buildModule(form, entry); }));
            moduleFrame.push_back(timeOnce([&] { frameModule(form, entry); }));
        }
        if (skeleton)
            controls.push_back(timeOnce([&] { buildUicForm(*skeleton); }));
        floor.push_back(timeOnce([&] { buildFloor(names); }));
    }
    times.module = median(module);
    times.reference = median(uic);
    times.controls = median(controls);
    times.floor = median(floor);
    times.frameModule = median(moduleFrame);
    times.frameReference = median(uicFrame);
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
        << micros(times.coldModule) << micros(times.coldReference) << micros(times.frameModule)
        << micros(times.frameReference) << ratio(times.frameModule, times.frameReference)
        << micros(times.coldFrameModule) << micros(times.coldFrameReference)
        << ratio(times.coldFrameModule, times.coldFrameReference) << qSetFieldWidth(0) << '\n';
}

QString millis(qint64 nanoseconds)
{
    return nanoseconds > 0 ? QString::number(double(nanoseconds) / 1e6, 'f', 1) : QStringLiteral("-");
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'f', 1);
}

struct Catalogued {
    const FormLayout *form;
    const CatalogueIndexEntry *entry;
    const UicReferenceForm *reference;
};

// A host that visits every screen in turn: one pass over all forms in one
// process, pictures kept in and evicted from QPixmapCache as they come, the
// two sides' passes interleaved. Median of the passes.
void timeAllForms(const std::vector<Catalogued> &forms, int repeat, QTextStream &out)
{
    const int passes = std::max(3, std::min(repeat, 11));
    std::vector<qint64> module, uic, moduleFrame, uicFrame;
    QPixmapCache::clear();
    for (int pass = 0; pass < passes; ++pass) {
        const auto modulePass = [&] {
            module.push_back(timeOnce([&] {
                for (const Catalogued &form : forms)
                    buildModule(*form.form, *form.entry);
            }));
            moduleFrame.push_back(timeOnce([&] {
                for (const Catalogued &form : forms)
                    frameModule(*form.form, *form.entry);
            }));
        };
        if (pass % 2 == 0)
            modulePass();
        uic.push_back(timeOnce([&] {
            for (const Catalogued &form : forms)
                buildUicForm(*form.reference);
        }));
        uicFrame.push_back(timeOnce([&] {
            for (const Catalogued &form : forms)
                frameUicForm(*form.reference);
        }));
        if (pass % 2 != 0)
            modulePass();
    }
    out << "all " << forms.size() << " forms in one pass (median of " << passes
        << " passes, pictures evicted as they come):\n  build        module " << millis(median(module)) << " ms, uic "
        << millis(median(uic)) << " ms, module/uic " << ratio(median(module), median(uic)) << "\n  first frame  module "
        << millis(median(moduleFrame)) << " ms, uic " << millis(median(uicFrame)) << " ms, module/uic "
        << ratio(median(moduleFrame), median(uicFrame)) << '\n';
}

// What a host holds with every screen built and kept, then once each has been
// painted: resident memory gained, measured before anything else decodes.
void measureMemory(const std::vector<Catalogued> &forms, QTextStream &out)
{
    QPixmapCache::clear();
    const qint64 before = residentBytes();
    if (before < 0)
        return;
    std::vector<BuiltForm> built;
    built.reserve(forms.size());
    for (const Catalogued &form : forms)
        built.emplace_back(*form.form, *form.entry);
    const qint64 afterBuild = residentBytes();
    for (BuiltForm &form : built)
        paintFirstFrame(*form.root());
    const qint64 afterPaint = residentBytes();
    out << "memory with all " << forms.size() << " module forms built and kept: +" << megabytes(afterBuild - before)
        << " MB resident; after each painted once: +" << megabytes(afterPaint - before) << " MB\n\n";
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
           "above ctl: (module - controls) / (uic - controls), each side's own work against the other's\n"
           "cold: the picture cache emptied first (median of up to 5)\n"
           "frame: the first frame a user waits for, build + grab() of the root\n\n";

    std::vector<Catalogued> catalogued;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        const FormLayout *form = module.find(QString::fromLatin1(entry.name));
        const UicReferenceForm *referenceForm = reference.find(entry.name);
        if (form && referenceForm)
            catalogued.push_back({form, &entry, referenceForm});
    }
    measureMemory(catalogued, out);
    out.flush();

    out << qSetFieldWidth(34) << Qt::left << "form" << qSetFieldWidth(7) << Qt::right << "fields" << qSetFieldWidth(10)
        << "module us"
        << "uic us"
        << "controls"
        << "widgets"
        << "mod/uic"
        << "above ctl"
        << "mod/wid"
        << "cold mod"
        << "cold uic"
        << "frame mod"
        << "frame uic"
        << "frm m/u"
        << "cold fr m"
        << "cold fr u"
        << "cfr m/u" << qSetFieldWidth(0) << '\n';
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
    if (!catalogued.empty()) {
        timeAllForms(catalogued, repeat, out);
        out << '\n';
    }
    const qint64 moduleBytes = strippedSize(module.path());
    const qint64 referenceBytes = reference.isLoaded() ? strippedSize(referencePath) : -1;
    printSize(out, "module", module.path(), moduleBytes, measured, fields);
    printSize(out, "uic", referencePath, referenceBytes, measured, fields);
    out << "module/uic bytes per field: " << ratio(moduleBytes, referenceBytes) << '\n';
}

} // namespace quarn::layouttool
