#pragma once

#include "catalogue/catalogue_index.h"

#include <QWidget>

#include <memory>
#include <vector>

class FormLayout;
struct UiRecord;

namespace quarn::harness {

// One screen built as a host builds it: a fresh root (unnamed unless given a
// name), a Ui record of the catalogued field count, setupUi, then (unless
// asked not to) retranslateUi. Nothing else runs in between, so the tree is
// exactly what the form made. The root, and every widget of the form with it,
// dies with this object or with destroyRoot().
class BuiltForm
{
public:
    enum class Steps { SetupOnly, SetupAndRetranslate };

    // root is the widget to build into; a plain QWidget when null.
    BuiltForm(const FormLayout &form, const CatalogueIndexEntry &entry, std::unique_ptr<QWidget> root = nullptr,
              Steps steps = Steps::SetupAndRetranslate);
    ~BuiltForm();
    BuiltForm(BuiltForm &&) noexcept;
    BuiltForm &operator=(BuiltForm &&) noexcept;

    QWidget *root() const { return m_root.get(); }
    // The root's descendant of class T with that object name, or null.
    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return m_root->findChild<T *>(name);
    }
    const FormLayout &form() const { return *m_form; }
    const CatalogueIndexEntry &entry() const { return *m_entry; }
    UiRecord *record();
    int fieldCount() const { return m_entry->fieldCount; }
    void *field(int index) const { return m_record.at(std::size_t(index)); }
    const void *const *fields() const { return m_record.data(); }
    // Whether the form wrote beyond the catalogued fields of its record.
    bool overranRecord() const;

    void retranslate();
    // The tear-down a host does: the root and everything in it go; the
    // record keeps the now dangling pointers.
    void destroyRoot();

    BuiltForm(const BuiltForm &) = delete;
    BuiltForm &operator=(const BuiltForm &) = delete;

private:
    const FormLayout *m_form;
    const CatalogueIndexEntry *m_entry;
    std::unique_ptr<QWidget> m_root;
    // The record plus a guard band that a correct form never touches.
    std::vector<void *> m_record;
};

} // namespace quarn::harness
