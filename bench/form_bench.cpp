// Time to build each form as a host does, against the same form built by the
// uic code of its Designer export, by uic's code of the form's skeleton (the
// same controls with names, geometry and layouts only), and against the floor
// of constructing the same number of plain widgets with an object name and a
// geometry.

#include "catalogue/catalogue.h"
#include "uic_reference.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryDir>
#include <QResource>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// One build: a fresh root and record, setupUi, retranslateUi, and the root's
// destruction taking every widget with it.
void buildOnce(const CatalogueEntry &entry, std::vector<void *> &record)
{
    const FormLayout &form = entry.form();
    auto root = std::make_unique<QWidget>();
    auto *ui = reinterpret_cast<UiRecord *>(record.data());
    form.setupUi(ui, root.get());
    form.retranslateUi(ui, root.get());
}

void buildFloorOnce(const std::vector<QString> &names)
{
    auto root = std::make_unique<QWidget>();
    for (const QString &name : names) {
        auto *widget = new QWidget(root.get());
        widget->setObjectName(name);
        widget->setGeometry(4, 4, 40, 20);
    }
}

void buildReferenceOnce(const UicReferenceForm &form)
{
    auto root = std::make_unique<QWidget>();
    form.build(root.get());
}

const UicReferenceForm &referenceFor(std::size_t index)
{
    return quarnUicReferenceForms()->forms[index];
}

const UicReferenceForms *loadSkeletons()
{
    static QLibrary library(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(QUARN_UIC_FLOOR_FILE_NAME)));
    return uicFormsOf(library);
}

// Stripped size of a library beside this program, per field of all forms.
double strippedBytesPerField(const char *fileName)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(fileName));
    QTemporaryDir dir;
    const QString stripped = dir.filePath(QStringLiteral("stripped"));
    QProcess strip;
    strip.start(QStringLiteral("strip"), {QStringLiteral("-o"), stripped, path});
    if (!strip.waitForFinished(60000) || strip.exitCode() != 0)
        return -1;
    int fields = 0;
    for (const CatalogueEntry &entry : kCatalogue)
        fields += entry.fieldCount;
    return double(QFileInfo(stripped).size()) / fields;
}

std::vector<QString> fieldNames(int count)
{
    std::vector<QString> names;
    for (int i = 0; i < count; ++i)
        names.push_back(QStringLiteral("field%1").arg(i));
    return names;
}

std::vector<void *> recordFor(const CatalogueEntry &entry)
{
    return std::vector<void *>(std::size_t(std::max(entry.fieldCount, 1)));
}

void BuildForm(benchmark::State &state, const CatalogueEntry *entry)
{
    std::vector<void *> record = recordFor(*entry);
    for (auto _ : state)
        buildOnce(*entry, record);
    state.counters["fields"] = entry->fieldCount;
}

void BuildReference(benchmark::State &state, const UicReferenceForm *form)
{
    for (auto _ : state)
        buildReferenceOnce(*form);
}

void BuildFloor(benchmark::State &state, int fieldCount)
{
    const std::vector<QString> names = fieldNames(fieldCount);
    for (auto _ : state)
        buildFloorOnce(names);
    state.counters["fields"] = fieldCount;
}

void BuildAllForms(benchmark::State &state)
{
    std::vector<std::vector<void *>> records;
    for (const CatalogueEntry &entry : kCatalogue)
        records.push_back(recordFor(entry));
    for (auto _ : state) {
        for (std::size_t i = 0; i < kCatalogueSize; ++i)
            buildOnce(kCatalogue[i], records[i]);
    }
    state.counters["forms"] = double(kCatalogueSize);
    state.counters["bytes_per_field"] = strippedBytesPerField(QUARN_MODULE_FILE_NAME);
}

void BuildAllReferences(benchmark::State &state)
{
    for (auto _ : state) {
        for (std::size_t i = 0; i < kCatalogueSize; ++i)
            buildReferenceOnce(referenceFor(i));
    }
    state.counters["forms"] = double(kCatalogueSize);
    state.counters["bytes_per_field"] = strippedBytesPerField(QUARN_UIC_REFERENCE_FILE_NAME);
}

void BuildAllSkeletons(benchmark::State &state, const UicReferenceForms *skeletons)
{
    for (auto _ : state) {
        for (int i = 0; i < skeletons->count; ++i)
            buildReferenceOnce(skeletons->forms[i]);
    }
    state.counters["forms"] = double(skeletons->count);
}

void BuildAllFloors(benchmark::State &state)
{
    std::vector<std::vector<QString>> names;
    for (const CatalogueEntry &entry : kCatalogue)
        names.push_back(fieldNames(entry.fieldCount));
    for (auto _ : state) {
        for (const auto &formNames : names)
            buildFloorOnce(formNames);
    }
    state.counters["forms"] = double(kCatalogueSize);
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
    const QString images = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("placeholders.rcc"));
    if (!QResource::registerResource(images))
        qWarning("quarn_bench: no placeholder images at %s; forms build without pictures", qPrintable(images));

    if (std::size_t(quarnUicReferenceForms()->count) != kCatalogueSize) {
        qWarning("quarn_bench: the uic reference does not hold every catalogued form; rebuild it");
        return 1;
    }
    benchmark::RegisterBenchmark("all/forms", BuildAllForms)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("all/uic", BuildAllReferences)->Unit(benchmark::kMillisecond);
    const UicReferenceForms *skeletons = loadSkeletons();
    if (!skeletons || std::size_t(skeletons->count) != kCatalogueSize) {
        qWarning("quarn_bench: the uic skeletons do not hold every catalogued form; rebuild them");
        return 1;
    }
    benchmark::RegisterBenchmark("all/controls", BuildAllSkeletons, skeletons)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("all/floor", BuildAllFloors)->Unit(benchmark::kMillisecond);
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        const CatalogueEntry &entry = kCatalogue[i];
        const std::string name = entry.name;
        benchmark::RegisterBenchmark(("form/" + name).c_str(), BuildForm, &entry)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("uic/" + name).c_str(), BuildReference, &referenceFor(i))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("controls/" + name).c_str(), BuildReference, &skeletons->forms[i])
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("floor/" + name).c_str(), BuildFloor, entry.fieldCount)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
