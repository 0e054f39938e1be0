// Time to build each form as a host does, against the same form built by the
// uic code of its Designer export, by uic's code of the form's skeleton (the
// same controls with names, geometry and layouts only), and against the floor
// of constructing the same number of plain widgets with an object name and a
// geometry. The first frame (build + grab() of the root), warm and with the
// picture cache emptied, against uic's.

#include "bench_support.h"
#include "built_form.h"
#include "catalogue/catalogue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QResource>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace quarn::harness;

QString besideProgram(const char *fileName)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(fileName));
}

// One build: a fresh root and record, setupUi, retranslateUi, and the root's
// destruction taking every widget with it.
void buildOnce(std::size_t index)
{
    BuiltForm built(kCatalogue[index].form(), kCatalogueIndex[index]);
}

void frameOnce(std::size_t index)
{
    BuiltForm built(kCatalogue[index].form(), kCatalogueIndex[index]);
    paintFirstFrame(*built.root());
}

// Seconds one run takes after the picture cache is emptied, which is not timed.
double coldSeconds(const std::function<void()> &run)
{
    QPixmapCache::clear();
    QElapsedTimer timer;
    timer.start();
    run();
    return double(timer.nsecsElapsed()) / 1e9;
}

// Stripped size of a library beside this program, per field of all forms.
double strippedBytesPerField(const char *fileName)
{
    const qint64 bytes = strippedSize(besideProgram(fileName));
    if (bytes < 0)
        return -1;
    int fields = 0;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex)
        fields += entry.fieldCount;
    return double(bytes) / fields;
}

void BuildForm(benchmark::State &state, std::size_t index)
{
    for (auto _ : state)
        buildOnce(index);
    state.counters["fields"] = kCatalogueIndex[index].fieldCount;
}

void BuildUic(benchmark::State &state, const UicReferenceForm *form)
{
    for (auto _ : state)
        buildUicForm(*form);
}

void BuildFloor(benchmark::State &state, int fieldCount)
{
    const QVector<QString> names = floorNames(fieldCount);
    for (auto _ : state)
        buildFloor(names);
    state.counters["fields"] = fieldCount;
}

void FrameForm(benchmark::State &state, std::size_t index)
{
    for (auto _ : state)
        frameOnce(index);
}

void FrameUic(benchmark::State &state, const UicReferenceForm *form)
{
    for (auto _ : state)
        frameUicForm(*form);
}

void ColdFrameForm(benchmark::State &state, std::size_t index)
{
    for (auto _ : state)
        state.SetIterationTime(coldSeconds([index] { frameOnce(index); }));
}

void ColdFrameUic(benchmark::State &state, const UicReferenceForm *form)
{
    for (auto _ : state)
        state.SetIterationTime(coldSeconds([form] { frameUicForm(*form); }));
}

// Every form's first frame in turn, as a host visiting every screen: the
// pictures stay in the cache as far as it holds them and are evicted beyond.
void FrameAllForms(benchmark::State &state)
{
    for (auto _ : state) {
        for (std::size_t i = 0; i < kCatalogueSize; ++i)
            frameOnce(i);
    }
    state.counters["forms"] = double(kCatalogueSize);
}

void FrameAllUic(benchmark::State &state, const UicFormsLibrary *forms)
{
    for (auto _ : state) {
        for (int i = 0; i < forms->count(); ++i)
            frameUicForm(forms->at(i));
    }
    state.counters["forms"] = double(forms->count());
}

// The sum of every form's cold first frame.
void ColdFrameAllForms(benchmark::State &state)
{
    for (auto _ : state) {
        double seconds = 0;
        for (std::size_t i = 0; i < kCatalogueSize; ++i)
            seconds += coldSeconds([i] { frameOnce(i); });
        state.SetIterationTime(seconds);
    }
}

void ColdFrameAllUic(benchmark::State &state, const UicFormsLibrary *forms)
{
    for (auto _ : state) {
        double seconds = 0;
        for (int i = 0; i < forms->count(); ++i)
            seconds += coldSeconds([&, i] { frameUicForm(forms->at(i)); });
        state.SetIterationTime(seconds);
    }
}

void BuildAllForms(benchmark::State &state)
{
    for (auto _ : state) {
        for (std::size_t i = 0; i < kCatalogueSize; ++i)
            buildOnce(i);
    }
    state.counters["forms"] = double(kCatalogueSize);
    state.counters["bytes_per_field"] = strippedBytesPerField(QUARN_MODULE_FILE_NAME);
}

void BuildAllUic(benchmark::State &state, const UicFormsLibrary *forms, const char *fileName)
{
    for (auto _ : state) {
        for (int i = 0; i < forms->count(); ++i)
            buildUicForm(forms->at(i));
    }
    state.counters["forms"] = double(forms->count());
    if (fileName)
        state.counters["bytes_per_field"] = strippedBytesPerField(fileName);
}

void BuildAllFloors(benchmark::State &state)
{
    std::vector<QVector<QString>> names;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex)
        names.push_back(floorNames(entry.fieldCount));
    for (auto _ : state) {
        for (const auto &formNames : names)
            buildFloor(formNames);
    }
    state.counters["forms"] = double(kCatalogueSize);
}

// Whether a uic library holds every catalogued form, in catalogue order.
bool holdsTheCatalogue(const UicFormsLibrary &forms, const char *what)
{
    if (std::size_t(forms.count()) != kCatalogueSize) {
        qWarning("quarn_bench: the uic %s does not hold every catalogued form; rebuild it", what);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Without the images every build would skip decoding and lookups a host does.
    const QString images = besideProgram("placeholders.rcc");
    if (!QResource::registerResource(images))
        qWarning("quarn_bench: no placeholder images at %s; forms build without pictures", qPrintable(images));

    const UicFormsLibrary references(besideProgram(QUARN_UIC_REFERENCE_FILE_NAME));
    const UicFormsLibrary skeletons(besideProgram(QUARN_UIC_FLOOR_FILE_NAME));
    if (!holdsTheCatalogue(references, "reference") || !holdsTheCatalogue(skeletons, "skeletons"))
        return 1;
    benchmark::RegisterBenchmark("all/forms", BuildAllForms)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("all/uic", BuildAllUic, &references, QUARN_UIC_REFERENCE_FILE_NAME)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("all/controls", BuildAllUic, &skeletons, nullptr)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("all/floor", BuildAllFloors)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("all/frame/forms", FrameAllForms)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("all/frame/uic", FrameAllUic, &references)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("all/cold_frame/forms", ColdFrameAllForms)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("all/cold_frame/uic", ColdFrameAllUic, &references)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        const std::string name = kCatalogue[i].name;
        benchmark::RegisterBenchmark(("form/" + name).c_str(), BuildForm, i)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("uic/" + name).c_str(), BuildUic, &references.at(int(i)))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("controls/" + name).c_str(), BuildUic, &skeletons.at(int(i)))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("floor/" + name).c_str(), BuildFloor, kCatalogueIndex[i].fieldCount)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("frame/" + name).c_str(), FrameForm, i)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("frame_uic/" + name).c_str(), FrameUic, &references.at(int(i)))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("cold_frame/" + name).c_str(), ColdFrameForm, i)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("cold_frame_uic/" + name).c_str(), ColdFrameUic, &references.at(int(i)))
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
