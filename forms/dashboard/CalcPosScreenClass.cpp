#include "forms/dashboard/CalcPosScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_CalcPosScreenClass &ui, QWidget *root)
{
    Root(root, "CalcPosScreenClass")
        .size(240, 396)
        .windowModality(Qt::WindowModal)
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_Top.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 160)
        .property("wordIndent", 3);

    make(ui.txtTitle, root, "txtTitle").at(60, 98, 101, 22).palette(whiteText()).buttonLabel();
    make(ui.txtTitle_2, root, "txtTitle_2").at(22, 142, 201, 22).plainPanelText().pixelSize(14);
    make(ui.txtWait, root, "txtWait")
        .at(22, 163, 91, 22)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .minSize(73, 0)
        .plainPanelText()
        .pixelSize(14);
    make(ui.txtTime, root, "txtTime")
        .at(109, 163, 31, 22)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .plainPanelText()
        .pixelSize(14);
    make(ui.txtTimeUnit, root, "txtTimeUnit")
        .at(140, 163, 31, 22)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .plainPanelText()
        .pixelSize(14);
    make(ui.btnClose, root, "btnClose").at(191, 104, 27, 27).closeButton();
    make(ui.txtTitle_3, root, "txtTitle_3").at(58, 115, 101, 22).palette(whiteText()).buttonLabel();
    make(ui.txtLatitudeLabel, root, "txtLatitudeLabel")
        .at(22, 206, 53, 22)
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred)
        .plainPanelText()
        .pixelSize(14);
    make(ui.txtLatitude, root, "txtLatitude")
        .at(73, 209, 41, 22)
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred)
        .plainPanelText()
        .pixelSize(14);
    make(ui.txtLongitudeLabel, root, "txtLongitudeLabel")
        .at(22, 225, 53, 22)
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred)
        .plainPanelText()
        .pixelSize(14);
    make(ui.txtLongitude, root, "txtLongitude")
        .at(73, 228, 41, 22)
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred)
        .plainPanelText()
        .pixelSize(14);
    make(ui.btnDone, root, "btnDone")
        .at(80, 259, 86, 43)
        .normal(":/Buttons/b_PopUp_Dialog_OK.mif")
        .pressed(":/Buttons/b_PopUp_Dialog_OK_f.mif")
        .focused(":/Buttons/b_PopUp_Dialog_OK_h.mif");
    make(ui.txtLabelDone, ui.btnDone, "txtLabelDone")
        .at(21, 10, 41, 22)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .panelText()
        .alignment(Qt::AlignCenter)
        .pixelSize(12);
    make(ui.txtAccuracyLabel, root, "txtAccuracyLabel")
        .at(22, 181, 141, 22)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .minSize(73, 0)
        .plainPanelText()
        .pixelSize(14);
    make(ui.txtAccuracy, root, "txtAccuracy")
        .at(160, 181, 31, 22)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .plainPanelText()
        .pixelSize(14);
    make(ui.pAnimationCtrl, root, "pAnimationCtrl")
        .at(174, 197, 50, 50)
        .animationImages({":/Icons/i_radarPing.mif", ":/Icons/i_radarPing2.mif", ":/Icons/i_radarPing3.mif",
                          ":/Icons/i_radarPing4.mif", ":/Icons/i_radarPing5.mif"})
        .interval(200);
    make(ui.infoIcon, root, "infoIcon").at(20, 101, 32, 32).image(":/Icons/i_PopUpInfo.mif");
    make(ui.commentBox, root, "commentBox").at(20, 250, 201, 51);
}

void retranslateUi(Ui_CalcPosScreenClass &ui, QWidget *)
{
    ui.txtTitle->setContent(QCoreApplication::translate("CalcPosScreenClass", "Calculating"));
    ui.txtTitle_2->setContent(QCoreApplication::translate("CalcPosScreenClass", "Calculating average position."));
    ui.txtWait->setContent(QCoreApplication::translate("CalcPosScreenClass", "Please wait..."));
    ui.txtTimeUnit->setContent(QCoreApplication::translate("CalcPosScreenClass", "sec"));
    ui.txtTitle_3->setContent(QCoreApplication::translate("CalcPosScreenClass", "Position"));
    ui.txtLatitudeLabel->setContent(QCoreApplication::translate("CalcPosScreenClass", "Lat:"));
    ui.txtLongitudeLabel->setContent(QCoreApplication::translate("CalcPosScreenClass", "Long:"));
    ui.txtLabelDone->setContent(QCoreApplication::translate("CalcPosScreenClass", "Done"));
    ui.txtAccuracyLabel->setContent(QCoreApplication::translate("CalcPosScreenClass", "Estimated Accuracy:"));
}

Form<Ui_CalcPosScreenClass, setupUi, retranslateUi> formCalcPosScreenClass;

} // namespace

FormLayout &CalcPosScreenClass()
{
    return formCalcPosScreenClass;
}

} // namespace quarn::forms
