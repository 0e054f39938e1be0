#include "forms/frame/IconSelectorScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_IconSelectorScreenClass &ui, QWidget *root)
{
    Root(root, "IconSelectorScreenClass")
        .size(240, 400)
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_Top.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 278);

    make(ui.txtTitle, root, "txtTitle").at(39, 45, 151, 22).titleText();
    make(ui.btnClose, root, "btnClose").at(193, 43, 27, 27).closeButton();
    make(ui.scrollArea, root, "scrollArea").at(17, 82, 205, 278).scrollingPage();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents").at(0, 0, 184, 276).minSize(184, 276);
    make(ui.gridLayoutWidget, ui.scrollAreaWidgetContents, "gridLayoutWidget").at(0, -2, 204, 281);
    layout(ui.gridLayout, ui.gridLayoutWidget, "gridLayout").verticalSpacing(2).sizeConstraint(QLayout::SetMinimumSize);
    make(ui.iconButtonBack, ui.gridLayoutWidget, "iconButtonBack")
        .maxSize(QWIDGETSIZE_MAX, 55)
        .image(":/Buttons/b_KB_01_f.mif");
    make(ui.textBox, ui.iconButtonBack, "textBox")
        .at(-10, 40, 71, 20)
        .palette(Colours().role(QPalette::ButtonText, kBlack, kDisabledText))
        .alignment(Qt::AlignHCenter | Qt::AlignBottom)
        .content("Bravik")
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addToGrid(ui.gridLayout, ui.iconButtonBack, 0, 0);
}

void retranslateUi(Ui_IconSelectorScreenClass &ui, QWidget *)
{
    ui.txtTitle->setContent(QCoreApplication::translate("IconSelectorScreenClass", "Select Icon"));
}

Form<Ui_IconSelectorScreenClass, setupUi, retranslateUi> formIconSelectorScreenClass;

} // namespace

FormLayout &IconSelectorScreenClass()
{
    return formIconSelectorScreenClass;
}

} // namespace quarn::forms
