#include "forms/geocaching/GeocacheHintScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheHintScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheHintScreenClass").size(240, 400);

    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.subTitle, root, "subTitle").at(5, 72, 226, 44).panelButton().eventPropagation();
    make(ui.txtHint, ui.subTitle, "txtHint").at(41, 10, 171, 21).panelText().pixelSize(13);
    make(ui.iconHint, ui.subTitle, "iconHint").at(8, 8, 25, 22).image(":/Icons/i_PaneBtn_Hint.mif");
    make(ui.backing, root, "backing").at(5, 114, 230, 236);
    make(ui.txtDescription, ui.backing, "txtDescription").at(0, 0, 230, 236).font(boldAA()).pixelSize(13);
}

void retranslateUi(Ui_GeocacheHintScreenClass &ui, QWidget *)
{
    ui.txtHint->setContent(QCoreApplication::translate("GeocacheHintScreenClass", "Hint"));
}

Form<Ui_GeocacheHintScreenClass, setupUi, retranslateUi> formGeocacheHintScreenClass;

} // namespace

FormLayout &GeocacheHintScreenClass()
{
    return formGeocacheHintScreenClass;
}

} // namespace quarn::forms
