#include "form_host.h"

#include "core/form_layout.h"
#include "core/platform/module.h"
#include "preview_root.h"

#include <QFileInfo>

#include <algorithm>

namespace quarn::layouttool {

namespace {

constexpr std::size_t kGuardFields = 8;
// Distinct from null and from any pointer a form could store.
void *const kGuardValue = reinterpret_cast<void *>(quintptr(0x5a5a5a5a));

} // namespace

const CatalogueIndexEntry *catalogueEntry(const QString &name)
{
    const QByteArray latin = name.toLatin1();
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        if (latin == entry.name)
            return &entry;
    }
    return nullptr;
}

LayoutModule::LayoutModule(const QString &path)
    : m_path(path)
    , m_widePath(path.toStdWString())
{
}

std::unique_ptr<LayoutModule> LayoutModule::load(const QString &path, QString *error)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        *error = QStringLiteral("layout module not found: %1").arg(path);
        return nullptr;
    }
    std::unique_ptr<LayoutModule> module(new LayoutModule(file.absoluteFilePath()));
    if (!module->m_registry.loadLibrary(module->m_widePath.c_str())) {
        *error = QStringLiteral("cannot load layout module %1: %2")
                     .arg(path, QString::fromStdString(quarn::platform::lastModuleError()));
        return nullptr;
    }
    return module;
}

LayoutModule::~LayoutModule()
{
    m_registry.unloadLibrary(m_widePath.c_str());
}

const FormLayout *LayoutModule::find(const QString &name)
{
    return m_registry.findLayout(name.toLatin1().constData());
}

BuiltForm::BuiltForm(const FormLayout &form, const CatalogueIndexEntry &entry)
    : m_entry(entry)
    , m_root(new PreviewRoot)
    , m_record(std::size_t(entry.fieldCount) + kGuardFields, kGuardValue)
{
    std::fill_n(m_record.begin(), entry.fieldCount, nullptr);
    auto *record = reinterpret_cast<UiRecord *>(m_record.data());
    form.setupUi(record, m_root.get());
    form.retranslateUi(record, m_root.get());
}

BuiltForm::~BuiltForm() = default;

QWidget *BuiltForm::root() const
{
    return m_root.get();
}

bool BuiltForm::overranRecord() const
{
    return std::any_of(m_record.begin() + m_entry.fieldCount, m_record.end(),
                       [](void *slot) { return slot != kGuardValue; });
}

} // namespace quarn::layouttool
