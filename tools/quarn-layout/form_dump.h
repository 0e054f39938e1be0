#pragma once

#include "reference_objects.h"

#include <QJsonObject>

namespace quarn::layouttool {

class BuiltForm;
class ImageIndex;

// Describes a freshly built form as JSON:
//
//   {"form", "root": {"objectName", "size", "windowTitle", "properties"},
//    "fields": [{"index", "name", "class", "parent", "geometry", "text",
//                "images", "fontPixelSize", "alignment", "font", "palette",
//                "properties", "settings"}]}
//
// "parent" is "Root", a field name, or null for objects made without one
// (spacers, scroll-area contents). "geometry" is null where the form set
// none. "settings" holds every property that differs from a default object of
// the class and is not reported elsewhere; a layout's settings always carry
// "spacing", "contentsMargins" and "members" (field names, a spacer by its
// field index), grid layouts "cells" ([row, column, rows, columns]) and form
// layouts "roles" ([row, role]) alongside. Field pointers are matched against
// the objects of the root's tree and the spacers of its layouts before
// anything is read through them; a field that matches nothing carries
// "problem" instead.
//
// Call before the root has seen any event: layouts that have run would make
// their members look positioned by the form.
class FormDumper
{
public:
    explicit FormDumper(const ImageIndex &images);
    ~FormDumper();

    QJsonObject dump(const BuiltForm &form);
    // The order in which the keys above read best.
    static QStringList keyOrder();

    FormDumper(const FormDumper &) = delete;
    FormDumper &operator=(const FormDumper &) = delete;

private:
    const ImageIndex &m_images;
    ReferenceObjects m_references;
};

} // namespace quarn::layouttool
