#include "loaded_tree.h"

#include <QLayout>
#include <QUiLoader>
#include <QVariant>
#include <QWidget>

std::unique_ptr<QUiLoader> pluginLoader(const QString &dir)
{
    auto loader = std::make_unique<QUiLoader>();
    loader->clearPluginPaths();
    loader->addPluginPath(dir);
    return loader;
}

namespace {

// QUiLoader applies a layout's margins and grid spacings, then also leaves
// them on the layout as dynamic properties of the same names (QLayout has no
// such properties to write); uic's code and the module set them once. They
// are taken off before comparing: the margins and spacings themselves are
// compared through the layouts' own settings.
void dropLayoutPropertiesLeftByTheLoader(QWidget *root)
{
    static const char *const names[] = {"leftMargin",   "topMargin",         "rightMargin",
                                        "bottomMargin", "horizontalSpacing", "verticalSpacing"};
    for (QLayout *layout : root->findChildren<QLayout *>()) {
        for (const char *name : names) {
            if (layout->dynamicPropertyNames().contains(name))
                layout->setProperty(name, QVariant());
        }
    }
}

} // namespace

std::unique_ptr<QWidget> loadComparable(QUiLoader &loader, QIODevice &file, QString *error)
{
    std::unique_ptr<QWidget> root(loader.load(&file));
    if (!root) {
        *error = loader.errorString();
        return nullptr;
    }
    dropLayoutPropertiesLeftByTheLoader(root.get());
    forgetLayoutCaches(root.get());
    return root;
}

// A layout caches its size hints when first asked; QUiLoader asks while it
// is still adding members (a scroll area's content in CoordEntryScreenClass),
// so its cached sizeHint and minimumSizeHint are older than the form. Both
// trees' layouts forget their caches, and the hints are compared as the
// settings the form made give them.
void forgetLayoutCaches(QWidget *root)
{
    for (QLayout *layout : root->findChildren<QLayout *>())
        layout->invalidate();
}
