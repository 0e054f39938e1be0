#include "common/widget_state_properties.h"

namespace quarn::layouttool {

const QSet<QByteArray> &geometryAndWindowState()
{
    static const QSet<QByteArray> names = {
        "objectName",
        "geometry",
        "pos",
        "size",
        "rect",
        "x",
        "y",
        "width",
        "height",
        "frameGeometry",
        "frameSize",
        "normalGeometry",
        "minimumWidth",
        "minimumHeight",
        "maximumWidth",
        "maximumHeight",
        "windowTitle",
        "visible",
        "isActiveWindow",
        "focus",
        "minimized",
        "maximized",
        "fullScreen",
        "windowIcon",
        "windowIconText",
    };
    return names;
}

} // namespace quarn::layouttool
