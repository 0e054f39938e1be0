#include "forms/places/AddressRegionListItem.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AddressRegionListItem &ui, QWidget *root)
{
    Root(root, "AddressRegionListItem")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.txtName, root, "txtName")
        .at(19, 0, 191, 49)
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .minSize(134, 0)
        .font(boldAA())
        .content("long long text")
        .pixelSize(16)
        .textBoxFlags(TextBoxFlags::AllOff);
}

void retranslateUi(Ui_AddressRegionListItem &, QWidget *)
{
}

Form<Ui_AddressRegionListItem, setupUi, retranslateUi> formAddressRegionListItem;

} // namespace

FormLayout &AddressRegionListItem()
{
    return formAddressRegionListItem;
}

} // namespace quarn::forms
