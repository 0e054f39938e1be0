#include "forms/places/WptListItem.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptListItem &ui, QWidget *root)
{
    Root(root, "WptListItem")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .image("focused", ":/Buttons/b_list_f.mif")
        .property("eventPropagation", true);

    make(ui.iconWptType, root, "iconWptType")
        .at(8, 7, 38, 38)
        .maxSize(38, 38)
        .image(":/Icons/i_WP_CurrentLocation.mif");
    make(ui.txtWptName, root, "txtWptName").at(50, 5, 121, 20).listItemName().content("WPT").pixelSize(13);
    make(ui.txtDistance, root, "txtDistance").at(52, 25, 58, 17).popupCoordinates().content("0.0");
    make(ui.txtHeight, root, "txtHeight").at(113, 25, 43, 17).popupCoordinates().content("0.0");
    make(ui.txtDirection, root, "txtDirection")
        .at(158, 23, 31, 21)
        .palette(blackText())
        .popupCoordinates()
        .content("NW");
    make(ui.favoriteIcon, root, "favoriteIcon").at(29, 4, 20, 20).maxSize(38, 38).image(":/Icons/i_Favorite.mif");
    make(ui.btnGo, root, "btnGo").at(181, 8, 38, 38).normal(":/Icons/i_Go_List.mif");
    directionIndicator(ui.statDirection, root, 156, 22);
    make(ui.mediaIcon, root, "mediaIcon").at(30, 24, 20, 20).maxSize(38, 38).image(":/Icons/i_MediaAttached.mif");
}

void retranslateUi(Ui_WptListItem &, QWidget *)
{
}

Form<Ui_WptListItem, setupUi, retranslateUi> formWptListItem;

} // namespace

FormLayout &WptListItem()
{
    return formWptListItem;
}

} // namespace quarn::forms
