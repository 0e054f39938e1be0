#include "core/construction/instrument_looks.h"

#include "core/construction/furniture.h"

namespace quarn {

Row<ZelIcon> comboDropMark(ZelIcon *&field, QWidget *comboBox, const char *objectName)
{
    return make(field, comboBox, objectName).at(70, 15, 21, 13).image(":/Buttons/b_KB_AdjustDown_off.mif");
}

void figureEightAnimation(ZelAnimationCtrl *animation)
{
    // The file names contain a blank.
    animation->setImageList(
        imagePaths({":/Bkgd/bkgd_calibrate animated_1.mif", ":/Bkgd/bkgd_calibrate animated_2.mif",
                    ":/Bkgd/bkgd_calibrate animated_3.mif", ":/Bkgd/bkgd_calibrate animated_4.mif",
                    ":/Bkgd/bkgd_calibrate animated_5.mif", ":/Bkgd/bkgd_calibrate animated_6.mif"}));
    animation->setInterval(300);
}

Row<ZelPushButton> calibrationStartButton(ZelPushButton *&field, QWidget *bottomBar)
{
    return make(field, bottomBar, "btnStart").at(160, 6, 76, 43).actionButton().focused(":/Buttons/b_Menu_h.mif");
}

Row<ZelTextBox> calibrationStartCaption(ZelTextBox *&field, QWidget *startButton)
{
    return make(field, startButton, "lblStart")
        .at(15, 6, 51, 31)
        .palette(whiteButtonText())
        .font(boldAA())
        .alignment(align::Centre)
        .pixelSize(13);
}

QStringList manoeuvreImages()
{
    QStringList paths;
    for (int manoeuvre = 1; manoeuvre <= 18; ++manoeuvre)
        paths.append(QStringLiteral(":/maneuvers/Icons/i_Man_%1.mif").arg(manoeuvre, 2, 10, QLatin1Char('0')));
    paths << QStringLiteral(":/Icons/i_WayPoints.mif") << QStringLiteral(":/Icons/i_WayPoints.mif")
          << QStringLiteral(":/Icons/i_DestinationIcon.mif");
    return paths;
}

QStringList paneDirectionImages()
{
    return imagePaths({":/Icons/i_PaneBtn_DNorth.mif", ":/Icons/i_PaneBtn_DNorthEast.mif",
                       ":/Icons/i_PaneBtn_DEast.mif", ":/Icons/i_PaneBtn_DSouthEast.mif",
                       ":/Icons/i_PaneBtn_DSouth.mif", ":/Icons/i_PaneBtn_DSouthWest.mif",
                       ":/Icons/i_PaneBtn_DWest.mif", ":/Icons/i_PaneBtn_DNorthWest.mif"});
}

QStringList currentArrowImages()
{
    QStringList paths;
    for (int arrow = 1; arrow <= 16; ++arrow)
        paths.append(QStringLiteral(":/Icons/i_currents_arrow%1.mif").arg(arrow));
    return paths;
}

void standardCalendar(zelCalendarWidget *calendar)
{
    Row<zelCalendarWidget>(calendar)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .maxSize(240, 191)
        .palette(Colours()
                     .role(QPalette::Text, kBlack, QColor(0x8D, 0x8A, 0x7D))
                     .role(QPalette::Base, kClear)
                     .role(QPalette::Window, kClear)
                     .role(QPalette::Highlight, QColor(0xAA, 0xFF, 0xFF), QColor(0x31, 0x6A, 0xC5))
                     .role(QPalette::HighlightedText, QColor(0x00, 0x55, 0x00)));
    calendar->setFont(boldAA());
    calendar->setDateEditEnabled(false);
    // The disabled month buttons look like the normal ones.
    calendar->setPrevMonthNormal(picture(":/Buttons/b_KB_MoveLeft.mif"));
    calendar->setPrevMonthPressed(picture(":/Buttons/b_KB_MoveLeft_h.mif"));
    calendar->setPrevMonthFocused(picture(":/Buttons/b_KB_MoveLeft_f.mif"));
    calendar->setPrevMonthDisabled(picture(":/Buttons/b_KB_MoveLeft.mif"));
    calendar->setNextMonthNormal(picture(":/Buttons/b_KB_MoveRight.mif"));
    calendar->setNextMonthPressed(picture(":/Buttons/b_KB_MoveRight_h.mif"));
    calendar->setNextMonthFocused(picture(":/Buttons/b_KB_MoveRight_f.mif"));
    calendar->setNextMonthDisabled(picture(":/Buttons/b_KB_MoveRight.mif"));
    calendar->setFontPixelSize(11);
}

QPalette darkPanelPalette()
{
    const QColor white(255, 255, 255, 255);
    const QColor black(0, 0, 0, 255);
    return Colours()
        .role(QPalette::WindowText, white, kClear)
        .role(QPalette::Button, kClear)
        .role(QPalette::Light, kClear)
        .role(QPalette::Midlight, kClear)
        .role(QPalette::Dark, kClear)
        .role(QPalette::Mid, kClear)
        .role(QPalette::Text, white, kClear)
        .role(QPalette::BrightText, white)
        .role(QPalette::ButtonText, white, kClear)
        .role(QPalette::Base, black, kClear)
        .role(QPalette::Window, kClear)
        .role(QPalette::Shadow, black)
        .role(QPalette::AlternateBase, QColor(0, 0, 0, 127), kClear)
        .role(QPalette::ToolTipBase, QColor(255, 255, 220, 255))
        .role(QPalette::ToolTipText, black);
}

Colours readoutColours()
{
    return Colours().role(QPalette::Text, kBlack, kClear).role(QPalette::Base, QColor(255, 255, 255, 128), kClear);
}

void sunMoonReadout(QTextEdit *readout)
{
    Row<QTextEdit>(readout)
        .sizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred)
        .minSize(0, 21)
        .maxSize(QWIDGETSIZE_MAX, 21)
        .palette(readoutColours())
        .font(Font().bold().pointSize(10))
        .autoFillBackground()
        .locale(QLocale(QLocale::English, QLocale::UnitedStates))
        .noFrame()
        .frameShadow(QFrame::Sunken)
        .lineWidth(0)
        .verticalScrollBar(Qt::ScrollBarAlwaysOff)
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff)
        .tabStopWidth(80);
}

Font tableCellFont()
{
    return Font().aa().pointSize(10);
}

Row<ZelTextBox> tableCell(ZelTextBox *&field, QWidget *row, const char *objectName, int x, int y, int width, int height)
{
    return make(field, row, objectName).at(x, y, width, height).font(tableCellFont());
}

Row<ZelIcon> tableDateTitle(ZelIcon *&field, QWidget *row, int width)
{
    return make(field, row, "icon")
        .at(0, 0, width, 33)
        .autoFillBackground()
        .image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
}

Row<ZelTextBox> tableDate(ZelTextBox *&field, QWidget *dateTitle, int width)
{
    return make(field, dateTitle, "lblDate")
        .at(5, 0, width, 30)
        .palette(whiteText())
        .font(boldAA())
        .noAutoFillBackground()
        .alignment(align::LeftVCentre)
        .wordWrap()
        .pixelSize(16);
}

Row<ZelIcon> panelBottomBar(ZelIcon *&field, QWidget *root)
{
    return bottomBar(field, root);
}

void panelButtons(ZelPushButton *&back, ZelPushButton *&contextMenu, ZelPushButton *&map, ZelPushButton *&go,
                  QWidget *bottomBar)
{
    backButton(back, bottomBar);
    contextMenuButton(contextMenu, bottomBar, aaFont());
    barMapButton(map, bottomBar);
    barGoButton(go, bottomBar);
}

Row<QWidget> headerSlot(QWidget *&field, QWidget *root)
{
    return make(field, root, "headerControl").at(0, 22, 241, 48);
}

void locationPanel(ZelPushButton *&button, ZelIcon *&icon, ZelTextBox *&caption, ZelTextBox *&location, QWidget *root)
{
    make(button, root, "btnLocation").at(8, 111, 226, 44).plainPanelButton();
    make(icon, button, "iconPaneLocation").at(10, 10, 25, 25).image(":/Icons/i_PaneBtn_Location.mif");
    make(caption, button, "dateTimeLabel_3")
        .at(38, 5, 176, 16)
        .panelText()
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(location, button, "labelLocation")
        .at(38, 20, 176, 16)
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .plainPanelText()
        .scaledContents(false)
        .alignment(align::RightVCentre)
        .pixelSize(10)
        .textBoxFlags(TextBoxFlags::FirstOn);
}

void destinationPanel(ZelPushButton *&button, ZelTextBox *&direction, ZelStatusIndicator *&directionIndicator,
                      ZelIcon *&flag, ZelTextBox *&distance, QWidget *root)
{
    make(button, root, "btnDDE").at(8, 69, 226, 44).plainPanelButton();
    make(direction, button, "txtDirection").at(190, 10, 24, 21).distanceBarText().content("");
    make(directionIndicator, button, "iconDirection").at(192, 10, 25, 22).statusImages(paneDirectionImages());
    make(flag, button, "iconFlag").at(10, 9, 25, 25).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(distance, button, "txtDistance")
        .at(38, 10, 150, 21)
        .distanceBarText()
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("N/I");
}

} // namespace quarn
