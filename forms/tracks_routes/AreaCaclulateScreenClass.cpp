#include "forms/tracks_routes/AreaCaclulateScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AreaCaclulateScreenClass &ui, QWidget *root)
{
    Root(root, "AreaCaclulateScreenClass")
        .size(240, 400)
        .property("windowTitle", QStringLiteral("AreaCaclulateScreen"));

    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(45, 3, 189, 40).palette(whiteText()).largeCaption();
    make(ui.iconTitle, ui.icon, "iconTitle").at(4, 3, 38, 38).image(":/Icons/i_AreaCalculation.mif");
    make(ui.btnWalkAround, root, "btnWalkAround").at(5, 75, 226, 53).listButton();
    make(ui.iconWA, ui.btnWalkAround, "iconWA").at(10, 10, 32, 32).image(":/Icons/i_MenuIcon_Start_Trip2.mif");
    make(ui.textBoxWA, ui.btnWalkAround, "textBoxWA").at(45, 4, 172, 43).largeCaption();
    make(ui.btnSelectPoints, root, "btnSelectPoints").at(5, 132, 226, 53).listButton();
    make(ui.iconSP, ui.btnSelectPoints, "iconSP").at(10, 10, 32, 32).image(":/Icons/i_MenuIcon_Maps.mif");
    make(ui.textBoxSP, ui.btnSelectPoints, "textBoxSP").at(45, 4, 172, 43).largeCaption();
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
}

void retranslateUi(Ui_AreaCaclulateScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("AreaCaclulateScreenClass", "Area Calculation"));
    ui.textBoxWA->setContent(QCoreApplication::translate("AreaCaclulateScreenClass", "Walk around the perimeter"));
    ui.textBoxSP->setContent(QCoreApplication::translate("AreaCaclulateScreenClass", "Select Points"));
}

Form<Ui_AreaCaclulateScreenClass, setupUi, retranslateUi> formAreaCaclulateScreenClass;

} // namespace

FormLayout &AreaCaclulateScreenClass()
{
    return formAreaCaclulateScreenClass;
}

} // namespace quarn::forms
