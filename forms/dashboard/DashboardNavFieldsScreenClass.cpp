#include "forms/dashboard/DashboardNavFieldsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

const std::vector<navfields::Configuration> kDashboardNavFieldsDataFields = [] {
    using namespace navfields;
    return std::vector<Configuration>{
        {{full(183, 16, 32)}},
        {{full(91, 16, 28)}, {full(91, 16, 28)}},
        {{full(91, 16, 26)}, {full(91, 16, 26)}, {full(91, 16, 26)}},
        {{full(60, 16, 24)}, {full(60, 16, 24)}, {full(60, 16, 24)}, {full(60, 16, 24)}},
        {{full(45, 16, 24)}, {full(45, 16, 24)}, {full(45, 16, 24)}, {full(45, 16, 24)}, {full(45, 16, 24)}},
        {{full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)}},
        {{full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)}},
        {{full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {half(45), half(45)}},
        {{full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {half(45), half(45)},
         {half(45), half(45)}},
        {{full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)}},
        {{full(45, 16, 24)},
         {full(45, 16, 24)},
         {full(45, 16, 24)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)}},
        {{full(45, 16, 24)},
         {full(45, 16, 24)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)}},
        {{full(45, 16, 24)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)}},
        {{half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)},
         {half(45), half(45)}},
    };
}();

void setupUi(Ui_DashboardNavFieldsScreenClass &ui, QWidget *root)
{
    Root(root, "DashboardNavFieldsScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnMenu, ui.statusBar, "btnMenu").at(180, 7, 60, 43).contextMenuButton();
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_DataFieldsOnly.mif")
        .pressed(":/Icons/i_ToolBar_DataFieldsOnly_h.mif");
    make(ui.dashboardBar, root, "dashboardBar")
        .at(5, 25, 235, 333)
        .property("minNumberOfDataFields", 1)
        .property("maxNumberOfDataFields", 14)
        .property("navFieldsCfg", navfields::document(kDashboardNavFieldsDataFields));
}

void retranslateUi(Ui_DashboardNavFieldsScreenClass &, QWidget *)
{
}

Form<Ui_DashboardNavFieldsScreenClass, setupUi, retranslateUi> formDashboardNavFieldsScreenClass;

} // namespace

FormLayout &DashboardNavFieldsScreenClass()
{
    return formDashboardNavFieldsScreenClass;
}

} // namespace quarn::forms
