#pragma once

// The standard furniture of the construction routines (the bottom bar, its
// buttons, the title band) as the form generator recognises it: each routine
// run on a scratch parent, and the settings it gave what it made.

#include "generator/looks.h"

#include "core/construction/nav_fields.h"

#include <QHash>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include <vector>

namespace quarn::layouttool {

struct FurnitureMatch {
    QString call;                  // "backButton(ui.btnBack, ui.statusBar)"
    QVector<LookSetting> settings; // what the routine sets, to take off the row
};

// The routine that makes a widget of this class and name with all of these
// settings (names and values, as a .ui file holds them), if there is one.
// image is the widget's image property, which some routines take.
// place is the widget's geometry, which some routines take.
FurnitureMatch findFurniture(const QString &className, const QString &name, const QString &image, const QRect &place,
                             const QVector<LookSetting> &widgetSettings, const QString &field, const QString &parent);

// A routine that makes several fields at once, as what it made: each
// widget's class, name, parent's name ("root" for the form's root) and
// settings, in the order it made them.
struct GroupPiece {
    QString className;
    QString name;
    QString parent;
    QVector<LookSetting> settings;
};
struct GroupRoutine {
    QString call; // "navigationPanels(ui, root)"
    QVector<GroupPiece> pieces;
};
const QVector<GroupRoutine> &groupRoutines();

// The navigation-field bar along the bottom of the map screens, made with
// these configurations, if the widget is one; table is how the call names them.
FurnitureMatch findNavigationFieldBar(const QString &className, const QString &name,
                                      const std::vector<navfields::Configuration> &configurations,
                                      const QVector<LookSetting> &widgetSettings, const QString &field,
                                      const QString &parent, const QString &table);

// The routine that gives a form's root all of these settings, if there is
// one; offset is the root's "Offset", which a bubble's routine takes.
FurnitureMatch findRootFurniture(const QString &className, const QPoint &offset,
                                 const QVector<LookSetting> &rootSettings);

// The Root methods that give a root several of these settings together, e.g.
// ".navigationFieldBarPlacement()".
// points are the root's point properties by name, which some methods take.
QVector<FurnitureMatch> findRootLooks(const QVector<LookSetting> &rootSettings, const QHash<QString, QPoint> &points);

} // namespace quarn::layouttool
