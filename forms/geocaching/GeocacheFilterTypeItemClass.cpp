#include "forms/geocaching/GeocacheFilterTypeItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheFilterTypeItemClass &ui, QWidget *root)
{
    Root(root, "GeocacheFilterTypeItemClass")
        .size(230, 44)
        .image("checkedImg", ":/Icons/i_Checkbox_sel.mif")
        .image("uncheckedImg", ":/Icons/i_Checkbox.mif")
        .point("markPosition", 10, 8)
        .property("eventPropagation", true)
        .image("normal", ":/Buttons/b_ToggleButton.mif")
        .image("pressed", ":/Buttons/b_ToggleButton_h.mif")
        .image("focused", ":/Buttons/b_ToggleButtons_f.mif");

    make(ui.horizontalLayoutWidget, root, "horizontalLayoutWidget").at(41, 7, 180, 29);
    layout(ui.horizontalLayout, ui.horizontalLayoutWidget, "horizontalLayout").spacing(4);
    make(ui.iconType, ui.horizontalLayoutWidget, "iconType").image(":/Icons/i_GeocacheIcons.mif");
    make(ui.txtName, ui.horizontalLayoutWidget, "txtName").panelText().wordWrap().content("txtName").pixelSize(14);
    spacer(ui.horizontalSpacer, 17, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);

    addMembers(ui.horizontalLayout, {ui.iconType, ui.txtName, ui.horizontalSpacer});
}

void retranslateUi(Ui_GeocacheFilterTypeItemClass &, QWidget *)
{
}

Form<Ui_GeocacheFilterTypeItemClass, setupUi, retranslateUi> formGeocacheFilterTypeItemClass;

} // namespace

FormLayout &GeocacheFilterTypeItemClass()
{
    return formGeocacheFilterTypeItemClass;
}

} // namespace quarn::forms
