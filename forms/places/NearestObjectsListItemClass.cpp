#include "forms/places/NearestObjectsListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_NearestObjectsListItemClass &ui, QWidget *root)
{
    Root(root, "NearestObjectsListItemClass")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .image("focused", ":/Buttons/b_list_f.mif");

    make(ui.iconObj, root, "iconObj")
        .at(10, 8, 26, 20)
        .image(":/Icons/i_GeocacheIcons.mif")
        .property("MaxSize", QSize(38, 38));
    make(ui.btnGo, root, "btnGo").at(192, 14, 21, 22).normal(":/Icons/i_Go.mif").pressed(":/Icons/i_Go.mif");
    make(ui.textName, root, "textName")
        .at(54, 14, 131, 17)
        .caption()
        .content("My First Object")
        .textBoxFlags(TextBoxFlags::FirstOn);
}

void retranslateUi(Ui_NearestObjectsListItemClass &, QWidget *)
{
}

Form<Ui_NearestObjectsListItemClass, setupUi, retranslateUi> formNearestObjectsListItemClass;

} // namespace

FormLayout &NearestObjectsListItemClass()
{
    return formNearestObjectsListItemClass;
}

} // namespace quarn::forms
