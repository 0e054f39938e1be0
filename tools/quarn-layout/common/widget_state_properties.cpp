#include "common/widget_state_properties.h"

#include "core/construction/window_data.h"
#include "uiform/kept_settings.h"

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

bool isBookkeepingProperty(const QByteArray &name)
{
    return name.startsWith("_q_") || name == kWindowDataProperty || name == kKeptGeometry || name == kKeptHtml;
}

} // namespace quarn::layouttool
