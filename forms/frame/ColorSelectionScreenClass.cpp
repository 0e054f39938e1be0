#include "forms/frame/ColorSelectionScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ColorSelectionScreenClass &ui, QWidget *root)
{
    Root(root, "ColorSelectionScreenClass")
        .size(240, 400)
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_Top.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 278);

    make(ui.txtTitle, root, "txtTitle").at(38, 49, 151, 22).palette(whiteText()).buttonLabel();
    make(ui.btnClose, root, "btnClose").at(186, 47, 32, 26).closeButton();
    make(ui.paletteCtrl, root, "paletteCtrl")
        .at(26, 88, 191, 265)
        .paletteValues({"0000ff", "007f00", "00007f", "ff0000", "ffff00", "00ffff", "d9d5a1", "c0e0c0", "820000",
                        "ff00ff", "b62424", "ff8600"});
}

void retranslateUi(Ui_ColorSelectionScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("ColorSelectionScreenClass", "Form"));
    ui.txtTitle->setContent(QCoreApplication::translate("ColorSelectionScreenClass", "Color"));
}

Form<Ui_ColorSelectionScreenClass, setupUi, retranslateUi> formColorSelectionScreenClass;

} // namespace

FormLayout &ColorSelectionScreenClass()
{
    return formColorSelectionScreenClass;
}

} // namespace quarn::forms
