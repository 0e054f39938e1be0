#include "forms/frame/QuarnInfoPopupClass.h"

#include "core/construction/construction.h"

namespace quarn::forms {
namespace {

void setupUi(Ui_QuarnInfoPopupClass &ui, QWidget *root)
{
    Root(root, "QuarnInfoPopupClass")
        .windowModality(Qt::WindowModal)
        .size(240, 400)
        .popupFrame(":/Bkgd/bkgd_ContextualMenu_TopNoTitle.mif", 60);

    make(ui.layoutWidget, root, "layoutWidget").at(22, 160, 197, 81);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout").margins(0, 0, 0, 0);
    make(ui.icon, ui.layoutWidget, "icon");
    make(ui.txtMessage, ui.layoutWidget, "txtMessage").font(boldAA()).alignment(align::Centre).wordWrap().pixelSize(16);

    addMembers(ui.horizontalLayout, {ui.icon, ui.txtMessage});
}

// The message is the host's; this popup has no texts of its own.
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
