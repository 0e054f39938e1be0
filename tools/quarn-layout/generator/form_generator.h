#pragma once

// The way back from Designer: a form's source and Ui-record header, written
// from a .ui file in the construction routines' own vocabulary. Anything the
// routines cannot express is refused, naming the element, never dropped.

#include <QString>

namespace quarn::layouttool {

struct FormSources {
    QString className;
    QString header; // <Class>.h
    QString source; // <Class>.cpp
};

class FormGenerator
{
public:
    // folder: the forms folder the sources belong in ("settings"), as their
    // include lines name it.
    // previousHeader: the form's Ui-record header as it stands, if any. Its
    // fields keep their order, since hosts compile against it; new fields
    // follow in the order of the Designer form.
    static bool generate(const QByteArray &ui, const QString &folder, const QString &previousHeader,
                         FormSources *sources, QString *error);
};

} // namespace quarn::layouttool
