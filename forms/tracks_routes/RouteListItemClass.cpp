#include "forms/tracks_routes/RouteListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RouteListItemClass &ui, QWidget *root)
{
    Root(root, "RouteListItemClass")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .image("focused", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.textName, root, "textName")
        .at(50, 5, 79, 20)
        .minSize(79, 0)
        .smallCaption()
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.textPointsCount, root, "textPointsCount")
        .at(130, 5, 54, 20)
        .font(normalWeightAA())
        .content("Points")
        .pixelSize(10)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.textDistance, root, "textDistance").at(50, 26, 64, 20).listItemDetail().content("Distance");
    make(ui.icon, root, "icon").at(9, 7, 38, 38).image(":/Icons/i_Route.mif");
    make(ui.ItemIcon_Picture, ui.icon, "ItemIcon_Picture").at(19, 18, 20, 20).image(":/Icons/i_MediaAttached.mif");
    make(ui.textElvChange, root, "textElvChange").at(120, 26, 64, 20).listItemDetail().content("Elevation");
    make(ui.btnGo, root, "btnGo").at(179, 6, 41, 41).goButton();
    make(ui.favoriteIcon, root, "favoriteIcon").at(29, 8, 20, 20).maxSize(38, 38).image(":/Icons/i_Favorite.mif");
}

void retranslateUi(Ui_RouteListItemClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("RouteListItemClass", "RouteListItem"));
}

Form<Ui_RouteListItemClass, setupUi, retranslateUi> formRouteListItemClass;

} // namespace

FormLayout &RouteListItemClass()
{
    return formRouteListItemClass;
}

} // namespace quarn::forms
