#pragma once

// The construction routines' named looks as the form generator recognises
// them: each look applied to a fresh control, and what that changed.

#include "uiform/ui_model.h"

#include <QString>
#include <QVector>

class QObject;
class QWidget;

namespace quarn::layouttool {

// One property a look or routine sets, as a Designer form holds it.
struct LookSetting {
    QString name;
    bool byName = false;
    UiValue value;
    // The same property with the same value, wherever it was read from.
    bool sets(const UiProperty &property) const
    {
        return property.name == name && property.byName == byName && property.value == value;
    }
    bool operator==(const LookSetting &o) const { return name == o.name && byName == o.byName && value == o.value; }
};

struct NamedLook {
    QString method;    // the Row setting that applies it: "panelButton()", "with(standardCalendar)"
    QString className; // the control it is for
    QVector<LookSetting> settings;
};

// Every look with at least one setting, most settings first.
const QVector<NamedLook> &namedLooks();

// The settings a .ui file would give object: what differs from reference.
QVector<LookSetting> settingsOf(const QWidget &object, const QObject *reference);

} // namespace quarn::layouttool
