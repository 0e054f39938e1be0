#include "forms/frame/QuarnContextMenu.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuarnContextMenu &ui, QWidget *root)
{
    Root(root, "QuarnContextMenu")
        .size(240, 400)
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_Top.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 100)
        .property("verticalMargins", 0);

    make(ui.txtTitle, root, "txtTitle").at(27, 133, 141, 22).titleText();
    make(ui.listMenu, root, "listMenu").at(19, 174, 201, 51);
    make(ui.btnClose, root, "btnClose").at(166, 125, 60, 40).closeButton();
    make(ui.ScrollButtonsWidget, root, "ScrollButtonsWidget").at(60, 230, 120, 43);
}

void retranslateUi(Ui_QuarnContextMenu &ui, QWidget *)
{
    ui.txtTitle->setContent(QCoreApplication::translate("QuarnContextMenu", "Options"));
}

Form<Ui_QuarnContextMenu, setupUi, retranslateUi> formQuarnContextMenu;

} // namespace

FormLayout &QuarnContextMenu()
{
    return formQuarnContextMenu;
}

} // namespace quarn::forms
