#include "forms/frame/ScreenCaptureClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ScreenCaptureClass &ui, QWidget *root)
{
    Root(root, "ScreenCaptureClass").size(240, 400);

    titleHeader(ui.iconTitleBar, root, "iconTitleBar");
    make(ui.lblTitle, ui.iconTitleBar, "lblTitle").at(44, 4, 185, 38).titleText().wordWrap();
    titleIcon(ui.icon, ui.iconTitleBar, "icon", ":/Icons/i_ScreenCapture.mif");
    make(ui.lblPress, root, "lblPress").at(10, 220, 221, 51).font(normalWeightAA()).wordWrap().pixelSize(14);
    make(ui.lblScreenCapture, root, "lblScreenCapture").at(10, 80, 219, 16).settingCaption();
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnOnOff, root, "btnOnOff")
        .enabled()
        .at(0, 100, 230, 44)
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton.mif")
        .focused(":/Buttons/b_ToggleButton.mif")
        .shiftOnPress(0, 0);
    make(ui.lblOnOff, ui.btnOnOff, "lblOnOff")
        .at(10, 5, 210, 34)
        .font(boldAA())
        .alignment(align::LeftVCentre)
        .wordWrap()
        .pixelSize(14);
    make(ui.btnView, root, "btnView")
        .enabled()
        .at(0, 170, 230, 44)
        .normal(":/Buttons/b_ToggleButton.mif")
        .pressed(":/Buttons/b_ToggleButton.mif")
        .focused(":/Buttons/b_ToggleButton.mif")
        .shiftOnPress(0, 0);
    make(ui.lblView, ui.btnView, "lblView")
        .at(10, 5, 210, 34)
        .font(boldAA())
        .alignment(align::Centre)
        .wordWrap()
        .pixelSize(14);
    make(ui.backing, root, "backing").at(5, 72, 230, 201);

    ui.backing->raise();
    ui.iconTitleBar->raise();
    ui.lblPress->raise();
    ui.lblScreenCapture->raise();
    ui.statusBar->raise();
    ui.btnOnOff->raise();
    ui.btnView->raise();
}

void retranslateUi(Ui_ScreenCaptureClass &ui, QWidget *)
{
    ui.lblTitle->setContent(QCoreApplication::translate("ScreenCaptureClass", "Screen Capture"));
    ui.lblPress->setContent(
        QCoreApplication::translate("ScreenCaptureClass", "Press the power key to capture any screen"));
    ui.lblScreenCapture->setContent(QCoreApplication::translate("ScreenCaptureClass", "Screen Capture"));
    ui.lblOnOff->setContent(QCoreApplication::translate("ScreenCaptureClass", "ON"));
    ui.lblView->setContent(QCoreApplication::translate("ScreenCaptureClass", "View Saved Screen Captures"));
}

Form<Ui_ScreenCaptureClass, setupUi, retranslateUi> formScreenCaptureClass;

} // namespace

FormLayout &ScreenCaptureClass()
{
    return formScreenCaptureClass;
}

} // namespace quarn::forms
