#include "forms/dashboard/TideCurrentScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TideCurrentScreenClass &ui, QWidget *root)
{
    Root(root, "TideCurrentScreenClass").size(240, 400);

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
        .at(4, 203, 230, 144)
        .font(Font().bold())
        .drawingArea(0, 0, 230, 115)
        .drawCursorFlags(zelSimpleGraphView::CursorImage)
        .property("curveBrush", QBrush(QColor(85, 0, 255)))
        .property("curveColor", QColor(85, 0, 255))
        .property("curveWidth", 1)
        .property("cursorLineColor", QColor(kWhite))
        .property("cursorLineWidth", 2)
        .imageProperty("cursorImage", ":/Icons/i_Tides_Cursor.mif");
    make(ui.titleInfo, root, "titleInfo").at(6, 152, 230, 51).image(":/Bkgd/bkgd_TitleDivided.mif");
    make(ui.txtLevel, ui.titleInfo, "txtLevel").at(13, 8, 49, 33).font(boldAA()).wordWrap().pixelSize(18);
    make(ui.siDirection, ui.titleInfo, "siDirection")
        .at(72, 8, 33, 33)
        .statusImages({":/Icons/i_currents_arrow1.mif", ":/Icons/i_currents_arrow9.mif"})
        .status(1);
    make(ui.txtTime, ui.titleInfo, "txtTime").at(121, 6, 93, 20).font(boldAA()).wordWrap().pixelSize(18);
    make(ui.txtDate, ui.titleInfo, "txtDate").at(121, 26, 93, 15).font(aaFont()).wordWrap().pixelSize(16);
}

void retranslateUi(Ui_TideCurrentScreenClass &ui, QWidget *)
{
    ui.dateTimeLabel_3->setContent(QCoreApplication::translate("TideCurrentScreenClass", "Location"));
    //: Sample content, replaced by the host at run time.
    ui.labelLocation->setContent(QCoreApplication::translate("TideCurrentScreenClass", "N/I"));
    //: Number shown until the host fills it.
    ui.txtLevel->setContent(QCoreApplication::translate("TideCurrentScreenClass", "0"));
    ui.txtTime->setContent(QCoreApplication::translate("TideCurrentScreenClass", "No Data"));
}

Form<Ui_TideCurrentScreenClass, setupUi, retranslateUi> formTideCurrentScreenClass;

} // namespace

FormLayout &TideCurrentScreenClass()
{
    return formTideCurrentScreenClass;
}

} // namespace quarn::forms
