#pragma once

// The pieces of screen furniture that recur across forms. Each creates its row
// with the standard geometry and images; a form chains whatever its table adds.

#include "core/construction/row.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"

namespace quarn {

// The bar along the bottom of a full screen: 0, 350, 240 x 50.
Row<ZelIcon> bottomBar(ZelIcon *&field, QWidget *root, const char *objectName = "statusBar");
// Back at the left of the bottom bar.
Row<ZelPushButton> backButton(ZelPushButton *&field, QWidget *bottomBar);
// The options-menu button at the right of the bottom bar.
Row<ZelPushButton> contextMenuButton(ZelPushButton *&field, QWidget *bottomBar,
                                     const char *objectName = "btnContextMenu");
// The same with a widget font (the menu screens give it an antialiased one).
Row<ZelPushButton> contextMenuButton(ZelPushButton *&field, QWidget *bottomBar, const QFont &font,
                                     const char *objectName = "btnContextMenu");
// The map preview and Go between Back and the menu, where a screen has them.
Row<ZelPushButton> barMapButton(ZelPushButton *&field, QWidget *bottomBar);
Row<ZelPushButton> barGoButton(ZelPushButton *&field, QWidget *bottomBar);
// The empty slot between them that the host fills with the page buttons.
Row<QWidget> scrollButtonSlot(QWidget *&field, QWidget *bottomBar);
// The title band under the title bar; its children are per form.
Row<ZelIcon> titleHeader(ZelIcon *&field, QWidget *root, const char *objectName);
// The 38 x 38 icon at the left of the title band.
Row<ZelIcon> titleIcon(ZelIcon *&field, QWidget *titleHeader, const char *objectName, const char *imagePath);
// A title band that is also a button (list screens that open a choice).
Row<ZelPushButton> listHeaderButton(ZelPushButton *&field, QWidget *root);

} // namespace quarn
