#pragma once

struct QMetaObject;

namespace quarn::harness {

// Whether a class comes with Qt (uic and Designer know it) rather than from
// the widget library or a form: its meta-object lives in one of Qt's own
// libraries.
bool isQtClass(const QMetaObject *metaObject);

} // namespace quarn::harness
