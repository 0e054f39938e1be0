// The forms exported as Designer forms and compiled by uic build the same
// tree as the module: everything `dump --full` reports, save the few values
// Qt derives differently in the two trees. Their skeletons build the same
// objects (names, classes, parents, geometry) and set nothing else.

#include "bench_support.h"
#include "built_form.h"
#include "catalogue/catalogue.h"
#include "form_census.h"
#include "form_dump.h"
#include "image_index.h"

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

bool inLayout(const QLayout &layout, const QWidget &widget)
{
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem *item = layout.itemAt(i);
        if (item->widget() == &widget || (item->layout() && inLayout(*item->layout(), widget)))
            return true;
    }
    return false;
}

// A layout's members and a scroll area's content get their geometry from Qt,
// which computes it at different moments in the two trees (uic's code hands the
// content over before the form's own geometry is restored); only the places
// the forms set themselves are compared.
bool placedByQt(const QWidget &widget)
{
    const QWidget *parent = widget.parentWidget();
    if (!parent)
        return false;
    if (parent->layout() && inLayout(*parent->layout(), widget))
        return true;
    const auto *area = qobject_cast<const QScrollArea *>(parent->parentWidget());
    return area && area->widget() == &widget;
}

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

// The uic tree's counterpart of each module field: the object of the same
// name and class, or the spacer at the same place of the same layout.
std::vector<const void *> counterparts(const FormCensus &module, QWidget *uicRoot)
{
    std::vector<const void *> fields(std::size_t(module.fieldCount()), nullptr);
    for (int i = 0; i < module.fieldCount(); ++i) {
        if (const QObject *object = module.object(i)) {
            for (QObject *candidate : uicRoot->findChildren<QObject *>(object->objectName())) {
                if (qstrcmp(candidate->metaObject()->className(), object->metaObject()->className()) == 0) {
                    fields[std::size_t(i)] = candidate;
                    break;
                }
            }
        } else if (const QSpacerItem *spacer = module.spacer(i)) {
            for (const QObject *object : module.objects()) {
                const auto *layout = qobject_cast<const QLayout *>(object);
                const int at = layout ? layout->indexOf(const_cast<QSpacerItem *>(spacer)) : -1;
                if (at < 0)
                    continue;
                const auto *uicLayout = uicRoot->findChild<QLayout *>(layout->objectName());
                QLayoutItem *item = uicLayout ? uicLayout->itemAt(at) : nullptr;
                fields[std::size_t(i)] = item ? item->spacerItem() : nullptr;
            }
        }
    }
    return fields;
}

QString compact(const QJsonValue &value)
{
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

// Every leaf where the two dumps differ, as "path: module | uic".
void differences(const QString &path, const QJsonValue &module, const QJsonValue &uic, QStringList &out)
{
    if (module.isObject() && uic.isObject()) {
        const QJsonObject a = module.toObject(), b = uic.toObject();
        QStringList keys = a.keys() + b.keys();
        keys.removeDuplicates();
        for (const QString &key : qAsConst(keys))
            differences(path + QLatin1Char('.') + key, a.value(key), b.value(key), out);
    } else if (module.isArray() && uic.isArray() && module.toArray().size() == uic.toArray().size()
               && module.toArray().first().isObject()) {
        const QJsonArray a = module.toArray(), b = uic.toArray();
        for (int i = 0; i < a.size(); ++i) {
            const QJsonValue name = a.at(i).toObject().value(QStringLiteral("name"));
            differences(path + QLatin1Char('.') + (name.isString() ? name.toString() : QString::number(i)), a.at(i),
                        b.at(i), out);
        }
    } else if (module != uic) {
        out.append(path + QStringLiteral(": ") + compact(module) + QStringLiteral(" | ") + compact(uic));
    }
}

// Where Qt derives a value differently in the two trees, the dumps leave it
// out for both. A widget placed by a layout or a scroll area gets its place
// when Qt activates them, at different moments in the two trees (uic hands a
// scroll area its content before the form's geometry is restored), so only
// the places the forms set themselves are compared; a widget whose children
// are placed so gets its children's extent from those places.
const QStringList kPlacedByQt = {QStringLiteral("geometry"), QStringLiteral("pos"), QStringLiteral("size"),
                                 QStringLiteral("rect"), QStringLiteral("x"), QStringLiteral("y"),
                                 QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("frameGeometry"),
                                 QStringLiteral("frameSize"), QStringLiteral("normalGeometry"),
                                 QStringLiteral("frameRect")};
const QStringList kFromChildrensPlaces = {QStringLiteral("childrenRect"), QStringLiteral("childrenRegion")};

// A document whose root frame has a format of its own is written by Qt as a
// table ("-qt-table-type: root") that, read back, is an ordinary table with
// the formats of its text reset. Such a document is compared by its text
// (plainText) and the widget's font, which both trees set alike.
bool htmlDoesNotReadBack(const QJsonObject &settings)
{
    return settings.value(QStringLiteral("html")).toString().contains(QLatin1String("-qt-table-type: root"));
}

bool parentOfPlacedWidgets(const QWidget &widget)
{
    for (const QObject *child : widget.children()) {
        if (child->isWidgetType() && placedByQt(*static_cast<const QWidget *>(child)))
            return true;
    }
    return false;
}

// The dump without what Qt derives differently, judged by the module's
// object and dump.
QJsonObject comparable(QJsonObject dump, const FormCensus &module, const QJsonObject &moduleDump)
{
    const QJsonArray moduleFields = moduleDump.value(QStringLiteral("fields")).toArray();
    QJsonArray fields = dump.value(QStringLiteral("fields")).toArray();
    for (int i = 0; i < fields.size() && i < module.fieldCount(); ++i) {
        const QObject *object = module.object(i);
        if (!object || !object->isWidgetType())
            continue;
        const auto &widget = static_cast<const QWidget &>(*object);
        QJsonObject field = fields.at(i).toObject();
        QJsonObject settings = field.value(QStringLiteral("settings")).toObject();
        if (placedByQt(widget)) {
            field.remove(QStringLiteral("geometry"));
            for (const QString &key : kPlacedByQt)
                settings.remove(key);
        }
        if (parentOfPlacedWidgets(widget)) {
            for (const QString &key : kFromChildrensPlaces)
                settings.remove(key);
        }
        if (htmlDoesNotReadBack(moduleFields.at(i).toObject().value(QStringLiteral("settings")).toObject()))
            settings.remove(QStringLiteral("html"));
        field.insert(QStringLiteral("settings"), settings);
        fields.replace(i, field);
    }
    dump.insert(QStringLiteral("fields"), fields);
    return dump;
}

const ImageIndex &images()
{
    static const ImageIndex index = [] {
        QResource::registerResource(QCoreApplication::applicationDirPath() + QStringLiteral("/placeholders.rcc"));
        return ImageIndex::scan();
    }();
    return index;
}

TEST(UicReference, BuildsTheModulesTreeAsDumpedInFull)
{
    ASSERT_TRUE(references().isLoaded());
    FormDumper dumper(images(), FormDumper::Detail::Complete);
    QStringList all;
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        const CatalogueIndexEntry &entry = kCatalogueIndex[i];
        const UicReferenceForm *reference = references().find(entry.name);
        ASSERT_NE(reference, nullptr) << entry.name;
        const BuiltForm module(kCatalogue[i].form(), entry);
        const FormCensus moduleCensus(module);
        QWidget uicRoot;
        reference->build(&uicRoot);
        const std::vector<const void *> uicFields = counterparts(moduleCensus, &uicRoot);
        const FormCensus uicCensus(&uicRoot, uicFields.data(), int(uicFields.size()));

        const QString name = QString::fromLatin1(entry.name);
        QStringList found;
        const QJsonObject moduleDump = dumper.dump(moduleCensus, name);
        differences(name, comparable(moduleDump, moduleCensus, moduleDump),
                    comparable(dumper.dump(uicCensus, name), moduleCensus, moduleDump), found);
        all += found;
    }
    EXPECT_TRUE(all.isEmpty()) << all.size() << " differences:\n"
                               << all.mid(0, 200).join(QLatin1Char('\n')).toStdString();
}

} // namespace
