#include "layout_module.h"

#include "core/platform/module.h"

#include <QFileInfo>

namespace quarn::harness {

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

} // namespace quarn::harness
