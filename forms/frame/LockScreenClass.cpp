#include "forms/frame/LockScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_LockScreenClass &ui, QWidget *root)
{
    Root(root, "LockScreenClass")
        .size(240, 400)
        .windowModality(Qt::WindowModal)
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_Top.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 150)
        .property("trustThreshold", 5u);

    make(ui.txtTitle, root, "txtTitle").at(23, 109, 194, 22).titleText();
    make(ui.txtTitle_2, root, "txtTitle_2")
        .at(22, 149, 197, 45)
        .palette(blackText())
        .largeCaption()
        .alignment(Qt::AlignHCenter | Qt::AlignTop);
    make(ui.txtTitle_3, root, "txtTitle_3")
        .at(22, 194, 197, 40)
        .palette(blackText())
        .largeCaption()
        .alignment(Qt::AlignHCenter | Qt::AlignTop);
    make(ui.iconUnlock, root, "iconUnlock").at(27, 240, 189, 53).image(":/Bkgd/bkgd_screenlock.mif");
    make(ui.btnUnlock, ui.iconUnlock, "btnUnlock").at(0, 0, 53, 53).normal(":/Buttons/b_screenlock_btn.mif");
}

void retranslateUi(Ui_LockScreenClass &ui, QWidget *)
{
    ui.txtTitle->setContent(QCoreApplication::translate("LockScreenClass", "Screen Lock"));
    ui.txtTitle_2->setContent(QCoreApplication::translate("LockScreenClass", "Slide button to the right"));
    ui.txtTitle_3->setContent(QCoreApplication::translate("LockScreenClass", "to unlock"));
}

Form<Ui_LockScreenClass, setupUi, retranslateUi> formLockScreenClass;

} // namespace

FormLayout &LockScreenClass()
{
    return formLockScreenClass;
}

} // namespace quarn::forms
