#pragma once

// The furniture of the map screens. Each routine creates one row with its
// standard look and returns it, so a form can chain what its table adds; the
// screens order these rows differently, hence one routine per row.

#include "core/construction/nav_fields.h"
#include "core/construction/row.h"
#include "controls/zel_compass.h"
#include "controls/zel_icon.h"
#include "controls/zel_map_control.h"
#include "controls/zel_north_up_widget.h"
#include "controls/zel_push_button.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"

#include <vector>

namespace quarn {

// The full-screen map, field 0 of every map screen, under all the rest.
Row<ZelMapControl> mapControl(ZelMapControl *&field, QWidget *root);

// The 48 x 48 north-up indicator.
Row<ZelNorthUpWidget> northUpIndicator(ZelNorthUpWidget *&field, QWidget *mapControl, int x, int y);

// The 71 x 20 scale bar: a bracket under a white text and its grey copy one
// pixel right and down, which reads as the text's shadow once the form raises
// the white text above it.
Row<QWidget> scaleBar(QWidget *&field, QWidget *mapControl, int x, int y);
Row<ZelIcon> scaleBracket(ZelIcon *&field, QWidget *scaleBar);
Row<ZelTextBox> scaleText(ZelTextBox *&field, QWidget *scaleBar);
Row<ZelTextBox> scaleTextShadow(ZelTextBox *&field, QWidget *scaleBar);

// The zoom buttons at their standard places; they never take the focus.
Row<ZelPushButton> zoomInButton(ZelPushButton *&field, QWidget *parent);
Row<ZelPushButton> zoomOutButton(ZelPushButton *&field, QWidget *parent);

// The large GO button and its caption.
Row<ZelPushButton> goButton(ZelPushButton *&field, QWidget *parent);
Row<ZelTextBox> goText(ZelTextBox *&field, QWidget *goButton);

// The panel along the map's lower edge and the buttons over it; their
// rectangles shift by a pixel or two from screen to screen.
Row<ZelIcon> mapBottomPanel(ZelIcon *&field, QWidget *root, int x, int y, int width, int height);
Row<ZelPushButton> mapBackButton(ZelPushButton *&field, QWidget *parent, int x, int y, int width, int height);
Row<ZelPushButton> mapContextMenuButton(ZelPushButton *&field, QWidget *parent, int x, int y, int width, int height);

// The shaded bar across the top (coordinates or the current street) and its
// one line of text.
Row<ZelIcon> mapInfoBar(ZelIcon *&field, QWidget *parent, const char *objectName);
Row<ZelTextBox> mapInfoLine(ZelTextBox *&field, QWidget *infoBar, const char *objectName);

// The 240 x 240 compass laid over the map.
Row<zelCompass> mapCompass(zelCompass *&field, QWidget *mapControl, int x, int y);
// The cardinal letters over the compass badges. Each form translates them in
// its own context, so that lupdate files them under the form.
struct CompassLetters {
    QString north;
    QString west;
    QString south;
    QString east;
};
void retranslateCompassLetters(zelCompass *compass, const CompassLetters &letters);

// The bar of up to four data fields along the bottom, carrying its layout
// document: one configuration per number of fields shown.
Row<ZelWidget> navigationFieldBar(ZelWidget *&field, QWidget *root,
                                  const std::vector<navfields::Configuration> &configurations);
// The bar's layouts in the two vehicle-mode screens, which share them: data in
// 20 px rather than the regular map's 16 px.
const std::vector<navfields::Configuration> &vehicleModeDataFields();

} // namespace quarn
