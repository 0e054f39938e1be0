#include "forms/geocaching/GeoCacheListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeoCacheListItemClass &ui, QWidget *root)
{
    Root(root, "GeoCacheListItemClass")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .image("focused", ":/Buttons/b_list_f.mif");

    make(ui.ItemIcon_Type, root, "ItemIcon_Type").at(9, 7, 38, 38).image(":/Icons/i_GeocacheIcons.mif");
    make(ui.statGeocacheStatusMini, ui.ItemIcon_Type, "statGeocacheStatusMini")
        .at(20, 0, 14, 15)
        .statusImages(geocache::foundStatusSmallImages());
    make(ui.textRating, root, "textRating").at(54, 28, 58, 18).smallCaption().content("(1.0/3.0)");
    make(ui.btnGo, root, "btnGo").at(192, 25, 21, 22).normal(":/Icons/i_Go.mif").pressed(":/Icons/i_Go.mif");
    make(ui.CacheSize, root, "CacheSize").at(115, 32, 47, 14).statusImages(geocache::cacheSizeImages());
    make(ui.textName, root, "textName").at(54, 9, 101, 17).listItemName().content("My First Cache").pixelSize(13);
    make(ui.textDistance, root, "textDistance")
        .at(155, 9, 62, 17)
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("2.3 mi")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.ItemIcon_Picture, root, "ItemIcon_Picture").at(20, 27, 20, 20).image(":/Icons/i_MediaAttached.mif");
    make(ui.ItemIcon_Bug, root, "ItemIcon_Bug").at(9, 30, 11, 16).image(":/Icons/i_HasTrackables.mif");
    make(ui.txtDirection, root, "txtDirection")
        .at(166, 25, 25, 22)
        .smallCaption()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter);
    directionIndicator(ui.statDirection, root, 169, 25);
    make(ui.ItemIcon_Bookmark, root, "ItemIcon_Bookmark").at(36, 29, 16, 16).image(":/Icons/i_Geocache_Favorites.mif");
}

void retranslateUi(Ui_GeoCacheListItemClass &, QWidget *)
{
}

Form<Ui_GeoCacheListItemClass, setupUi, retranslateUi> formGeoCacheListItemClass;

} // namespace

FormLayout &GeoCacheListItemClass()
{
    return formGeoCacheListItemClass;
}

} // namespace quarn::forms
