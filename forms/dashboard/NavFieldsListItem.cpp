#include "forms/dashboard/NavFieldsListItem.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_NavFieldsListItem &ui, QWidget *root)
{
    Root(root, "NavFieldsListItem")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.icon, root, "icon").at(12, 7, 38, 38);
    make(ui.txtName, root, "txtName")
        .at(52, 5, 156, 21)
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .minSize(134, 0)
        .caption()
        .content("long long long value")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtValue, root, "txtValue")
        .at(52, 26, 156, 21)
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .minSize(134, 0)
        .caption()
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconSelected, root, "iconSelected").at(198, 16, 26, 23).image(":/Icons/i_Checkmark.mif");
}

void retranslateUi(Ui_NavFieldsListItem &, QWidget *)
{
}

Form<Ui_NavFieldsListItem, setupUi, retranslateUi> formNavFieldsListItem;

} // namespace

FormLayout &NavFieldsListItem()
{
    return formNavFieldsListItem;
}

} // namespace quarn::forms
