#include "forms/places/WptOptionsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptOptionsScreenClass &ui, QWidget *root)
{
    Root(root, "WptOptionsScreenClass").size(240, 400);

    make(ui.btnTitle, root, "btnTitle").at(7, 90, 226, 44).panelButton();
    make(ui.dateTimeLabel_4, ui.btnTitle, "dateTimeLabel_4").at(38, 3, 148, 35).panelText().wordWrap().pixelSize(14);
    make(ui.iconOptions, ui.btnTitle, "iconOptions").at(190, 9, 25, 22).statusImages(geocache::routingMethodImages());
    make(ui.iconPaneLocation_2, ui.btnTitle, "iconPaneLocation_2")
        .at(10, 11, 25, 20)
        .image(":/Icons/i_PaneBtn_Options.mif");
    make(ui.backing, root, "backing").at(0, 136, 239, 213);
    make(ui.cmbRouteMethod, ui.backing, "cmbRouteMethod")
        .at(7, 87, 230, 44)
        .font(Font().bold())
        .routeComboBox()
        .textMargin(20)
        .pixelSize(14)
        .popupItemSpacing(8);
    make(ui.cmbRouteType, ui.backing, "cmbRouteType")
        .at(7, 43, 230, 44)
        .font(Font().bold())
        .routeComboBox()
        .textMargin(20)
        .pixelSize(14);
    make(ui.btnOptions, ui.backing, "btnOptions").at(7, -1, 230, 44).toggleButton();
    make(ui.btnOptionsTitle, ui.btnOptions, "btnOptionsTitle")
        .at(10, 6, 210, 33)
        .palette(blackText())
        .buttonLabel()
        .wordWrap();
    make(ui.txtWaypointSource, ui.backing, "txtWaypointSource").at(14, 134, 216, 34).pixelSize(14);
    make(ui.btnDelete, root, "btnDelete").at(5, 304, 230, 44).toggleButton();
    make(ui.labelPictures, ui.btnDelete, "labelPictures")
        .at(10, 6, 210, 33)
        .palette(blackText())
        .buttonLabel()
        .wordWrap();
}

void retranslateUi(Ui_WptOptionsScreenClass &ui, QWidget *)
{
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("WptOptionsScreenClass", "Options"));
    ui.btnOptionsTitle->setContent(QCoreApplication::translate("WptOptionsScreenClass", "Settings"));
    ui.labelPictures->setContent(QCoreApplication::translate("WptOptionsScreenClass", "Delete"));
}

Form<Ui_WptOptionsScreenClass, setupUi, retranslateUi> formWptOptionsScreenClass;

} // namespace

FormLayout &WptOptionsScreenClass()
{
    return formWptOptionsScreenClass;
}

} // namespace quarn::forms
