#include "forms/dashboard/CompassCalib3DScrClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_CompassCalib3DScrClass &ui, QWidget *root)
{
    Root(root, "CompassCalib3DScrClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    calibrationStartButton(ui.btnStart, ui.statusBar);
    calibrationStartCaption(ui.lblStart, ui.btnStart);
    make(ui.btnToolBar, ui.statusBar, "btnToolBar")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_Compass.mif")
        .pressed(":/Icons/i_ToolBar_Compass_h.mif");
    make(ui.AnimationCtrl, root, "AnimationCtrl").at(12, 180, 216, 133).with(figureEightAnimation);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName_2, ui.icon, "labelName_2")
        .at(50, 0, 151, 46)
        .palette(whiteTextDimDisabled())
        .buttonLabel()
        .wordWrap();
    titleIcon(ui.icon_4, ui.icon, "icon_4", ":/Icons/i_Compass.mif");
    make(ui.textBox, root, "textBox").at(0, 70, 241, 101).alignment(Qt::AlignCenter);
}

void retranslateUi(Ui_CompassCalib3DScrClass &ui, QWidget *)
{
    ui.lblStart->setContent(QCoreApplication::translate("CompassCalib3DScrClass", "Start"));
    ui.labelName_2->setContent(
        QCoreApplication::translate("CompassCalib3DScrClass", "Electronic Compass 3D Calibration"));
    ui.textBox->setContent(QCoreApplication::translate(
        "CompassCalib3DScrClass", "Move the unit in a figure<br>8 motion while twisting<br>the wrist."));
}

Form<Ui_CompassCalib3DScrClass, setupUi, retranslateUi> formCompassCalib3DScrClass;

} // namespace

FormLayout &CompassCalib3DScrClass()
{
    return formCompassCalib3DScrClass;
}

} // namespace quarn::forms
