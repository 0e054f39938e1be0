#include "forms/settings/ToolsListItem.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsListItem &ui, QWidget *root)
{
    Root(root, "ToolsListItem")
        .size(231, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.icon, root, "icon").at(14, 7, 38, 38);
    make(ui.horizontalLayoutWidget, root, "horizontalLayoutWidget").at(53, 5, 166, 42);
    layout(ui.horizontalLayout, ui.horizontalLayoutWidget, "horizontalLayout").spacing(0);
    make(ui.txtName, ui.horizontalLayoutWidget, "txtName")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Expanding)
        .minSize(50, 0)
        .largeCaption()
        .textInteraction(Qt::NoTextInteraction)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.txtValue, ui.horizontalLayoutWidget, "txtValue")
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding)
        .sizeIncrement(0, 0)
        .font(aaFont())
        .scaledContents()
        .indent(0)
        .textInteraction(Qt::NoTextInteraction)
        .pixelSize(16)
        .textBoxFlags(TextBoxFlags::AllOff);

    addMembers(ui.horizontalLayout, {ui.txtName, ui.txtValue});
}

void retranslateUi(Ui_ToolsListItem &ui, QWidget *)
{
    ui.txtValue->setContent(QString());
}

Form<Ui_ToolsListItem, setupUi, retranslateUi> formToolsListItem;

} // namespace

FormLayout &ToolsListItem()
{
    return formToolsListItem;
}

} // namespace quarn::forms
