#include "forms/tracks_routes/AreaCalcScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AreaCalcScreenClass &ui, QWidget *root)
{
    Root(root, "AreaCalcScreenClass")
        .size(240, 399)
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_Top.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 160);

    make(ui.btnClose, root, "btnClose").at(190, 103, 27, 30).closeButton();
    make(ui.iconTitle, root, "iconTitle").at(18, 97, 38, 38).image(":/Icons/i_AreaCalculation.mif");
    make(ui.txtTitle, root, "txtTitle").at(59, 96, 130, 40).titleText().wordWrap();
    make(ui.txtInfo, root, "txtInfo")
        .at(26, 158, 188, 85)
        .alignment(Qt::AlignHCenter | Qt::AlignTop)
        .wordWrap()
        .pixelSize(16);
    make(ui.btnStartTracking, root, "btnStartTracking").at(35, 256, 76, 46).minSize(76, 43).actionButton();
    make(ui.textButton, ui.btnStartTracking, "textButton")
        .at(3, 3, 73, 40)
        .palette(Colours().role(QPalette::ButtonText, kWhite, QColor(120, 120, 120)))
        .largeCaption()
        .alignment(Qt::AlignCenter);
    make(ui.btnCancel, root, "btnCancel")
        .at(129, 256, 76, 46)
        .minSize(76, 43)
        .palette(Colours().role(QPalette::ButtonText, kWhite, QColor(120, 120, 120)))
        .actionButton();
    make(ui.textButton_2, ui.btnCancel, "textButton_2").at(3, 3, 73, 40).largeCaption().alignment(Qt::AlignCenter);
}

void retranslateUi(Ui_AreaCalcScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("AreaCalcScreenClass", "AreaCalcScreen"));
    ui.txtTitle->setContent(QCoreApplication::translate("AreaCalcScreenClass", "Area       Calculation"));
    ui.txtInfo->setContent(QCoreApplication::translate("AreaCalcScreenClass", "Clear Active Track?"));
    ui.textButton->setContent(QCoreApplication::translate("AreaCalcScreenClass", "Yes"));
    ui.textButton_2->setContent(QCoreApplication::translate("AreaCalcScreenClass", "No"));
}

Form<Ui_AreaCalcScreenClass, setupUi, retranslateUi> formAreaCalcScreenClass;

} // namespace

FormLayout &AreaCalcScreenClass()
{
    return formAreaCalcScreenClass;
}

} // namespace quarn::forms
