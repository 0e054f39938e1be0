#pragma once

// The construction routines' named looks as the form generator recognises
// them: each look applied to a fresh control, and what that changed.

#include <QString>
#include <QVector>

class QObject;
class QWidget;

namespace quarn::layouttool {

struct LookSetting {
    QString name;
    bool byName = false;
    QString signature; // of the value, as values::signature gives it
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
