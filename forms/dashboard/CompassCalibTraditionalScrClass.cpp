#include "forms/dashboard/CompassCalibTraditionalScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_CompassCalibTraditionalScrClass &ui, QWidget *root)
{
    Root(root, "CompassCalibTraditionalScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_Compass.mif")
        .pressed(":/Icons/i_ToolBar_Compass_h.mif");
    calibrationStartButton(ui.btnStart, ui.statusBar);
    calibrationStartCaption(ui.lblStart, ui.btnStart);
    make(ui.textInstruct, root, "textInstruct").at(0, 70, 241, 131).alignment(Qt::AlignCenter).pixelSize(17);
    make(ui.iconTitleBar, root, "iconTitleBar").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.textHeader, ui.iconTitleBar, "textHeader")
        .at(39, 0, 201, 41)
        .palette(whiteTextDimDisabled())
        .buttonLabel()
        .wordWrap();
    make(ui.icon_4, ui.iconTitleBar, "icon_4").at(0, 0, 38, 38).image(":/Icons/i_Compass.mif");
    make(ui.iconTarget, root, "iconTarget").at(110, 230, 28, 69).image(":/Icons/i_Compass_Arrow_Blue.mif");
}

void retranslateUi(Ui_CompassCalibTraditionalScrClass &ui, QWidget *)
{
    ui.lblStart->setContent(QCoreApplication::translate("CompassCalibTraditionalScrClass", "Start"));
    ui.textInstruct->setContent(
        QCoreApplication::translate("CompassCalibTraditionalScrClass",
                                    "Place device on horizontal<br>surface far from metallic parts<br>and slowly "
                                    "rotate it.<br>Keep arrow directed to you."));
    ui.textHeader->setContent(QCoreApplication::translate("CompassCalibTraditionalScrClass",
                                                          "Electronic compass 2D Traditional Calibration"));
}

Form<Ui_CompassCalibTraditionalScrClass, setupUi, retranslateUi> formCompassCalibTraditionalScrClass;

} // namespace

FormLayout &CompassCalibTraditionalScrClass()
{
    return formCompassCalibTraditionalScrClass;
}

} // namespace quarn::forms
