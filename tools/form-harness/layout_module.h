#pragma once

#include "core/layout_registry.h"

#include <QString>

#include <memory>
#include <string>

class FormLayout;

namespace quarn::harness {

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

} // namespace quarn::harness
