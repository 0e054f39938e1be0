#pragma once

#include "common/reference_objects.h"

#include <QJsonObject>

namespace quarn::harness {
class BuiltForm;
class FormCensus;
} // namespace quarn::harness

namespace quarn::layouttool {

using harness::BuiltForm;
class ImageIndex;

// Describes a freshly built form as JSON:
//
//   {"form", "root": {"objectName", "size", "windowTitle", "properties"},
//    "stacking": {parent: [child, ...]},
//    "fields": [{"index", "name", "class", "parent", "geometry", "text",
//                "images", "fontPixelSize", "alignment", "font", "palette",
//                "properties", "settings", "buddy", "items", "pages"}]}
//
// "stacking" names, for the root ("Root") and every field widget with child
// widgets that fields hold, those children bottom to top. "buddy" (labels) is
// the buddy's field name or null. "items" (layouts) lists the members in
// order as {"index", "name", "stretch"}: the field index and name of each
// (name null for a spacer), the box stretch (null in grid and form layouts,
// which have none per item), plus "row", "column", "rowSpan", "columnSpan" in
// grid layouts and "row", "role" in form layouts. "pages" (stacked widgets)
// is {"names": [page field names by index], "currentIndex"}.
//
// "parent" is "Root", a field name, or null for objects made without one
// (spacers, scroll-area contents). "geometry" is null where the form set
// none. "settings" holds every property that differs from a default object of
// the class and is not reported elsewhere (with Detail::Complete: every
// readable property, fonts and palettes in full, unset images as null). A
// layout's settings always carry "spacing", "contentsMargins" and "members"
// (field names, a spacer by its field index), grid layouts "cells" ([row,
// column, rows, columns]), "horizontalSpacing" and "verticalSpacing", and
// form layouts "roles" ([row, role]) alongside. Field pointers are matched
// against the objects of the root's tree and the spacers of its layouts
// before anything is read through them; a field that matches nothing carries
// "problem" instead.
//
// Call before the root has seen any event: layouts that have run would make
// their members look positioned by the form.
class FormDumper
{
public:
    enum class Detail {
        Changes,  // settings that differ from a default object of the class
        Complete, // every readable property; the root's "properties" likewise
    };

    explicit FormDumper(const ImageIndex &images, Detail detail = Detail::Changes);
    ~FormDumper();

    QJsonObject dump(const BuiltForm &form);
    // The same for any tree whose objects a census names: another build of
    // the same form (uic's), say.
    QJsonObject dump(const harness::FormCensus &census, const QString &formName);
    // The order in which the keys above read best.
    static QStringList keyOrder();

    FormDumper(const FormDumper &) = delete;
    FormDumper &operator=(const FormDumper &) = delete;

private:
    const ImageIndex &m_images;
    const Detail m_detail;
    ReferenceObjects m_references;
};

} // namespace quarn::layouttool
