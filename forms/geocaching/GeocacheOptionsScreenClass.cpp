#include "forms/geocaching/GeocacheOptionsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheOptionsScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheOptionsScreenClass").size(240, 400);

    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.subTitle, root, "subTitle").at(5, 72, 226, 44).panelButton().eventPropagation();
    make(ui.horizontalLayoutWidget_3, ui.subTitle, "horizontalLayoutWidget_3").at(9, 4, 208, 40);
    layout(ui.horizontalLayout, ui.horizontalLayoutWidget_3, "horizontalLayout");
    make(ui.iconPaneLocation, ui.horizontalLayoutWidget_3, "iconPaneLocation").image(":/Icons/i_PaneBtn_Options.mif");
    coordinateReadOut(ui.dateTimeLabel, ui.horizontalLayoutWidget_3, "dateTimeLabel").panelText().pixelSize(14);
    spacer(ui.horizontalSpacer, 40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.statRoutingMethod, ui.horizontalLayoutWidget_3, "statRoutingMethod")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed)
        .statusImages(geocache::routingMethodImages());
    make(ui.backing, root, "backing").at(0, 120, 239, 233);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(2, 2, 233, 139);
    layout(ui.verticalLayout, ui.layoutWidget, "verticalLayout").spacing(0).sizeConstraint(QLayout::SetMinimumSize);
    make(ui.cmbRouteType, ui.layoutWidget, "cmbRouteType")
        .font(Font().bold())
        .routeComboBox()
        .sizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon)
        .textMargin(20)
        .pixelSize(14);
    make(ui.cmbRouteMethod, ui.layoutWidget, "cmbRouteMethod")
        .font(Font().bold())
        .routeComboBox()
        .textMargin(20)
        .pixelSize(14)
        .popupItemSpacing(8);
    make(ui.btnRouteOptions, ui.layoutWidget, "btnRouteOptions").toggleButton();
    make(ui.label, ui.btnRouteOptions, "label")
        .at(9, 12, 211, 21)
        .font(Font().bold().aa().kerning())
        .alignment(Qt::AlignCenter)
        .pixelSize(14);
    spacer(ui.verticalSpacer, 20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    make(ui.btnDelete, ui.backing, "btnDelete").at(4, 191, 227, 38).closedPageButton();
    make(ui.labelPictures, ui.btnDelete, "labelPictures").at(12, 8, 201, 21).palette(blackText()).buttonLabel();
    make(ui.txtPath, ui.backing, "txtPath")
        .at(15, 147, 210, 38)
        .font(aaFont())
        .html("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" "
              "\"http://www.w3.org/TR/REC-html40/strict.dtd\">\n<html><head><meta name=\"qrichtext\" content=\"1\" "
              "/><style type=\"text/css\">\np, li { white-space: pre-wrap; }\n</style></head><body style=\" "
              "font-weight:400; font-style:normal;\">\n<table border=\"0\" style=\"-qt-table-type: root; "
              "margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;\">\n<tr>\n<td style=\"border: "
              "none;\">\n<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; "
              "-qt-block-indent:0; text-indent:0px;\"><span style=\" "
              "font-family:'Arial';\">long_long_long_longlong_long_long_longlong_long_long_longlong_long_long_longlong_"
              "long_long_longlong_long_long_longlong_long_long_long</span></p></td></tr></table></body></html>")
        .verticalScrollBar(Qt::ScrollBarAlwaysOff)
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff)
        .readOnly()
        .textInteraction(Qt::NoTextInteraction)
        .pixelSize(14);

    addMembers(ui.horizontalLayout, {ui.iconPaneLocation, ui.dateTimeLabel, ui.horizontalSpacer, ui.statRoutingMethod});
    addMembers(ui.verticalLayout, {ui.cmbRouteType, ui.cmbRouteMethod, ui.btnRouteOptions, ui.verticalSpacer});
}

void retranslateUi(Ui_GeocacheOptionsScreenClass &ui, QWidget *)
{
    ui.dateTimeLabel->setContent(QCoreApplication::translate("GeocacheOptionsScreenClass", "Options"));
    ui.label->setContent(QCoreApplication::translate("GeocacheOptionsScreenClass", "Settings"));
    ui.labelPictures->setContent(QCoreApplication::translate("GeocacheOptionsScreenClass", "Delete"));
}

Form<Ui_GeocacheOptionsScreenClass, setupUi, retranslateUi> formGeocacheOptionsScreenClass;

} // namespace

FormLayout &GeocacheOptionsScreenClass()
{
    return formGeocacheOptionsScreenClass;
}

} // namespace quarn::forms
