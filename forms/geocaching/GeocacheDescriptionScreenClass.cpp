#include "forms/geocaching/GeocacheDescriptionScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheDescriptionScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheDescriptionScreenClass").size(240, 400);

    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.backing, root, "backing").at(5, 114, 230, 236);
    make(ui.txtDescription, ui.backing, "txtDescription").at(0, 0, 230, 236).font(boldAA()).pixelSize(13);
    make(ui.subTitle, root, "subTitle").at(5, 72, 226, 44).panelButton().eventPropagation();
    make(ui.dateTimeLabel_3, ui.subTitle, "dateTimeLabel_3").at(38, 11, 81, 21).panelText().pixelSize(13);
    make(ui.labelDescription_2, ui.subTitle, "labelDescription_2")
        .at(116, 11, 101, 21)
        .font(normalWeightAA())
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconPaneLocation_4, ui.subTitle, "iconPaneLocation_4")
        .at(9, 10, 25, 22)
        .image(":/Icons/i_PaneBtn_Desciption.mif");
}

void retranslateUi(Ui_GeocacheDescriptionScreenClass &ui, QWidget *)
{
    ui.dateTimeLabel_3->setContent(QCoreApplication::translate("GeocacheDescriptionScreenClass", "Description"));
}

Form<Ui_GeocacheDescriptionScreenClass, setupUi, retranslateUi> formGeocacheDescriptionScreenClass;

} // namespace

FormLayout &GeocacheDescriptionScreenClass()
{
    return formGeocacheDescriptionScreenClass;
}

} // namespace quarn::forms
