#include "forms/frame/ContextMenuItem.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ContextMenuItem &ui, QWidget *root)
{
    Root(root, "ContextMenuItem")
        .size(193, 51)
        .image("normal", ":/Buttons/b_ContextualMenu.mif")
        .image("pressed", ":/Buttons/b_ContextualMenu_h.mif")
        .property("eventPropagation", true);

    make(ui.txtMenu, root, "txtMenu").at(33, 2, 160, 48).largeCaption().textInteraction(Qt::NoTextInteraction);
    make(ui.iconMenu, root, "iconMenu").at(0, 9, 32, 32);
}

void retranslateUi(Ui_ContextMenuItem &ui, QWidget *)
{
    ui.txtMenu->setContent(QString());
}

Form<Ui_ContextMenuItem, setupUi, retranslateUi> formContextMenuItem;

} // namespace

FormLayout &ContextMenuItem()
{
    return formContextMenuItem;
}

} // namespace quarn::forms
