#include "forms/geocaching/GcSummaryScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GcSummaryScreenClass &ui, QWidget *root)
{
    Root(root, "GcSummaryScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(32, 13, 174, 20).titleText();
    make(ui.labelPage, ui.icon, "labelPage").at(206, 2, 30, 20).titlePageNumber();
    make(ui.labelNumber, ui.icon, "labelNumber").at(206, 24, 30, 20).titlePageNumber();
    make(ui.icon_2, ui.icon, "icon_2").at(6, 12, 27, 22).image(":/Icons/i_GeocacheIcons.mif");
    make(ui.listSummaryItems, root, "listSummaryItems").at(1, 70, 234, 281);
}

void retranslateUi(Ui_GcSummaryScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("GcSummaryScreenClass", "Geocache Summary"));
    ui.labelPage->setContent(QString());
    ui.labelNumber->setContent(QString());
}

Form<Ui_GcSummaryScreenClass, setupUi, retranslateUi> formGcSummaryScreenClass;

} // namespace

FormLayout &GcSummaryScreenClass()
{
    return formGcSummaryScreenClass;
}

} // namespace quarn::forms
