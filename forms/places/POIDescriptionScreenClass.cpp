#include "forms/places/POIDescriptionScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIDescriptionScreenClass &ui, QWidget *root)
{
    Root(root, "POIDescriptionScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.btnSubtitle, root, "btnSubtitle").at(2, 70, 226, 44).plainPanelButton();
    make(ui.label_3, ui.btnSubtitle, "label_3").at(13, 15, 81, 16).smallCaption();
    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 48);
    make(ui.backing, root, "backing").at(4, 116, 234, 236);
    make(ui.txtDescription, ui.backing, "txtDescription").at(4, 3, 227, 230);
}

void retranslateUi(Ui_POIDescriptionScreenClass &ui, QWidget *)
{
    ui.label_3->setContent(QCoreApplication::translate("POIDescriptionScreenClass", "Description"));
}

Form<Ui_POIDescriptionScreenClass, setupUi, retranslateUi> formPOIDescriptionScreenClass;

} // namespace

FormLayout &POIDescriptionScreenClass()
{
    return formPOIDescriptionScreenClass;
}

} // namespace quarn::forms
