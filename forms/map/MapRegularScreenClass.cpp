#include "forms/map/MapRegularScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapRegularScreenClass &ui, QWidget *root)
{
    Root(root, "MapRegularScreenClass")
        .size(240, 400)
        .point("NavFieldCountEditPosition", 93, 270)
        .property("NavFieldHeight", 50)
        .property("BaseNavFieldsY", 300)
        .property("NavFieldsHorizMargins", 0)
        .property("NavFieldsVertMargins", 0)
        .property("NavFieldsVertSpacing", 3)
        .property("NavFieldsHorizSpacing", 5)
        .property("NavFieldsUpperSpace", 0);

    mapControl(ui.zelMapControl, root);
    northUpIndicator(ui.NorthUp, ui.zelMapControl, 0, 352);
    scaleBar(ui.widgetScale, ui.zelMapControl, 160, 380);
    scaleBracket(ui.iconScale, ui.widgetScale);
    scaleTextShadow(ui.txtScaleShadow, ui.widgetScale);
    scaleText(ui.txtScale, ui.widgetScale);
    mapCompass(ui.compass, ui.zelMapControl, 0, 150);
    zoomOutButton(ui.ZoomOut, ui.zelMapControl);
    zoomInButton(ui.ZoomIn, ui.zelMapControl);
    make(ui.dashboardBar, root, "dashboardBar")
        .at(6, 310, 230, 91)
        .property("minNumberOfDataFields", 0)
        .property("maxNumberOfDataFields", 4)
        .property("navFieldsCfg",
                  QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\" "
                             "standalone=\"no\"?>\n<NAV_FIELDS_CONFIGURATION>\n\t<CONFIGURATION_1>\n\t\t<FIELD row = "
                             "\"1\" col = \"1\" image = \":/Bkgd/bkgd_Dashboard_Field_230x50.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_230x50_h.mif\" colspan = \"\" fontSizeHeader=\"12\" "
                             "fontSizeData=\"16\"></FIELD>\n\t</CONFIGURATION_1>\n\n\t<CONFIGURATION_2>\n\t\t<FIELD "
                             "row = \"1\" col = \"1\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed "
                             "= \":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t\t<FIELD row = \"1\" col = "
                             "\"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n\t</"
                             "CONFIGURATION_2>\n\n\t<CONFIGURATION_3>\n\t\t<FIELD row = \"1\" col = \"1\" image = "
                             "\":/Bkgd/bkgd_Dashboard_Field_230x50.mif\" image_pressed = "
                             "\":/Bkgd/bkgd_Dashboard_Field_230x50_h.mif\" colspan = \"\" fontSizeHeader=\"12\" "
                             "fontSizeData=\"16\"></FIELD>\n\t\t<FIELD row = \"2\" col = \"1\" image = "
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
}

void retranslateUi(Ui_MapRegularScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MapRegularScreenClass", ""));
    ui.compass->setProperty("northLetter", QCoreApplication::translate("MapRegularScreenClass", "N"));
    ui.compass->setProperty("westLetter", QCoreApplication::translate("MapRegularScreenClass", "W"));
    ui.compass->setProperty("southLetter", QCoreApplication::translate("MapRegularScreenClass", "S"));
    ui.compass->setProperty("eastLetter", QCoreApplication::translate("MapRegularScreenClass", "E"));
}

Form<Ui_MapRegularScreenClass, setupUi, retranslateUi> formMapRegularScreenClass;

} // namespace

FormLayout &MapRegularScreenClass()
{
    return formMapRegularScreenClass;
}

} // namespace quarn::forms
