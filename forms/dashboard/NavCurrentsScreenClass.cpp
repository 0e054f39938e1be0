#include "forms/dashboard/NavCurrentsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_NavCurrentsScreenClass &ui, QWidget *root)
{
    Root(root, "NavCurrentsScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 48);
    make(ui.btnLocation, root, "btnLocation").at(8, 111, 226, 44).plainPanelButton();
    make(ui.iconPaneLocation, ui.btnLocation, "iconPaneLocation")
        .at(10, 10, 25, 25)
        .image(":/Icons/i_PaneBtn_Location.mif");
    make(ui.dateTimeLabel_3, ui.btnLocation, "dateTimeLabel_3")
        .at(38, 5, 176, 16)
        .panelText()
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.labelLocation, ui.btnLocation, "labelLocation")
        .at(38, 20, 176, 16)
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .plainPanelText()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(10)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnDDE, root, "btnDDE").at(8, 69, 226, 44).plainPanelButton();
    make(ui.txtDirection, ui.btnDDE, "txtDirection").at(190, 10, 24, 21).distanceBarText();
    make(ui.iconDirection, ui.btnDDE, "iconDirection").at(192, 10, 25, 22).statusImages(paneDirectionImages());
    make(ui.iconFlag, ui.btnDDE, "iconFlag").at(10, 9, 25, 25).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.txtDistance, ui.btnDDE, "txtDistance")
        .at(38, 10, 150, 21)
        .distanceBarText()
        .content("N/I")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.gvCurrents, root, "gvCurrents")
        .at(5, 203, 226, 144)
        .font(Font().bold())
        .drawingArea(0, 0, 226, 115)
        .drawCursorFlags(zelSimpleGraphView::CursorImage)
        .property("curveBrush", QBrush(kClear, Qt::NoBrush))
        .property("curveColor", QColor(kWhite))
        .property("cursorLineColor", QColor(85, 0, 255, 0))
        .imageProperty("cursorImage", ":/Icons/i_Currents_Cursor.mif")
        .property("drawGrid", false);
    make(ui.titleInfo, root, "titleInfo").at(6, 152, 230, 51).image(":/Bkgd/bkgd_TitleDivided.mif");
    make(ui.txtSpeed, ui.titleInfo, "txtSpeed").at(15, 7, 44, 33).font(boldAA()).wordWrap().pixelSize(18);
    make(ui.siDirection, ui.titleInfo, "siDirection").at(66, 6, 33, 33).statusImages(currentArrowImages());
    make(ui.txtDate, ui.titleInfo, "txtDate").at(121, 26, 98, 16).font(aaFont()).wordWrap().pixelSize(16);
    make(ui.txtTime, ui.titleInfo, "txtTime").at(121, 6, 98, 20).font(boldAA()).wordWrap().pixelSize(18);
}

void retranslateUi(Ui_NavCurrentsScreenClass &ui, QWidget *)
{
    ui.dateTimeLabel_3->setContent(QCoreApplication::translate("NavCurrentsScreenClass", "Location"));
    //: Sample content, replaced by the host at run time.
    ui.labelLocation->setContent(QCoreApplication::translate("NavCurrentsScreenClass", "N/I"));
    //: Number shown until the host fills it.
    ui.txtSpeed->setContent(QCoreApplication::translate("NavCurrentsScreenClass", "0"));
    ui.txtTime->setContent(QCoreApplication::translate("NavCurrentsScreenClass", "No Data"));
}

Form<Ui_NavCurrentsScreenClass, setupUi, retranslateUi> formNavCurrentsScreenClass;

} // namespace

FormLayout &NavCurrentsScreenClass()
{
    return formNavCurrentsScreenClass;
}

} // namespace quarn::forms
