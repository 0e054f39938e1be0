#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

namespace quarn::layouttool {

// One setting that differs between two full dumps of a form. A field that is
// only in one of them is one change with an empty setting, "before" or
// "after" undefined on the side that lacks it.
struct SettingChange {
    QString field;   // the field's name, "Root", or "(unnamed CLASS, field N)"
    QString setting; // dotted path into the field's dump: "geometry", "palette.active.window", "stacking"
    QJsonValue before;
    QJsonValue after;
};

// What differs between two full dumps (`dump --full`) of one form, field by
// field. Fields are matched by name and parent, then by name alone (the
// change is then also in "parent"), unnamed ones by parent, class and order
// among those. Nested settings are compared leaf by leaf; lists (geometry,
// layout members, stacking order) as a whole; what the dump repeats (a
// widget's palette again among its settings, its place as pos, x, y, ...)
// once. Record slots left empty are not fields.
QList<SettingChange> settingChanges(const QJsonObject &before, const QJsonObject &after);

// A setting's value as one short line of JSON; "-" for none.
QString settingText(const QJsonValue &value);

} // namespace quarn::layouttool
