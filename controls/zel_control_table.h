#pragma once

// The controls of zel_control_table.def as data, for the Designer plugin and
// the Designer export; the library itself does not use it.

#include "controls/zel_controls.h"

#include <QMetaObject>
#include <QSize>

struct ZelControlInfo {
    const QMetaObject *metaObject;
    const char *header; // as a form includes it: "controls/zel_text_box.h"
    bool offered;       // in Designer's widget box, not only a base of those
    bool container;
    const char *toolTip;
    QSize defaultSize;
    QWidget *(*create)(QWidget *parent); // null for a base that is not offered
};

// Designer's widget-box group of every control offered.
inline constexpr char kZelControlGroup[] = "Quarn stand-in controls";

#define QUARN_CONTROL(Class, header, container, toolTip, width, height) \
    {&Class::staticMetaObject,                                          \
     "controls/" header,                                                \
     true,                                                              \
     container,                                                         \
     toolTip,                                                           \
     QSize(width, height),                                              \
     [](QWidget *parent) -> QWidget * { return new Class(parent); }},
#define QUARN_CONTROL_BASE(Class, header) \
    {&Class::staticMetaObject, "controls/" header, false, false, "", QSize(), nullptr},
inline const ZelControlInfo kZelControls[] = {
#include "controls/zel_control_table.def"
};

// The entry of a class, or null for one the table does not hold.
inline const ZelControlInfo *zelControlInfo(const QMetaObject *metaObject)
{
    for (const ZelControlInfo &control : kZelControls) {
        if (control.metaObject == metaObject)
            return &control;
    }
    return nullptr;
}
