#include "forms/places/AbContactItem.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AbContactItem &ui, QWidget *root)
{
    Root(root, "AbContactItem")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .image("focused", ":/Buttons/b_list_f.mif");

    make(ui.iconContact, root, "iconContact")
        .at(10, 8, 38, 38)
        .maxSize(38, 38)
        .image(":/Icons/i_assigntype_Location.mif");
    make(ui.btnGo, root, "btnGo").at(170, 4, 54, 43).goButton();
    make(ui.formLayoutWidget, root, "formLayoutWidget").at(50, 0, 121, 51);
    layout(ui.formLayout, ui.formLayoutWidget, "formLayout")
        .horizontalSpacing(0)
        .verticalSpacing(2)
        .margins(0, 2, 0, 0)
        .fieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint)
        .formAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    make(ui.txtContactName, ui.formLayoutWidget, "txtContactName").listItemName().pixelSize(15);
    make(ui.txtAddress, ui.formLayoutWidget, "txtAddress").smallCaption().textBoxFlags(TextBoxFlags::FirstOn);

    addToForm(ui.formLayout, 0, QFormLayout::SpanningRole, ui.txtContactName);
    addToForm(ui.formLayout, 1, QFormLayout::SpanningRole, ui.txtAddress);
}

void retranslateUi(Ui_AbContactItem &, QWidget *)
{
}

Form<Ui_AbContactItem, setupUi, retranslateUi> formAbContactItem;

} // namespace

FormLayout &AbContactItem()
{
    return formAbContactItem;
}

} // namespace quarn::forms
