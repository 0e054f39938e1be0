#include "forms/map/MapSel_ButtonItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapSel_ButtonItemClass &ui, QWidget *root)
{
    Root(root, "MapSel_ButtonItemClass")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.Name, root, "Name")
        .at(93, 7, 126, 38)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .caption()
        .wordWrap()
        .content("TODO");
    make(ui.ItemIcon, root, "ItemIcon").at(53, 6, 38, 38).image(":/Icons/i_Maps.mif");
    make(ui.ic_SDCard, ui.ItemIcon, "ic_SDCard").at(17, 17, 20, 20).image(":/Icons/i_SD Card_small.mif");
    make(ui.ic_Error, ui.ItemIcon, "ic_Error").at(17, 17, 20, 20).image(":/Icons/i_media_delete.mif");
    make(ui.iconSplit, root, "iconSplit").at(47, 6, 8, 40).image(":/Bkgd/bkgd_split.mif");
    make(ui.chkIsSelected, root, "chkIsSelected")
        .at(0, 0, 52, 53)
        .checkedImage(":/Icons/i_Checkbox_sel.mif")
        .uncheckedImage(":/Icons/i_Checkbox.mif")
        .markPosition(19, 12);
}

void retranslateUi(Ui_MapSel_ButtonItemClass &, QWidget *)
{
}

Form<Ui_MapSel_ButtonItemClass, setupUi, retranslateUi> formMapSel_ButtonItemClass;

} // namespace

FormLayout &MapSel_ButtonItemClass()
{
    return formMapSel_ButtonItemClass;
}

} // namespace quarn::forms
