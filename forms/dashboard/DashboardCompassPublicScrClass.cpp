#include "forms/dashboard/DashboardCompassPublicScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_DashboardCompassPublicScrClass &ui, QWidget *root)
{
    Root(root, "DashboardCompassPublicScrClass").size(239, 400);

    make(ui.dashboardBar, root, "dashboardBar")
        .at(6, 25, 231, 105)
        .property("minNumberOfDataFields", 0)
        .property("maxNumberOfDataFields", 4)
        .property("navFieldsCfg",
                  QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\" "
                             "standalone=\"no\"?>\n<NAV_FIELDS_CONFIGURATION>\n\t<CONFIGURATION_1>\n\t\t<FIELD row = "
                             "\"1\" col = \"1\" image = \":/Bkgd/bkgd_Dashboard_Field_230x91.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_230x91_h.mif\" colspan = \"\" fontSizeHeader=\"16\" "
                             "fontSizeData=\"24\"></FIELD>\n\t</CONFIGURATION_1>\n\n\t<CONFIGURATION_2>\n\t\t<FIELD "
                             "row = \"1\" col = \"1\" image = \":/Bkgd/bkgd_Dashboard_Field_230x50.mif\" image_pressed "
                             "= \":/Bkgd/bkgd_Dashboard_Field_230x50_h.mif\" colspan = \"\" fontSizeHeader=\"16\" "
                             "fontSizeData=\"24\"></FIELD>\n\t\t<FIELD row = \"2\" col = \"1\" image = "
                             "\":/Bkgd/bkgd_Dashboard_Field_230x50.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_230x50_h.mif\" colspan = \"\" fontSizeHeader=\"16\" "
                             "fontSizeData=\"24\"></FIELD>\n\t</CONFIGURATION_2>\n\n\t<CONFIGURATION_3>\n\t\t<FIELD "
                             "row = \"1\" col = \"1\" image = \":/Bkgd/bkgd_Dashboard_Field_230x50.mif\" image_pressed "
                             "= \":/Bkgd/bkgd_Dashboard_Field_230x50_h.mif\" colspan = \"\" fontSizeHeader=\"16\" "
                             "fontSizeData=\"24\"></FIELD>\n\t\t<FIELD row = \"2\" col = \"1\" image = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t\t<FIELD row = \"2\" col = "
                             "\"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t</"
                             "CONFIGURATION_3>\n\n\t<CONFIGURATION_4>\n\t\t<FIELD row = \"1\" col = \"1\" image = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t\t<FIELD row = \"1\" col = "
                             "\"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t\t<FIELD row = \"2\" col = "
                             "\"1\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t\t<FIELD row = \"2\" col = "
                             "\"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t</CONFIGURATION_4>\n</"
                             "NAV_FIELDS_CONFIGURATION>"));
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
