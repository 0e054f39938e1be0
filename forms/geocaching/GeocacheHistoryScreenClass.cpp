#include "forms/geocaching/GeocacheHistoryScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheHistoryScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheHistoryScreenClass").size(240, 400);

    make(ui.icon_3, root, "icon_3").at(10, 111, 218, 227).image(":/Bkgd/bkgd_Shade_DetailFonts.mif");
    make(ui.txtDescription, ui.icon_3, "txtDescription").at(0, 5, 218, 222).pixelSize(17);
    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.subTitle, root, "subTitle").at(6, 72, 226, 44).panelButton().eventPropagation();
    make(ui.dateTimeLabel_4, ui.subTitle, "dateTimeLabel_4").at(38, 10, 180, 21).panelText().pixelSize(12);
    make(ui.iconAttributes_2, ui.subTitle, "iconAttributes_2")
        .at(8, 5, 32, 32)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_MenuIcon_ViewSummary.mif")
        .pixelSize(12);
}

void retranslateUi(Ui_GeocacheHistoryScreenClass &ui, QWidget *)
{
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("GeocacheHistoryScreenClass", "Stats/History"));
    ui.iconAttributes_2->setContent(QString());
}

Form<Ui_GeocacheHistoryScreenClass, setupUi, retranslateUi> formGeocacheHistoryScreenClass;

} // namespace

FormLayout &GeocacheHistoryScreenClass()
{
    return formGeocacheHistoryScreenClass;
}

} // namespace quarn::forms
