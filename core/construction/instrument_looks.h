#pragma once

// Pieces shared by the calibration, navigation-list and almanac screens.

#include "core/construction/look.h"
#include "core/construction/row.h"
#include "controls/zel_animation_ctrl.h"
#include "controls/zel_calendar_widget.h"
#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_box.h"

#include <QStringList>
#include <QTextEdit>

namespace quarn {

// --- calibration -------------------------------------------------------------
// The drop-down mark a small combo box carries at 70, 15.
Row<ZelIcon> comboDropMark(ZelIcon *&field, QWidget *comboBox, const char *objectName);
// The six frames of the figure-8 motion, 300 ms apart; geometry per form.
void figureEightAnimation(ZelAnimationCtrl *animation);
// Start at the right of the calibrations' bottom bar, and its caption.
Row<ZelPushButton> calibrationStartButton(ZelPushButton *&field, QWidget *bottomBar);
Row<ZelTextBox> calibrationStartCaption(ZelTextBox *&field, QWidget *startButton);

// --- status image lists --------------------------------------------------------
// One picture per manoeuvre (01 to 18), then two waypoint states and the destination.
QStringList manoeuvreImages();
// The small pane arrows, index 0 North, each further index 45 degrees clockwise.
QStringList paneDirectionImages();
// The water-current arrows, 16 states of 22.5 degrees, index 0 = arrow1.
QStringList currentArrowImages();

// --- almanac -------------------------------------------------------------------
// The month calendar of every date screen; geometry per form.
void standardCalendar(zelCalendarWidget *calendar);
// The root palette of the sun and moon and fish and hunt screens.
QPalette darkPanelPalette();
// Black text on half-clear white; both clear when disabled.
Colours readoutColours();
// A sun or moon time: one 21 px line, no frame, no scroll bars.
void sunMoonReadout(QTextEdit *readout);
// The cells of the tide and current day rows: antialiased 10 pt.
Font tableCellFont();
Row<ZelTextBox> tableCell(ZelTextBox *&field, QWidget *row, const char *objectName, int x, int y, int width,
                          int height);
// The date title of a day row and its white text.
Row<ZelIcon> tableDateTitle(ZelIcon *&field, QWidget *row, int width);
Row<ZelTextBox> tableDate(ZelTextBox *&field, QWidget *dateTitle, int width);

// --- navigation panels ------------------------------------------------------------
// The currents and tide screens share their first fifteen fields: the bottom
// bar with Back, menu, map-preview and Go, the host's header slot, and the
// location and destination panels.
template <typename Ui>
void navigationPanels(Ui &ui, QWidget *root);

Row<ZelIcon> panelBottomBar(ZelIcon *&field, QWidget *root);
void panelButtons(ZelPushButton *&back, ZelPushButton *&contextMenu, ZelPushButton *&map, ZelPushButton *&go,
                  QWidget *bottomBar);
Row<QWidget> headerSlot(QWidget *&field, QWidget *root);
void locationPanel(ZelPushButton *&button, ZelIcon *&icon, ZelTextBox *&caption, ZelTextBox *&location, QWidget *root);
void destinationPanel(ZelPushButton *&button, ZelTextBox *&direction, ZelStatusIndicator *&directionIndicator,
                      ZelIcon *&flag, ZelTextBox *&distance, QWidget *root);

template <typename Ui>
void navigationPanels(Ui &ui, QWidget *root)
{
    panelBottomBar(ui.statusBar, root);
    panelButtons(ui.btnBack, ui.btnContextMenu, ui.btnMap, ui.btnGo, ui.statusBar);
    headerSlot(ui.headerControl, root);
    locationPanel(ui.btnLocation, ui.iconPaneLocation, ui.dateTimeLabel_3, ui.labelLocation, root);
    destinationPanel(ui.btnDDE, ui.txtDirection, ui.iconDirection, ui.iconFlag, ui.txtDistance, root);
}

} // namespace quarn
