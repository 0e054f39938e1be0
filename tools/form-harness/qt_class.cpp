#include "qt_class.h"

#include <QGuiApplication>
#include <QObject>
#include <QWidget>

#include <dlfcn.h>

#include <algorithm>
#include <array>

namespace quarn::harness {

namespace {

const void *libraryOf(const void *address)
{
    Dl_info info{};
    return dladdr(address, &info) ? info.dli_fbase : nullptr;
}

} // namespace

bool isQtClass(const QMetaObject *metaObject)
{
    // The libraries that hold QObject, QGuiApplication and QWidget: every
    // class a form can make without the widget library.
    static const std::array<const void *, 3> qtLibraries = {libraryOf(&QObject::staticMetaObject),
                                                            libraryOf(&QGuiApplication::staticMetaObject),
                                                            libraryOf(&QWidget::staticMetaObject)};
    const void *library = libraryOf(metaObject);
    return library && std::find(qtLibraries.begin(), qtLibraries.end(), library) != qtLibraries.end();
}

} // namespace quarn::harness
