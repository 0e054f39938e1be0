#include "forms/tracks_routes/RouteHeaderItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteHeaderItemClass &ui, QWidget *root)
{
    Root(root, "RouteHeaderItemClass").size(241, 49);

    make(ui.btnIcon, root, "btnIcon")
        .at(6, 5, 230, 42)
        .normal(":/Bkgd/bkgd_TitleArea.mif")
        .pressed(":/Bkgd/bkgd_TitleArea_h.mif");
    make(ui.backing, ui.btnIcon, "backing").at(0, 0, 230, 42);
    make(ui.iconFavorite, ui.backing, "iconFavorite").at(28, 0, 20, 20).image(":/Icons/i_Favorite.mif");
    make(ui.icon, ui.backing, "icon").at(-3, 0, 38, 38).image(":/Icons/i_Route.mif");
    make(ui.mediaIcon, ui.backing, "mediaIcon").at(28, 18, 20, 20).image(":/Icons/i_MediaAttached.mif");
    make(ui.textName, ui.backing, "textName").at(51, 2, 178, 21).listItemName().content("My First Cache").pixelSize(15);
    make(ui.textDate, ui.backing, "textDate")
        .at(52, 20, 177, 20)
        .font(normalWeightAA())
        .content("Author")
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
}

void retranslateUi(Ui_RouteHeaderItemClass &, QWidget *)
{
}

Form<Ui_RouteHeaderItemClass, setupUi, retranslateUi> formRouteHeaderItemClass;

} // namespace

FormLayout &RouteHeaderItemClass()
{
    return formRouteHeaderItemClass;
}

} // namespace quarn::forms
