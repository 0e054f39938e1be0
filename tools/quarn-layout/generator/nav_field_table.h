#pragma once

// The navigation-field documents of the data-field bars, as the form generator
// recognises them: read back into a table of fields that writes exactly the
// same document, so that a form states the table instead of the text.

#include "core/construction/nav_fields.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace quarn::layouttool {

struct NavFieldTable {
    std::vector<navfields::Configuration> configurations;
    // One line per configuration, e.g. "{{full(50, 12, 16)}, {half(45), half(45)}},"
    QStringList rows;
    // The routine that gives a shared table ("vehicleModeDataFields()"), if one does.
    QString shared;
};

// The table that writes document, byte for byte; false for a document no
// table writes.
bool navFieldTable(const QByteArray &document, NavFieldTable *table);

// The namespace-scope constant of a form that holds the table.
QString navFieldTableDefinition(const QString &name, const NavFieldTable &table);

} // namespace quarn::layouttool
