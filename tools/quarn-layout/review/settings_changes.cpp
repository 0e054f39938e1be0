#include "review/settings_changes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace quarn::layouttool {

namespace {

const QString kName = QStringLiteral("name");
const QString kParent = QStringLiteral("parent");
const QString kClass = QStringLiteral("class");

// Leaves of a JSON object by their dotted path; lists and plain values are leaves.
void flatten(const QJsonObject &object, const QString &prefix, QMap<QString, QJsonValue> *leaves)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString path = prefix.isEmpty() ? it.key() : prefix + QLatin1Char('.') + it.key();
        if (it.value().isObject() && !it.value().toObject().isEmpty())
            flatten(it.value().toObject(), path, leaves);
        else
            leaves->insert(path, it.value());
    }
}

// What a full dump says twice: a widget's settings repeat what it reports on
// its own (geometry, palette, font), and its position and size in several
// spellings. Listed once, a moved field is one line.
bool repeats(const QString &path, const QMap<QString, QJsonValue> &old, const QMap<QString, QJsonValue> &now)
{
    static const QStringList nested{QStringLiteral("settings."), QStringLiteral("properties.")};
    static const QStringList placing{QStringLiteral("frameGeometry"),
                                     QStringLiteral("frameSize"),
                                     QStringLiteral("normalGeometry"),
                                     QStringLiteral("pos"),
                                     QStringLiteral("rect"),
                                     QStringLiteral("size"),
                                     QStringLiteral("x"),
                                     QStringLiteral("y"),
                                     QStringLiteral("width"),
                                     QStringLiteral("height")};
    for (const QString &prefix : nested) {
        if (!path.startsWith(prefix))
            continue;
        const QString own = path.mid(prefix.size());
        const QJsonValue undefined(QJsonValue::Undefined);
        if ((old.contains(own) || now.contains(own)) && old.value(own, undefined) == old.value(path, undefined)
            && now.value(own, undefined) == now.value(path, undefined))
            return true;
        const QString geometry = prefix + QStringLiteral("geometry");
        if (placing.contains(own) && old.value(geometry, undefined) != now.value(geometry, undefined))
            return true;
    }
    return false;
}

void compareObjects(const QString &field, const QJsonObject &before, const QJsonObject &after,
                    QList<SettingChange> *changes)
{
    QMap<QString, QJsonValue> old, now;
    flatten(before, QString(), &old);
    flatten(after, QString(), &now);
    QStringList paths = old.keys() + now.keys();
    paths.removeDuplicates();
    paths.sort();
    for (const QString &path : qAsConst(paths)) {
        const QJsonValue was = old.value(path, QJsonValue::Undefined);
        const QJsonValue is = now.value(path, QJsonValue::Undefined);
        if (was != is && !repeats(path, old, now))
            changes->append({field, path, was, is});
    }
}

bool isEmptySlot(const QJsonObject &field)
{
    return field.value(kClass).isNull()
        && field.value(QStringLiteral("problem")).toString() == QLatin1String("not set");
}

QString fieldLabel(const QJsonObject &field)
{
    const QString name = field.value(kName).toString();
    if (!name.isEmpty())
        return name;
    return QStringLiteral("(unnamed %1, field %2)")
        .arg(field.value(kClass).toString(QStringLiteral("object")))
        .arg(field.value(QStringLiteral("index")).toInt());
}

// The fields of a dump under the keys they are matched by: "name" then
// "parent", or for an unnamed one its parent, class and count among those.
struct Fields {
    QList<QJsonObject> list;
    QList<QString> exactKeys;
    QSet<int> matched;

    explicit Fields(const QJsonArray &fields)
    {
        QHash<QString, int> unnamedSeen;
        for (const QJsonValue &value : fields) {
            const QJsonObject field = value.toObject();
            if (isEmptySlot(field))
                continue;
            const QString parent = field.value(kParent).toString();
            const QString name = field.value(kName).toString();
            QString key;
            if (name.isEmpty()) {
                const QString kind = parent + QLatin1Char('\n') + field.value(kClass).toString();
                key = kind + QStringLiteral("\n#%1").arg(unnamedSeen[kind]++);
            } else {
                key = parent + QLatin1Char('\n') + name;
            }
            list.append(field);
            exactKeys.append(key);
        }
    }

    int findExact(const QString &key) const
    {
        const int index = exactKeys.indexOf(key);
        return index >= 0 && !matched.contains(index) ? index : -1;
    }

    // The one unmatched field of that name, or -1.
    int findByName(const QString &name) const
    {
        int found = -1;
        for (int i = 0; i < list.size(); ++i) {
            if (matched.contains(i) || list.at(i).value(kName).toString() != name)
                continue;
            if (found >= 0)
                return -1;
            found = i;
        }
        return found;
    }
};

} // namespace

QList<SettingChange> settingChanges(const QJsonObject &before, const QJsonObject &after)
{
    QList<SettingChange> changes;
    compareObjects(QStringLiteral("Root"), before.value(QStringLiteral("root")).toObject(),
                   after.value(QStringLiteral("root")).toObject(), &changes);

    // The stacking order of each parent's children, as one list.
    const QJsonObject oldStacking = before.value(QStringLiteral("stacking")).toObject();
    const QJsonObject newStacking = after.value(QStringLiteral("stacking")).toObject();
    QStringList parents = oldStacking.keys() + newStacking.keys();
    parents.removeDuplicates();
    parents.sort();
    for (const QString &parent : qAsConst(parents)) {
        const QJsonValue was = oldStacking.value(parent);
        const QJsonValue is = newStacking.value(parent);
        if (was != is)
            changes.append({parent, QStringLiteral("stacking"), was, is});
    }

    Fields old(before.value(QStringLiteral("fields")).toArray());
    Fields now(after.value(QStringLiteral("fields")).toArray());
    QList<QPair<int, int>> pairs;
    for (int i = 0; i < now.list.size(); ++i) {
        const int match = old.findExact(now.exactKeys.at(i));
        if (match >= 0) {
            pairs.append({match, i});
            old.matched.insert(match);
            now.matched.insert(i);
        }
    }
    // A named field that moved to another parent is still the same field.
    for (int i = 0; i < now.list.size(); ++i) {
        const QString name = now.list.at(i).value(kName).toString();
        if (now.matched.contains(i) || name.isEmpty() || now.findByName(name) != i)
            continue;
        const int match = old.findByName(name);
        if (match >= 0) {
            pairs.append({match, i});
            old.matched.insert(match);
            now.matched.insert(i);
        }
    }
    // In the order of the fields now.
    std::sort(pairs.begin(), pairs.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    for (const auto &pair : qAsConst(pairs))
        compareObjects(fieldLabel(now.list.at(pair.second)), old.list.at(pair.first), now.list.at(pair.second),
                       &changes);
    for (int i = 0; i < old.list.size(); ++i) {
        if (!old.matched.contains(i))
            changes.append({fieldLabel(old.list.at(i)), QString(), old.list.at(i).value(kClass),
                            QJsonValue(QJsonValue::Undefined)});
    }
    for (int i = 0; i < now.list.size(); ++i) {
        if (!now.matched.contains(i))
            changes.append({fieldLabel(now.list.at(i)), QString(), QJsonValue(QJsonValue::Undefined),
                            now.list.at(i).value(kClass)});
    }
    return changes;
}

QString settingText(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Undefined:
        return QStringLiteral("-");
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    default:
        // A plain value as JSON spells it: wrapped in a list, then unwrapped.
        const QByteArray list = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        return QString::fromUtf8(list.mid(1, list.size() - 2));
    }
}

} // namespace quarn::layouttool
