#include "forms/frame/ConnectedPCScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ConnectedPCScreenClass &ui, QWidget *root)
{
    Root(root, "ConnectedPCScreenClass").size(240, 400);

    make(ui.icon_2, root, "icon_2").at(0, 21, 240, 33).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.lblOffCourse_2, ui.icon_2, "lblOffCourse_2")
        .at(0, 10, 241, 20)
        .palette(whiteTextDimDisabled())
        .buttonLabel();
    make(ui.icon, ui.lblOffCourse_2, "icon").at(10, -10, 38, 38).image(":/Shell/barpcconnect.mif");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.textBox, root, "textBox").at(10, 100, 241, 31).font(Font().pointSize(14).normalWeight().aa());
    make(ui.textBox_2, root, "textBox_2").at(10, 250, 201, 20).font(Font().pointSize(12).normalWeight().aa());
    make(ui.pAnimationCtrl, root, "pAnimationCtrl")
        .at(0, 140, 240, 90)
        .animationImages({":/Shell/connectanim1.mif", ":/Shell/connectanim2.mif", ":/Shell/connectanim3.mif",
                          ":/Shell/connectanim4.mif"})
        .interval(300)
        .looped();
}

void retranslateUi(Ui_ConnectedPCScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblOffCourse_2->setContent(QCoreApplication::translate("ConnectedPCScreenClass", "Connected to PC"));
    ui.textBox->setContent(QCoreApplication::translate("ConnectedPCScreenClass", "Waiting to Connect..."));
    ui.textBox_2->setContent(QCoreApplication::translate("ConnectedPCScreenClass", "Press Back to Cancel"));
}

Form<Ui_ConnectedPCScreenClass, setupUi, retranslateUi> formConnectedPCScreenClass;

} // namespace

FormLayout &ConnectedPCScreenClass()
{
    return formConnectedPCScreenClass;
}

} // namespace quarn::forms
