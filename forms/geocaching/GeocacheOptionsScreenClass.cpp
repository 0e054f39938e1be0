#include "forms/geocaching/GeocacheOptionsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

// A placeholder path in one table cell, long enough to show how the host's
// text wraps in the two-line area.
const QString kSampleHtml = QStringLiteral(
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
    "<html><head><meta name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\n"
    "p, li { white-space: pre-wrap; }\n"
    "</style></head><body style=\" font-family:'Arial'; font-weight:400; font-style:normal;\">\n"
    "<table border=\"0\" style=\"-qt-table-type: root; margin-top:0px; margin-bottom:0px; margin-left:0px; "
    "margin-right:0px;\">\n"
    "<tr>\n"
    "<td style=\"border: none;\">\n"
    "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; "
    "text-indent:0px;\">"
    "long_long_long_longlong_long_long_longlong_long_long_longlong_long_long_longlong_long_long_longlong_long_long_"
    "longlong_long_long_long"
    "</p></td></tr></table></body></html>");

void setupUi(Ui_GeocacheOptionsScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheOptionsScreenClass").size(240, 400);

    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar, aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.subTitle, root, "subTitle").at(5, 72, 226, 44).panelButton().eventPropagation();
    make(ui.horizontalLayoutWidget_3, ui.subTitle, "horizontalLayoutWidget_3").at(9, 4, 208, 40);
    layout(ui.horizontalLayout, ui.horizontalLayoutWidget_3, "horizontalLayout")
        .spacing(6)
        .sizeConstraint(QLayout::SetDefaultConstraint);
    make(ui.iconPaneLocation, ui.horizontalLayoutWidget_3, "iconPaneLocation").image(":/Icons/i_PaneBtn_Options.mif");
    make(ui.dateTimeLabel, ui.horizontalLayoutWidget_3, "dateTimeLabel")
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed)
        .panelText()
        .pixelSize(14);
    spacer(ui.horizontalSpacer, 40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.statRoutingMethod, ui.horizontalLayoutWidget_3, "statRoutingMethod")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed)
        .statusImages(geocache::routingMethodImages());
    make(ui.backing, root, "backing").at(0, 120, 239, 233);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(2, 2, 233, 139);
    layout(ui.verticalLayout, ui.layoutWidget, "verticalLayout").spacing(0).sizeConstraint(QLayout::SetMinimumSize);
    make(ui.cmbRouteType, ui.layoutWidget, "cmbRouteType")
        .widgetFont(Font().bold())
        .sizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon)
        .pixelSize(14)
        .routeComboBox()
        .textMargin(20);
    make(ui.cmbRouteMethod, ui.layoutWidget, "cmbRouteMethod")
        .widgetFont(Font().bold())
        .pixelSize(14)
        .routeComboBox()
        .textMargin(20)
        .popupItemSpacing(8);
    make(ui.btnRouteOptions, ui.layoutWidget, "btnRouteOptions").toggleButton();
    make(ui.label, ui.btnRouteOptions, "label")
        .at(9, 12, 211, 21)
        .font(boldAA().kerning())
        .alignment(align::Centre)
        .pixelSize(14);
    spacer(ui.verticalSpacer, 20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    make(ui.btnDelete, ui.backing, "btnDelete")
        .at(4, 191, 227, 38)
        .faces(":/Buttons/b_Geocache_Details_PageClosed.mif", ":/Buttons/b_Geocache_Details_PageClosed_h.mif")
        .focused(":/Buttons/b_Geocache_Details_PageClosed_f.mif");
    make(ui.labelPictures, ui.btnDelete, "labelPictures")
        .at(12, 8, 201, 21)
        .panelText()
        .alignment(align::Centre)
        .pixelSize(14);
    make(ui.txtPath, ui.backing, "txtPath")
        .at(15, 147, 210, 38)
        .font(aaFont())
        .scrollBars(Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOff)
        .html(kSampleHtml)
        .noTextInteraction()
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
