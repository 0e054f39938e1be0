#include "forms/settings/ProfileListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ProfileListItemClass &ui, QWidget *root)
{
    Root(root, "ProfileListItemClass")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.textName, root, "textName").at(100, 12, 115, 30).minSize(90, 0).listItemName().pixelSize(16);
    make(ui.ItemIcon, root, "ItemIcon").at(60, 8, 38, 38).sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    make(ui.ActiveIcon, root, "ActiveIcon")
        .at(13, 13, 28, 28)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_RadioButton.mif");
    make(ui.iconSplit, root, "iconSplit").at(47, 6, 8, 40).image(":/Bkgd/bkgd_split.mif");
}

void retranslateUi(Ui_ProfileListItemClass &ui, QWidget *)
{
    //: Sample content, replaced by the host at run time.
    ui.textName->setContent(QCoreApplication::translate("ProfileListItemClass", "Name"));
}

Form<Ui_ProfileListItemClass, setupUi, retranslateUi> formProfileListItemClass;

} // namespace

FormLayout &ProfileListItemClass()
{
    return formProfileListItemClass;
}

} // namespace quarn::forms
