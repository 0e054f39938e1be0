#include "forms/frame/QuarnInfoPopupClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuarnInfoPopupClass &ui, QWidget *root)
{
    Root(root, "QuarnInfoPopupClass")
        .size(240, 400)
        .windowModality(Qt::WindowModal)
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_TopNoTitle.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 60);

    make(ui.layoutWidget, root, "layoutWidget").at(22, 160, 197, 81);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout");
    make(ui.icon, ui.layoutWidget, "icon");
    make(ui.txtMessage, ui.layoutWidget, "txtMessage").largeCaption().alignment(Qt::AlignCenter);

    addMembers(ui.horizontalLayout, {ui.icon, ui.txtMessage});
}

void retranslateUi(Ui_QuarnInfoPopupClass &, QWidget *)
{
}

Form<Ui_QuarnInfoPopupClass, setupUi, retranslateUi> formQuarnInfoPopupClass;

} // namespace

FormLayout &QuarnInfoPopupClass()
{
    return formQuarnInfoPopupClass;
}

} // namespace quarn::forms
