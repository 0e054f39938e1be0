#include "forms/places/POICategoryListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POICategoryListItemClass &ui, QWidget *root)
{
    Root(root, "POICategoryListItemClass")
        .size(226, 53)
        .maximumSize(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_f.mif")
        .image("focused", ":/Buttons/b_list_f.mif");

    make(ui.ItemIcon, root, "ItemIcon").at(9, 7, 38, 38).image(":/Icons/i_WP_Coordinates.mif");
    make(ui.ItemText, root, "ItemText").at(49, 11, 168, 29).smallCaption();
}

void retranslateUi(Ui_POICategoryListItemClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("POICategoryListItemClass", "POIRootCtgListItem"));
    //: Sample content, replaced by the host at run time.
    ui.ItemText->setContent(QCoreApplication::translate("POICategoryListItemClass", "Text"));
}

Form<Ui_POICategoryListItemClass, setupUi, retranslateUi> formPOICategoryListItemClass;

} // namespace

FormLayout &POICategoryListItemClass()
{
    return formPOICategoryListItemClass;
}

} // namespace quarn::forms
