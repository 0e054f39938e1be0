#include "forms/dashboard/TideCurrentScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TideCurrentScreenClass &ui, QWidget *root)
{
    Root(root, "TideCurrentScreenClass").size(240, 400);

    navigationPanels(ui, root);
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
