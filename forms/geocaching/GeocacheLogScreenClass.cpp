#include "forms/geocaching/GeocacheLogScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheLogScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheLogScreenClass").size(240, 400);

    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    make(ui.statGeocacheLogStatus, root, "statGeocacheLogStatus")
        .at(20, 0, 25, 22)
        .statusImages(geocache::logTypeImages());
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.subTitle, root, "subTitle").at(5, 72, 226, 44).panelButton().eventPropagation();
    make(ui.horizontalLayoutWidget_2, ui.subTitle, "horizontalLayoutWidget_2").at(35, 4, 181, 35);
    layout(ui.horizontalLayout_3, ui.horizontalLayoutWidget_2, "horizontalLayout_3").spacing(0);
    make(ui.labelRecentLogs, ui.horizontalLayoutWidget_2, "labelRecentLogs")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .minSize(100, 0)
        .panelText()
        .wordWrap()
        .pixelSize(13);
    make(ui.iconLog1, ui.horizontalLayoutWidget_2, "iconLog1").image(":/Icons/i_PaneBtn_NeedsMaintenance.mif");
    make(ui.txtLog1, ui.horizontalLayoutWidget_2, "txtLog1").panelText().pixelSize(12);
    make(ui.iconLog2, ui.horizontalLayoutWidget_2, "iconLog2").image(":/Icons/i_PaneBtn_FoundIt.mif");
    make(ui.txtLog2, ui.horizontalLayoutWidget_2, "txtLog2").panelText().pixelSize(12);
    make(ui.iconLog3, ui.horizontalLayoutWidget_2, "iconLog3").image(":/Icons/i_PaneBtn_DidntFoundIt.mif");
    make(ui.txtLog3, ui.horizontalLayoutWidget_2, "txtLog3").panelText().pixelSize(12);
    make(ui.iconLog4, ui.horizontalLayoutWidget_2, "iconLog4").image(":/Icons/i_PaneBtn_Pictures.mif");
    make(ui.txtLog4, ui.horizontalLayoutWidget_2, "txtLog4").panelText().pixelSize(12);
    make(ui.iconLog5, ui.horizontalLayoutWidget_2, "iconLog5").image(":/Icons/i_PaneBtn_Hint.mif");
    make(ui.txtLog5, ui.horizontalLayoutWidget_2, "txtLog5").panelText().pixelSize(12);
    spacer(ui.horizontalSpacer, 40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.iconRecentLogs, ui.subTitle, "iconRecentLogs").at(9, 9, 25, 22).image(":/Icons/i_PaneBtn_RecentLogs.mif");
    make(ui.backing, root, "backing").at(5, 114, 230, 236);
    make(ui.txtDescription, ui.backing, "txtDescription").at(0, 0, 230, 236).font(boldAA()).pixelSize(13);

    addMembers(ui.horizontalLayout_3,
               {ui.labelRecentLogs, ui.iconLog1, ui.txtLog1, ui.iconLog2, ui.txtLog2, ui.iconLog3, ui.txtLog3,
                ui.iconLog4, ui.txtLog4, ui.iconLog5, ui.txtLog5, ui.horizontalSpacer});
}

void retranslateUi(Ui_GeocacheLogScreenClass &ui, QWidget *)
{
    ui.labelRecentLogs->setContent(QCoreApplication::translate("GeocacheLogScreenClass", "Recent Logs"));
}

Form<Ui_GeocacheLogScreenClass, setupUi, retranslateUi> formGeocacheLogScreenClass;

} // namespace

FormLayout &GeocacheLogScreenClass()
{
    return formGeocacheLogScreenClass;
}

} // namespace quarn::forms
