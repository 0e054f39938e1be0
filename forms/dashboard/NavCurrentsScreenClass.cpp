#include "forms/dashboard/NavCurrentsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_NavCurrentsScreenClass &ui, QWidget *root)
{
    Root(root, "NavCurrentsScreenClass").size(240, 400);

    navigationPanels(ui, root);
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
