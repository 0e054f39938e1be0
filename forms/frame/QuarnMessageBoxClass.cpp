#include "forms/frame/QuarnMessageBoxClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuarnMessageBoxClass &ui, QWidget *root)
{
    Root(root, "QuarnMessageBoxClass")
        .size(240, 400)
        .windowModality(Qt::WindowModal)
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_Top.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 180);

    make(ui.btnClose, root, "btnClose").at(194, 94, 27, 27).closeButton();
    make(ui.txtMessage, root, "txtMessage")
        .at(26, 137, 189, 122)
        .font(boldAA())
        .readOnly()
        .textInteraction(Qt::NoTextInteraction)
        .pixelSize(16)
        .alignHCenter()
        .alignVCenter();
    make(ui.horizontalLayoutWidget, root, "horizontalLayoutWidget").at(24, 260, 192, 51);
    layout(ui.horizontalLayout, ui.horizontalLayoutWidget, "horizontalLayout").spacing(0);
    make(ui.btnOk, ui.horizontalLayoutWidget, "btnOk").actionButton();
    make(ui.textBox, ui.btnOk, "textBox")
        .at(15, 10, 50, 25)
        .palette(whiteButtonText())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.btnYes, ui.horizontalLayoutWidget, "btnYes").actionButton();
    make(ui.textBox_2, ui.btnYes, "textBox_2")
        .at(15, 10, 50, 25)
        .palette(whiteButtonText())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.btnNo, ui.horizontalLayoutWidget, "btnNo").actionButton();
    make(ui.textBox_3, ui.btnNo, "textBox_3")
        .at(15, 10, 50, 25)
        .palette(whiteButtonText())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.btnCancel, ui.horizontalLayoutWidget, "btnCancel").actionButton();
    make(ui.textBox_4, ui.btnCancel, "textBox_4")
        .at(15, 10, 50, 25)
        .palette(whiteButtonText())
        .scaledContents()
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
    make(ui.horizontalLayoutWidget_2, root, "horizontalLayoutWidget_2").at(21, 91, 171, 34);
    layout(ui.horizontalLayout_2, ui.horizontalLayoutWidget_2, "horizontalLayout_2").spacing(0);
    make(ui.iconTitle, ui.horizontalLayoutWidget_2, "iconTitle");
    make(ui.txtTitle, ui.horizontalLayoutWidget_2, "txtTitle")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .maxSize(200, QWIDGETSIZE_MAX)
        .titleText()
        .textBoxFlags(TextBoxFlags::FirstOn);

    addMembers(ui.horizontalLayout, {ui.btnOk, ui.btnYes, ui.btnNo, ui.btnCancel});
    addMembers(ui.horizontalLayout_2, {ui.iconTitle, ui.txtTitle});
}

void retranslateUi(Ui_QuarnMessageBoxClass &ui, QWidget *)
{
    ui.textBox->setContent(QCoreApplication::translate("QuarnMessageBoxClass", "OK"));
    ui.textBox_2->setContent(QCoreApplication::translate("QuarnMessageBoxClass", "Yes"));
    ui.textBox_3->setContent(QCoreApplication::translate("QuarnMessageBoxClass", "No"));
    ui.textBox_4->setContent(QCoreApplication::translate("QuarnMessageBoxClass", "Cancel"));
    ui.txtTitle->setContent(QCoreApplication::translate("QuarnMessageBoxClass", "Message"));
}

Form<Ui_QuarnMessageBoxClass, setupUi, retranslateUi> formQuarnMessageBoxClass;

} // namespace

FormLayout &QuarnMessageBoxClass()
{
    return formQuarnMessageBoxClass;
}

} // namespace quarn::forms
