#include "forms/places/AbPrevDestItem.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AbPrevDestItem &ui, QWidget *root)
{
    Root(root, "AbPrevDestItem")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .image("focused", ":/Buttons/b_list_f.mif");

    make(ui.iconDest, root, "iconDest").at(10, 8, 38, 38).maxSize(38, 38).image(":/Icons/i_assigntype_Location.mif");
    make(ui.formLayoutWidget, root, "formLayoutWidget").at(50, 0, 171, 51);
    layout(ui.formLayout, ui.formLayoutWidget, "formLayout")
        .horizontalSpacing(0)
        .verticalSpacing(2)
        .margins(0, 2, 5, 0)
        .fieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint)
        .formAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    make(ui.txtAddrPart1, ui.formLayoutWidget, "txtAddrPart1").smallCaption().textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtAddrPart2, ui.formLayoutWidget, "txtAddrPart2").smallCaption().textBoxFlags(TextBoxFlags::FirstOn);

    addToForm(ui.formLayout, 0, QFormLayout::SpanningRole, ui.txtAddrPart1);
    addToForm(ui.formLayout, 1, QFormLayout::SpanningRole, ui.txtAddrPart2);
}

void retranslateUi(Ui_AbPrevDestItem &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("AbPrevDestItem", "Form"));
}

Form<Ui_AbPrevDestItem, setupUi, retranslateUi> formAbPrevDestItem;

} // namespace

FormLayout &AbPrevDestItem()
{
    return formAbPrevDestItem;
}

} // namespace quarn::forms
