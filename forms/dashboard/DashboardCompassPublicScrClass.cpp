#include "forms/dashboard/DashboardCompassPublicScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

const std::vector<navfields::Configuration> kDashboardCompassPublicDataFields = [] {
    using namespace navfields;
    return std::vector<Configuration>{
        {{full(91, 16, 24)}},
        {{full(50, 16, 24)}, {full(50, 16, 24)}},
        {{full(50, 16, 24)}, {half(45), half(45)}},
        {{half(45), half(45)}, {half(45), half(45)}},
    };
}();

void setupUi(Ui_DashboardCompassPublicScrClass &ui, QWidget *root)
{
    Root(root, "DashboardCompassPublicScrClass").size(239, 400);

    make(ui.dashboardBar, root, "dashboardBar")
        .at(6, 25, 231, 105)
        .property("minNumberOfDataFields", 0)
        .property("maxNumberOfDataFields", 4)
        .property("navFieldsCfg", navfields::document(kDashboardCompassPublicDataFields));
    make(ui.navFieldsSpinBox, root, "navFieldsSpinBox")
        .at(90, 25, 55, 115)
        .spinBackground(":/Buttons/b_page.mif")
        .blocking()
        .maxValue(4)
        .spinArrows(":/Buttons/b_KB_AdjustUp_off_big.mif", ":/Buttons/b_KB_AdjustUp_on_big.mif",
                    ":/Buttons/b_KB_AdjustDown_off_big.mif", ":/Buttons/b_KB_AdjustDown_on_big.mif");
}

void retranslateUi(Ui_DashboardCompassPublicScrClass &, QWidget *)
{
}

Form<Ui_DashboardCompassPublicScrClass, setupUi, retranslateUi> formDashboardCompassPublicScrClass;

} // namespace

FormLayout &DashboardCompassPublicScrClass()
{
    return formDashboardCompassPublicScrClass;
}

} // namespace quarn::forms
