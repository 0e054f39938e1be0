#include "forms/places/POIOptionsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIOptionsScreenClass &ui, QWidget *root)
{
    Root(root, "POIOptionsScreenClass").size(240, 400).property("font", QFont(Font().normalWeight()));

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(normalWeightAA());
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.btnSubtitle, root, "btnSubtitle").at(2, 70, 226, 44).plainPanelButton();
    make(ui.horizontalLayoutWidget_3, ui.btnSubtitle, "horizontalLayoutWidget_3").at(6, 0, 211, 40);
    layout(ui.horizontalLayout_4, ui.horizontalLayoutWidget_3, "horizontalLayout_4").spacing(0);
    make(ui.icon_2, ui.horizontalLayoutWidget_3, "icon_2").image(":/Icons/i_PaneBtn_Options.mif");
    make(ui.dateTimeLabel_6, ui.horizontalLayoutWidget_3, "dateTimeLabel_6").panelText().pixelSize(14);
    spacer(ui.horizontalSpacer, 40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.iconOptions, ui.horizontalLayoutWidget_3, "iconOptions")
        .statusImages({":/Icons/i_PaneBtn_Hike.mif", ":/Icons/i_Vehicle.mif"});
    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 48);
    make(ui.backing, root, "backing").at(0, 118, 240, 180);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(0, 4, 232, 175);
    layout(ui.verticalLayout, ui.layoutWidget, "verticalLayout");
    make(ui.cmbRouteType, ui.layoutWidget, "cmbRouteType")
        .font(Font().bold())
        .routeComboBox()
        .textMargin(42)
        .pixelSize(13);
    make(ui.cmbRouteMethod, ui.layoutWidget, "cmbRouteMethod")
        .font(Font().bold())
        .routeComboBox()
        .textMargin(42)
        .pixelSize(13);
    make(ui.tbnRouteOptions, ui.layoutWidget, "tbnRouteOptions")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed, 100, 0)
        .toggleButton();
    make(ui.label_3, ui.tbnRouteOptions, "label_3").at(9, 7, 213, 31).smallCaption().alignment(Qt::AlignCenter);
    spacer(ui.verticalSpacer, 20, 10, QSizePolicy::Minimum, QSizePolicy::MinimumExpanding);

    addMembers(ui.horizontalLayout_4, {ui.icon_2, ui.dateTimeLabel_6, ui.horizontalSpacer, ui.iconOptions});
    addMembers(ui.verticalLayout, {ui.cmbRouteType, ui.cmbRouteMethod, ui.tbnRouteOptions, ui.verticalSpacer});

    ui.cmbRouteMethod->raise();
}

void retranslateUi(Ui_POIOptionsScreenClass &ui, QWidget *)
{
    ui.dateTimeLabel_6->setContent(QCoreApplication::translate("POIOptionsScreenClass", "Options"));
    ui.label_3->setContent(QCoreApplication::translate("POIOptionsScreenClass", "Settings"));
}

Form<Ui_POIOptionsScreenClass, setupUi, retranslateUi> formPOIOptionsScreenClass;

} // namespace

FormLayout &POIOptionsScreenClass()
{
    return formPOIOptionsScreenClass;
}

} // namespace quarn::forms
