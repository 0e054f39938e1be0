#include "core/construction/map_furniture.h"

#include "core/construction/look.h"

namespace quarn {

Row<ZelMapControl> mapControl(ZelMapControl *&field, QWidget *root)
{
    return make(field, root, "zelMapControl").at(0, 0, 240, 400);
}

Row<ZelNorthUpWidget> northUpIndicator(ZelNorthUpWidget *&field, QWidget *mapControl, int x, int y)
{
    Row<ZelNorthUpWidget> row = make(field, mapControl, "NorthUp").at(x, y, 48, 48);
    field->setNorth(picture(":/Icons/i_North.mif"));
    field->setArrow(picture(":/Icons/i_NorthArrow.mif"));
    return row;
}

Row<QWidget> scaleBar(QWidget *&field, QWidget *mapControl, int x, int y)
{
    return make(field, mapControl, "widgetScale").at(x, y, 71, 20);
}

Row<ZelIcon> scaleBracket(ZelIcon *&field, QWidget *scaleBar)
{
    return make(field, scaleBar, "iconScale").at(0, 0, 71, 12).image(":/Icons/i_ScaleBracket.mif");
}

Row<ZelTextBox> scaleText(ZelTextBox *&field, QWidget *scaleBar)
{
    return make(field, scaleBar, "txtScale")
        .at(1, 5, 70, 14)
        .palette(whiteTextDimDisabled())
        .font(boldAA())
        .plainText()
        .alignment(align::HCentreBottom)
        .pixelSize(14)
        .content("100 ft");
}

Row<ZelTextBox> scaleTextShadow(ZelTextBox *&field, QWidget *scaleBar)
{
    return make(field, scaleBar, "txtScaleShadow")
        .at(2, 6, 70, 14)
        .palette(greyText())
        .font(boldAA())
        .plainText()
        .alignment(align::HCentreBottom)
        .pixelSize(14)
        .content("100 ft");
}

Row<ZelPushButton> zoomInButton(ZelPushButton *&field, QWidget *parent)
{
    return make(field, parent, "ZoomIn")
        .at(182, 155, 58, 58)
        .noFocus()
        .faces(":/Buttons/b_Pan_In.mif", ":/Buttons/b_Pan_In_h.mif");
}

Row<ZelPushButton> zoomOutButton(ZelPushButton *&field, QWidget *parent)
{
    return make(field, parent, "ZoomOut")
        .at(182, 213, 58, 58)
        .noFocus()
        .faces(":/Buttons/b_Pan_Out.mif", ":/Buttons/b_Pan_Out_h.mif");
}

Row<ZelPushButton> goButton(ZelPushButton *&field, QWidget *parent)
{
    return make(field, parent, "btnBigGo").at(157, 70, 83, 83).faces(":/Buttons/b_go.mif", ":/Buttons/b_go_h.mif");
}

Row<ZelTextBox> goText(ZelTextBox *&field, QWidget *goButton)
{
    return make(field, goButton, "textBox")
        .at(13, 28, 40, 30)
        .palette(Colours().role(QPalette::ButtonText, kWhite, kDimDisabledText))
        .font(boldAA())
        .scaledContents()
        .alignment(align::Centre)
        .pixelSize(20);
}

Row<ZelIcon> mapBottomPanel(ZelIcon *&field, QWidget *root, int x, int y, int width, int height)
{
    return make(field, root, "panelBottom").at(x, y, width, height).image(":/Bkgd/bkgd_Map_Control_Bottom.mif");
}

Row<ZelPushButton> mapBackButton(ZelPushButton *&field, QWidget *parent, int x, int y, int width, int height)
{
    return make(field, parent, "btnBack")
        .at(x, y, width, height)
        .noFocus()
        .faces(":/Icons/i_Map_Back.mif", ":/Icons/i_Map_Back_h.mif");
}

Row<ZelPushButton> mapContextMenuButton(ZelPushButton *&field, QWidget *parent, int x, int y, int width, int height)
{
    return make(field, parent, "btnContextMenu")
        .at(x, y, width, height)
        .noFocus()
        .faces(":/Icons/i_Map_Menu.mif", ":/Icons/i_Map_Menu_h.mif");
}

Row<ZelIcon> mapInfoBar(ZelIcon *&field, QWidget *parent, const char *objectName)
{
    return make(field, parent, objectName).at(0, 20, 240, 38).image(":/Bkgd/bkgd_QuickInfoBar.mif");
}

Row<ZelTextBox> mapInfoLine(ZelTextBox *&field, QWidget *infoBar, const char *objectName)
{
    return make(field, infoBar, objectName)
        .at(10, 5, 221, 20)
        .palette(whiteText())
        .scaledContents()
        .alignment(align::Centre)
        .pixelSize(22);
}

Row<zelCompass> mapCompass(zelCompass *&field, QWidget *mapControl, int x, int y)
{
    return make(field, mapControl, "compass").at(x, y, 240, 240).standardMapCompass();
}

void retranslateCompassLetters(zelCompass *compass, const CompassLetters &letters)
{
    compass->northLetter = letters.north;
    compass->westLetter = letters.west;
    compass->southLetter = letters.south;
    compass->eastLetter = letters.east;
}

Row<ZelWidget> navigationFieldBar(ZelWidget *&field, QWidget *root,
                                  const std::vector<navfields::Configuration> &configurations)
{
    return make(field, root, "dashboardBar")
        .at(6, 310, 230, 91)
        .property("minNumberOfDataFields", 0)
        .property("maxNumberOfDataFields", 4)
        .property("navFieldsCfg", navfields::document(configurations));
}

const std::vector<navfields::Configuration> &vehicleModeDataFields()
{
    using namespace navfields;
    static const std::vector<Configuration> configurations = {
        {{full(50, 12, 20)}},
        {{half(45), half(45)}},
        {{full(50, 12, 20)}, {half(45), half(45)}},
        {{half(45), half(45)}, {half(45), half(45)}},
    };
    return configurations;
}

} // namespace quarn
