#include "forms/frame/ScreenCaptureClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ScreenCaptureClass &ui, QWidget *root)
{
    Root(root, "ScreenCaptureClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 72, 230, 201);
    titleHeader(ui.iconTitleBar, root, "iconTitleBar");
    make(ui.lblTitle, ui.iconTitleBar, "lblTitle").at(44, 4, 185, 38).titleText().wordWrap();
    titleIcon(ui.icon, ui.iconTitleBar, "icon", ":/Icons/i_ScreenCapture.mif");
    make(ui.lblPress, root, "lblPress").at(10, 220, 221, 51).font(normalWeightAA()).wordWrap().pixelSize(14);
    make(ui.lblScreenCapture, root, "lblScreenCapture").at(10, 80, 219, 16).settingCaption();
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnOnOff, root, "btnOnOff").at(0, 100, 230, 44).flatToggleButton();
    make(ui.lblOnOff, ui.btnOnOff, "lblOnOff").at(10, 5, 210, 34).caption().wordWrap();
    make(ui.btnView, root, "btnView").at(0, 170, 230, 44).flatToggleButton();
    make(ui.lblView, ui.btnView, "lblView").at(10, 5, 210, 34).buttonLabel().wordWrap();
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
