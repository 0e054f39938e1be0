#include "tree_comparison.h"

#include "form_census.h"
#include "dump/form_dumper.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLayout>
#include <QResource>
#include <QScrollArea>
#include <QSpacerItem>
#include <QWidget>

#include <vector>

using quarn::harness::BuiltForm;
using quarn::harness::FormCensus;
using quarn::layouttool::FormDumper;
using quarn::layouttool::ImageIndex;

namespace {

bool inLayout(const QLayout &layout, const QWidget &widget)
{
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem *item = layout.itemAt(i);
        if (item->widget() == &widget || (item->layout() && inLayout(*item->layout(), widget)))
            return true;
    }
    return false;
}

} // namespace

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

namespace {

// The other tree's counterpart of each module field: the object of the same
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
const QStringList kPlacedByQt = {QStringLiteral("geometry"),
                                 QStringLiteral("pos"),
                                 QStringLiteral("size"),
                                 QStringLiteral("rect"),
                                 QStringLiteral("x"),
                                 QStringLiteral("y"),
                                 QStringLiteral("width"),
                                 QStringLiteral("height"),
                                 QStringLiteral("frameGeometry"),
                                 QStringLiteral("frameSize"),
                                 QStringLiteral("normalGeometry"),
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

} // namespace

const ImageIndex &placeholderImages()
{
    static const ImageIndex index = [] {
        QResource::registerResource(QCoreApplication::applicationDirPath() + QStringLiteral("/placeholders.rcc"));
        return ImageIndex::scan();
    }();
    return index;
}

QStringList treeDifferences(const BuiltForm &module, QWidget *otherRoot)
{
    FormDumper dumper(placeholderImages(), FormDumper::Detail::Complete);
    const FormCensus moduleCensus(module);
    const std::vector<const void *> otherFields = counterparts(moduleCensus, otherRoot);
    const FormCensus otherCensus(otherRoot, otherFields.data(), int(otherFields.size()));
    const QString name = QString::fromLatin1(module.entry().name);
    const QJsonObject moduleDump = dumper.dump(moduleCensus, name);
    QStringList found;
    differences(name, comparable(moduleDump, moduleCensus, moduleDump),
                comparable(dumper.dump(otherCensus, name), moduleCensus, moduleDump), found);
    return found;
}
