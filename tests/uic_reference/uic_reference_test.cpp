// The forms exported as Designer forms and compiled by uic build the same
// tree as the module: everything `dump --full` reports, save the few values
// Qt derives differently in the two trees. Their skeletons build the same
// objects (names, classes, parents, geometry) and set nothing else.

#include "bench_support.h"
#include "built_form.h"
#include "catalogue/catalogue.h"
#include "form_census.h"
#include "dump/form_dumper.h"
#include "common/image_index.h"
#include "tree_comparison.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLayout>
#include <QResource>
#include <QSpacerItem>
#include <QLibrary>
#include <QScrollArea>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace {

using namespace quarn::harness;
using quarn::layouttool::FormDumper;
using quarn::layouttool::ImageIndex;

// What the comparison looks at for one object; geometry only for widgets the
// form placed itself.
QString describe(const QObject &object)
{
    QString text = QString::fromLatin1(object.metaObject()->className()) + QLatin1Char(' ') + object.objectName()
        + QStringLiteral(" in ") + (object.parent() ? object.parent()->objectName() : QStringLiteral("-"));
    if (object.isWidgetType()) {
        const auto &widget = static_cast<const QWidget &>(object);
        if ((widget.testAttribute(Qt::WA_Moved) || widget.testAttribute(Qt::WA_Resized)) && !placedByQt(widget)) {
            const QRect g = widget.geometry();
            text += QStringLiteral(" at %1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        }
    }
    return text;
}

// Every object the form created: the Ui record's fields that are objects.
std::multiset<QString> fieldsOf(const BuiltForm &form)
{
    const FormCensus census(form);
    std::multiset<QString> fields;
    for (int i = 0; i < census.fieldCount(); ++i) {
        if (const QObject *object = census.object(i))
            fields.insert(describe(*object));
    }
    return fields;
}

// The same objects in the uic tree, found by name.
std::multiset<QString> namedObjectsOf(const std::multiset<QString> &fields, QWidget *root)
{
    std::set<QString> names;
    for (const QString &field : fields)
        names.insert(field.section(QLatin1Char(' '), 1, 1));
    std::multiset<QString> objects;
    for (QObject *object : root->findChildren<QObject *>()) {
        if (names.count(object->objectName()))
            objects.insert(describe(*object));
    }
    return objects;
}

const UicFormsLibrary &references()
{
    static const UicFormsLibrary library(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(QUARN_UIC_REFERENCE_FILE_NAME)));
    return library;
}

const UicFormsLibrary &skeletons()
{
    static const UicFormsLibrary library(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(QUARN_UIC_FLOOR_FILE_NAME)));
    return library;
}

void expectTheModulesObjects(const UicFormsLibrary &library)
{
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        const CatalogueIndexEntry &entry = kCatalogueIndex[i];
        SCOPED_TRACE(entry.name);
        const UicReferenceForm *reference = library.find(entry.name);
        ASSERT_NE(reference, nullptr);

        const BuiltForm module(kCatalogue[i].form(), entry);
        QWidget *moduleRoot = module.root();
        const std::multiset<QString> fields = fieldsOf(module);
        EXPECT_EQ(fields.empty(), entry.fieldCount == 0);

        auto uicRoot = std::make_unique<QWidget>();
        reference->build(uicRoot.get());
        EXPECT_EQ(uicRoot->objectName(), moduleRoot->objectName());
        EXPECT_EQ(uicRoot->size(), moduleRoot->size());

        const std::multiset<QString> built = namedObjectsOf(fields, uicRoot.get());
        std::vector<QString> missing, extra;
        std::set_difference(fields.begin(), fields.end(), built.begin(), built.end(), std::back_inserter(missing));
        std::set_difference(built.begin(), built.end(), fields.begin(), fields.end(), std::back_inserter(extra));
        EXPECT_TRUE(missing.empty() && extra.empty())
            << "module only: " << QStringList(missing.begin(), missing.end()).join(QStringLiteral("; ")).toStdString()
            << "\nuic only: " << QStringList(extra.begin(), extra.end()).join(QStringLiteral("; ")).toStdString();
    }
}

TEST(UicReference, HoldsEveryRegisteredFormInCatalogueOrder)
{
    for (const UicFormsLibrary *library : {&references(), &skeletons()}) {
        ASSERT_TRUE(library->isLoaded()) << library->errorString().toStdString();
        ASSERT_EQ(std::size_t(library->count()), kCatalogueSize);
        for (std::size_t i = 0; i < kCatalogueSize; ++i)
            EXPECT_STREQ(library->at(int(i)).name, kCatalogueIndex[i].name);
    }
}

TEST(UicReference, BuildsTheModulesObjectsForEveryForm)
{
    ASSERT_TRUE(references().isLoaded());
    expectTheModulesObjects(references());
}

TEST(UicSkeletons, BuildTheModulesObjectsAndSetNothingElse)
{
    ASSERT_TRUE(skeletons().isLoaded());
    expectTheModulesObjects(skeletons());
    for (int i = 0; i < skeletons().count(); ++i) {
        const UicReferenceForm &skeleton = skeletons().at(i);
        SCOPED_TRACE(skeleton.name);
        auto root = std::make_unique<QWidget>();
        skeleton.build(root.get());
        EXPECT_TRUE(root->windowTitle().isEmpty());
        for (const QWidget *widget : root->findChildren<QWidget *>()) {
            if (widget->objectName().startsWith(QLatin1String("qt_")))
                continue; // a Qt control's own parts
            EXPECT_FALSE(widget->testAttribute(Qt::WA_SetFont)) << widget->objectName().toStdString();
            EXPECT_FALSE(widget->testAttribute(Qt::WA_SetPalette)) << widget->objectName().toStdString();
            EXPECT_TRUE(widget->dynamicPropertyNames().isEmpty()) << widget->objectName().toStdString();
        }
    }
}

TEST(UicReference, BuildsTheModulesTreeAsDumpedInFull)
{
    ASSERT_TRUE(references().isLoaded());
    // The bundle goes in before either side builds: the module's controls
    // decode their pictures when the dump asks, uic's code as it builds.
    placeholderImages();
    QStringList all;
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        const CatalogueIndexEntry &entry = kCatalogueIndex[i];
        const UicReferenceForm *reference = references().find(entry.name);
        ASSERT_NE(reference, nullptr) << entry.name;
        const BuiltForm module(kCatalogue[i].form(), entry);
        QWidget uicRoot;
        reference->build(&uicRoot);
        all += treeDifferences(module, &uicRoot);
    }
    EXPECT_TRUE(all.isEmpty()) << all.size() << " differences:\n"
                               << all.mid(0, 200).join(QLatin1Char('\n')).toStdString();
}

} // namespace
