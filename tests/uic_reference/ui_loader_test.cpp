// The forms' Designer exports loaded at run time by QUiLoader, with the
// controls' Designer plugin, build the module's tree: everything `dump --full`
// reports, save the values Qt derives differently in two trees.

#include "built_form.h"
#include "catalogue/catalogue.h"
#include "tree_comparison.h"
#include "export/ui_export.h"

#include <QBuffer>
#include <QLayout>
#include <QUiLoader>
#include <QVariant>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

using quarn::harness::BuiltForm;
using quarn::layouttool::UiExporter;

// The plugin only, so a control it does not know falls back to its Qt base
// class and shows up as a difference.
std::unique_ptr<QUiLoader> pluginLoader()
{
    auto loader = std::make_unique<QUiLoader>();
    loader->clearPluginPaths();
    loader->addPluginPath(QStringLiteral(QUARN_DESIGNER_PLUGIN_DIR));
    return loader;
}

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

TEST(UiLoader, KnowsEveryControlThroughThePlugin)
{
    const std::unique_ptr<QUiLoader> loader = pluginLoader();
    const QStringList available = loader->availableWidgets();
    EXPECT_TRUE(available.contains(QStringLiteral("ZelPushButton")));
    EXPECT_TRUE(available.contains(QStringLiteral("zelCompass")));
}

TEST(UiLoader, BuildsTheModulesTreeAsDumpedInFull)
{
    const std::unique_ptr<QUiLoader> loader = pluginLoader();
    UiExporter exporter(placeholderImages());
    QStringList all;
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        const CatalogueIndexEntry &entry = kCatalogueIndex[i];
        SCOPED_TRACE(entry.name);
        const BuiltForm module(kCatalogue[i].form(), entry);
        QByteArray form = exporter.exportForm(module);
        ASSERT_TRUE(exporter.omissions().isEmpty()) << exporter.omissions().join(QLatin1Char('\n')).toStdString();
        QBuffer file(&form);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::unique_ptr<QWidget> loaded(loader->load(&file));
        ASSERT_NE(loaded, nullptr) << loader->errorString().toStdString();
        dropLayoutPropertiesLeftByTheLoader(loaded.get());
        forgetLayoutCaches(loaded.get());
        forgetLayoutCaches(module.root());
        all += treeDifferences(module, loaded.get());
    }
    EXPECT_TRUE(all.isEmpty()) << all.size() << " differences:\n"
                               << all.mid(0, 200).join(QLatin1Char('\n')).toStdString();
}

} // namespace
