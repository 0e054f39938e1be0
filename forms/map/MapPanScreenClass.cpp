#include "forms/map/MapPanScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapPanScreenClass &ui, QWidget *root)
{
    Root(root, "MapPanScreenClass")
        .size(240, 400)
        .point("zoomInStd", 182, 64)
        .point("zoomOutStd", 182, 124)
        .point("zoomInBubble", 182, 210)
        .point("zoomOutBubble", 182, 270);

    make(ui.zelMapControl, root, "zelMapControl").at(0, 0, 240, 400);
    make(ui.NorthUp, ui.zelMapControl, "NorthUp")
        .at(0, 302, 48, 48)
        .northImage(":/Icons/i_North.mif")
        .northArrowImage(":/Icons/i_NorthArrow.mif");
    make(ui.widgetScale, ui.zelMapControl, "widgetScale").at(160, 330, 71, 20);
    make(ui.iconScale, ui.widgetScale, "iconScale").at(0, 0, 71, 12).image(":/Icons/i_ScaleBracket.mif");
    make(ui.txtScaleShadow, ui.widgetScale, "txtScaleShadow")
        .at(2, 6, 70, 14)
        .palette(greyText())
        .caption()
        .textFormat(Qt::PlainText)
        .alignment(Qt::AlignHCenter | Qt::AlignBottom)
        .content("100 ft");
    make(ui.txtScale, ui.widgetScale, "txtScale")
        .at(1, 5, 70, 14)
        .palette(whiteTextDimDisabled())
        .caption()
        .textFormat(Qt::PlainText)
        .alignment(Qt::AlignHCenter | Qt::AlignBottom)
        .content("100 ft");
    make(ui.btnBigGo, ui.zelMapControl, "btnBigGo")
        .at(157, 70, 83, 83)
        .layoutDirection(Qt::RightToLeft)
        .normal(":/Buttons/b_go.mif")
        .pressed(":/Buttons/b_go_h.mif");
    make(ui.textBox, ui.btnBigGo, "textBox")
        .at(13, 28, 40, 30)
        .palette(Colours().role(QPalette::ButtonText, kWhite, kDimDisabledText))
        .font(boldAA())
        .layoutDirection(Qt::RightToLeft)
        .scaledContents()
        .alignment(Qt::AlignCenter)
        .pixelSize(20);
    zoomInButton(ui.ZoomIn, ui.zelMapControl).layoutDirection(Qt::RightToLeft);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl).layoutDirection(Qt::RightToLeft);
    make(ui.panelBottom, root, "panelBottom").at(0, 346, 240, 54).image(":/Bkgd/bkgd_Map_Control_Bottom.mif");
    make(ui.btnBack, root, "btnBack")
        .at(0, 348, 90, 52)
        .focusPolicy(Qt::NoFocus)
        .normal(":/Icons/i_Map_Back.mif")
        .pressed(":/Icons/i_Map_Back_h.mif");
    make(ui.btnContextMenu, root, "btnContextMenu")
        .at(150, 347, 91, 52)
        .focusPolicy(Qt::NoFocus)
        .normal(":/Icons/i_Map_Menu.mif")
        .pressed(":/Icons/i_Map_Menu_h.mif");
    make(ui.iconLatLong, root, "iconLatLong").at(0, 20, 240, 38).image(":/Bkgd/bkgd_QuickInfoBar.mif");
    make(ui.txtLatLon, ui.iconLatLong, "txtLatLon")
        .at(10, 5, 221, 20)
        .palette(whiteText())
        .scaledContents()
        .alignment(Qt::AlignCenter)
        .content("--- / ---")
        .pixelSize(22);
}

void retranslateUi(Ui_MapPanScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapPanScreenClass", ""));
    ui.textBox->setContent(QCoreApplication::translate("MapPanScreenClass", "GO"));
}

Form<Ui_MapPanScreenClass, setupUi, retranslateUi> formMapPanScreenClass;

} // namespace

FormLayout &MapPanScreenClass()
{
    return formMapPanScreenClass;
}

} // namespace quarn::forms
