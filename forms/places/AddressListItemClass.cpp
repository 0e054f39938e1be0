#include "forms/places/AddressListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AddressListItemClass &ui, QWidget *root)
{
    Root(root, "AddressListItemClass")
        .size(226, 53)
        .property("contextMenuPolicy", Qt::NoContextMenu)
        .property("autoExclusive", true)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.widget, root, "widget").at(0, 0, 224, 58);
    layout(ui.horizontalLayout, ui.widget, "horizontalLayout").spacing(2).margins(0, 3, 0, 0);
    layout(ui.formLayout, nullptr, "formLayout")
        .horizontalSpacing(0)
        .verticalSpacing(0)
        .margins(15, 0, 0, 10)
        .formAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    make(ui.txtName, ui.widget, "txtName").minSize(145, 21).font(boldAA()).scaledContents().pixelSize(16);
    make(ui.txtAdd, ui.widget, "txtAdd")
        .sizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding)
        .minSize(145, 21)
        .font(boldAA())
        .scaledContents()
        .pixelSize(16);
    make(ui.txtDistance, ui.widget, "txtDistance")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(55, 52)
        .font(boldAA())
        .scaledContents()
        .pixelSize(16);

    addToForm(ui.formLayout, 0, QFormLayout::SpanningRole, ui.txtName);
    addToForm(ui.formLayout, 1, QFormLayout::SpanningRole, ui.txtAdd);
    addMembers(ui.horizontalLayout, {ui.formLayout, ui.txtDistance});
}

void retranslateUi(Ui_AddressListItemClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("AddressListItemClass", "AddressListItem"));
    ui.txtName->setContent(QString());
    ui.txtAdd->setContent(QString());
    ui.txtDistance->setContent(QString());
}

Form<Ui_AddressListItemClass, setupUi, retranslateUi> formAddressListItemClass;

} // namespace

FormLayout &AddressListItemClass()
{
    return formAddressListItemClass;
}

} // namespace quarn::forms
