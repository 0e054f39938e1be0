#include "forms/map/QuickInfoBarPointClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuickInfoBarPointClass &ui, QWidget *root)
{
    quickInfoBarRoot(root, "QuickInfoBarPointClass");

    make(ui.txtDistance, root, "txtDistance")
        .at(10, 37, 91, 16)
        .palette(whiteTextDimDisabled())
        .smallCaption()
        .content("Distance");
    make(ui.txtElevation, root, "txtElevation")
        .at(10, 10, 91, 16)
        .palette(whiteTextDimDisabled())
        .smallCaption()
        .content("Elevation");
    make(ui.txtBearing, root, "txtBearing")
        .at(110, 37, 90, 16)
        .palette(whiteTextDimDisabled())
        .smallCaption()
        .content("Bearing");
    make(ui.txtLatitude, root, "txtLatitude").at(10, 37, 159, 16).quickInfoText();
    make(ui.txtLongitude, root, "txtLongitude").at(100, 37, 80, 16).quickInfoText();
    make(ui.txtCoordZ, root, "txtCoordZ")
        .at(110, 10, 91, 16)
        .palette(whiteTextDimDisabled())
        .smallCaption()
        .content("Z");
    directionIndicator(ui.statDirection, root, 140, 37);
    make(ui.btnSave, root, "btnSave").at(199, 31, 32, 32).normal(":/Icons/i_MenuIcon_Save.mif");
}

void retranslateUi(Ui_QuickInfoBarPointClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("QuickInfoBarPointClass", ""));
}

Form<Ui_QuickInfoBarPointClass, setupUi, retranslateUi> formQuickInfoBarPointClass;

} // namespace

FormLayout &QuickInfoBarPointClass()
{
    return formQuickInfoBarPointClass;
}

} // namespace quarn::forms
