#include "forms/dashboard/DashboardNavFieldsScreenClass.h"

#include "core/construction/construction.h"

namespace quarn::forms {
namespace {

// From five fields on every row is 45 px high: seven rows, filled from the
// bottom with pairs as the count grows.
const std::vector<navfields::Configuration> kNavFieldsScreenDataFields = [] {
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
    contextMenuButton(ui.btnMenu, ui.statusBar, "btnMenu");
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .faces(":/Icons/i_ToolBar_DataFieldsOnly.mif", ":/Icons/i_ToolBar_DataFieldsOnly_h.mif");
    make(ui.dashboardBar, root, "dashboardBar")
        .at(5, 25, 235, 333)
        .property("minNumberOfDataFields", 1)
        .property("maxNumberOfDataFields", 14)
        .property("navFieldsCfg", document(kNavFieldsScreenDataFields));
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
