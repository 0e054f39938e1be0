// The forms' Designer exports loaded at run time by QUiLoader, with the
// controls' Designer plugin, build the module's tree: everything `dump --full`
// reports, save the values Qt derives differently in two trees.

#include "built_form.h"
#include "catalogue/catalogue.h"
#include "loaded_tree.h"
#include "tree_comparison.h"
#include "export/ui_export.h"

#include <QBuffer>
#include <QUiLoader>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

using quarn::harness::BuiltForm;
using quarn::layouttool::UiExporter;

TEST(UiLoader, KnowsEveryControlThroughThePlugin)
{
    const std::unique_ptr<QUiLoader> loader = pluginLoader(QStringLiteral(QUARN_DESIGNER_PLUGIN_DIR));
    const QStringList available = loader->availableWidgets();
    EXPECT_TRUE(available.contains(QStringLiteral("ZelPushButton")));
    EXPECT_TRUE(available.contains(QStringLiteral("zelCompass")));
}

TEST(UiLoader, BuildsTheModulesTreeAsDumpedInFull)
{
    const std::unique_ptr<QUiLoader> loader = pluginLoader(QStringLiteral(QUARN_DESIGNER_PLUGIN_DIR));
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
        QString error;
        const std::unique_ptr<QWidget> loaded = loadComparable(*loader, file, &error);
        ASSERT_NE(loaded, nullptr) << error.toStdString();
        forgetLayoutCaches(module.root());
        all += treeDifferences(module, loaded.get());
    }
    EXPECT_TRUE(all.isEmpty()) << all.size() << " differences:\n"
                               << all.mid(0, 200).join(QLatin1Char('\n')).toStdString();
}

} // namespace
