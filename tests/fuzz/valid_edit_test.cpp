// What `code` writes for valid edits of the exports, compiled into this
// program, builds the tree Qt's own QUiLoader builds from the same edited
// file: the texts with quotes, backslashes, comment marks and other
// scripts arrive as they were typed, and nothing else moves.

#include "valid_edits.h"

#include "built_form.h"
#include "catalogue_lookup.h"
#include "loaded_tree.h"
#include "tree_comparison.h"

#include <QFile>
#include <QUiLoader>
#include <QVariant>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

using quarn::harness::BuiltForm;

class ValidEdits : public ::testing::TestWithParam<int>
{
};

TEST_P(ValidEdits, BuildWhatQtsLoaderBuildsFromTheSameFile)
{
    const ValidEdit &edit = kValidEdits[GetParam()];
    ASSERT_EQ(edit.refusal, nullptr) << "refused: " << edit.refusal;
    const CatalogueIndexEntry *entry = quarn::harness::findCatalogued(edit.form);
    ASSERT_NE(entry, nullptr) << edit.form;
    const BuiltForm generated(edit.make(), *entry);

    QFile file(QString::fromUtf8(edit.ui));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << edit.ui;
    const std::unique_ptr<QUiLoader> loader = pluginLoader(QStringLiteral(QUARN_DESIGNER_PLUGIN_DIR));
    QString error;
    const std::unique_ptr<QWidget> loaded = loadComparable(*loader, file, &error);
    ASSERT_NE(loaded, nullptr) << error.toStdString();
    forgetLayoutCaches(generated.root());

    const QStringList differences = treeDifferences(generated, loaded.get());
    EXPECT_TRUE(differences.isEmpty()) << differences.size() << " differences:\n"
                                       << differences.mid(0, 100).join(QLatin1Char('\n')).toStdString();
}

// Pins the comparison to the edit: the awkward texts did reach the tree.
TEST(ValidEditsAtAll, CarryTheEditedTexts)
{
    ASSERT_GT(kValidEditCount, 0);
    int carried = 0;
    for (int i = 0; i < kValidEditCount; ++i) {
        const ValidEdit &edit = kValidEdits[i];
        if (!edit.make)
            continue;
        const BuiltForm generated(edit.make(), *quarn::harness::findCatalogued(edit.form));
        for (const QObject *object : generated.root()->findChildren<QObject *>()) {
            for (const char *property : {"text", "content", "html", "toolTip", "windowTitle"}) {
                const QString value = object->property(property).toString();
                if (value.contains(QLatin1String("*/ not the end of a comment")))
                    ++carried;
            }
        }
    }
    EXPECT_GT(carried, 0) << "no edited text in any generated form";
}

INSTANTIATE_TEST_SUITE_P(Forms, ValidEdits, ::testing::Range(0, kValidEditCount),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(kValidEdits[info.param].form);
                         });

} // namespace
