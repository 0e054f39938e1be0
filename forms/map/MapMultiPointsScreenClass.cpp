#include "forms/map/MapMultiPointsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapMultiPointsScreenClass &ui, QWidget *root)
{
    Root(root, "MapMultiPointsScreenClass")
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
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    make(ui.panelBottom, root, "panelBottom").at(0, 346, 240, 54).image(":/Bkgd/bkgd_Map_Control_Bottom.mif");
    make(ui.btnBack, root, "btnBack")
        .at(0, 348, 90, 52)
        .focusPolicy(Qt::NoFocus)
        .normal(":/Icons/i_Map_Back.mif")
        .pressed(":/Icons/i_Map_Back_h.mif");
    make(ui.btnOK, root, "btnOK")
        .at(174, 351, 67, 56)
        .focusPolicy(Qt::NoFocus)
        .normal(":/Buttons/b_KB_OK.mif")
        .pressed(":/Buttons/b_KB_OK_h.mif");
    make(ui.iconLatLong, root, "iconLatLong").at(0, 20, 240, 38).image(":/Bkgd/bkgd_QuickInfoBar.mif");
    make(ui.txtLatLon, ui.iconLatLong, "txtLatLon")
        .at(10, 5, 221, 20)
        .palette(whiteText())
        .scaledContents()
        .alignment(Qt::AlignCenter)
        .content("--- / ---")
        .pixelSize(22);
}

void retranslateUi(Ui_MapMultiPointsScreenClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapMultiPointsScreenClass", ""));
}

Form<Ui_MapMultiPointsScreenClass, setupUi, retranslateUi> formMapMultiPointsScreenClass;

} // namespace

FormLayout &MapMultiPointsScreenClass()
{
    return formMapMultiPointsScreenClass;
}

} // namespace quarn::forms
