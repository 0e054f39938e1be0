#include "built_form.h"

#include "core/form_layout.h"

#include <QWidget>

#include <algorithm>

namespace quarn::harness {

namespace {

constexpr std::size_t kGuardFields = 8;
// Distinct from null and from any pointer a form could store.
void *const kGuardValue = reinterpret_cast<void *>(quintptr(0x5a5a5a5a));

} // namespace

BuiltForm::BuiltForm(const FormLayout &form, const CatalogueIndexEntry &entry, std::unique_ptr<QWidget> root,
                     Steps steps)
    : m_form(&form)
    , m_entry(&entry)
    , m_root(root ? std::move(root) : std::make_unique<QWidget>())
    , m_record(std::size_t(entry.fieldCount) + kGuardFields, kGuardValue)
{
    std::fill_n(m_record.begin(), entry.fieldCount, nullptr);
    form.setupUi(record(), m_root.get());
    if (steps == Steps::SetupAndRetranslate)
        retranslate();
}

BuiltForm::~BuiltForm() = default;
BuiltForm::BuiltForm(BuiltForm &&) noexcept = default;
BuiltForm &BuiltForm::operator=(BuiltForm &&) noexcept = default;

UiRecord *BuiltForm::record()
{
    return reinterpret_cast<UiRecord *>(m_record.data());
}

bool BuiltForm::overranRecord() const
{
    return std::any_of(m_record.begin() + m_entry->fieldCount, m_record.end(),
                       [](void *slot) { return slot != kGuardValue; });
}

void BuiltForm::retranslate()
{
    m_form->retranslateUi(record(), m_root.get());
}

void BuiltForm::destroyRoot()
{
    m_root.reset();
}

} // namespace quarn::harness
