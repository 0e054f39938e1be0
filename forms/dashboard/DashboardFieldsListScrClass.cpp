#include "forms/dashboard/DashboardFieldsListScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_DashboardFieldsListScrClass &ui, QWidget *root)
{
    Root(root, "DashboardFieldsListScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    serviceTitleStrip(ui.icon, root, 22);
    make(ui.labelName, ui.icon, "labelName")
        .at(41, 4, 157, 23)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.iconTitle, ui.icon, "iconTitle").at(-3, -3, 38, 38).image(":/Icons/i_assigntype_Function.mif");
    make(ui.txtCurPage, ui.icon, "txtCurPage")
        .at(200, 0, 38, 17)
        .palette(whiteText())
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("1/1")
        .pixelSize(13);
    make(ui.txtNumOfFlds, ui.icon, "txtNumOfFlds")
        .at(200, 15, 38, 17)
        .palette(whiteText())
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13);
    make(ui.listDataFields, root, "listDataFields").at(0, 56, 240, 299);
}

void retranslateUi(Ui_DashboardFieldsListScrClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("DashboardFieldsListScrClass", "Fields"));
}

Form<Ui_DashboardFieldsListScrClass, setupUi, retranslateUi> formDashboardFieldsListScrClass;

} // namespace

FormLayout &DashboardFieldsListScrClass()
{
    return formDashboardFieldsListScrClass;
}

} // namespace quarn::forms
