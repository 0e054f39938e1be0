#pragma once

#include "catalogue/catalogue_index.h"
#include "core/layout_registry.h"

#include <QString>

#include <memory>
#include <vector>

class FormLayout;
class QWidget;

namespace quarn::layouttool {

class PreviewRoot;

// The catalogue entry registered under name, or null.
const CatalogueIndexEntry *catalogueEntry(const QString &name);

// A layout module loaded by path into a registry of our own, the way a device
// host brings one in: the registry calls the module's RegisterLayout, and the
// last reference, dropped on destruction, unregisters and unloads it again.
// Everything built from the module must be gone before this object is.
class LayoutModule
{
public:
    // Null, with the reason in *error, when the file is missing or is no
    // layout module.
    static std::unique_ptr<LayoutModule> load(const QString &path, QString *error);
    ~LayoutModule();

    // The form registered last under name, or null.
    const FormLayout *find(const QString &name);
    QString path() const { return m_path; }

    LayoutModule(const LayoutModule &) = delete;
    LayoutModule &operator=(const LayoutModule &) = delete;

private:
    explicit LayoutModule(const QString &path);

    QString m_path;
    std::wstring m_widePath;
    LayoutRegistry m_registry;
};

// One screen built as a host builds it: a fresh unnamed root, a Ui record of
// the catalogued field count, setupUi, then retranslateUi. Nothing else runs
// in between, so the tree is exactly what the form made. The root (and every
// widget of the form with it) dies with this object.
class BuiltForm
{
public:
    BuiltForm(const FormLayout &form, const CatalogueIndexEntry &entry);
    ~BuiltForm();

    QWidget *root() const;
    const CatalogueIndexEntry &entry() const { return m_entry; }
    int fieldCount() const { return m_entry.fieldCount; }
    void *field(int index) const { return m_record.at(std::size_t(index)); }
    // Whether the form wrote beyond the catalogued fields of its record.
    bool overranRecord() const;

    BuiltForm(const BuiltForm &) = delete;
    BuiltForm &operator=(const BuiltForm &) = delete;

private:
    const CatalogueIndexEntry &m_entry;
    std::unique_ptr<PreviewRoot> m_root;
    // The record plus a guard band that a correct form never touches.
    std::vector<void *> m_record;
};

} // namespace quarn::layouttool
