#include "forms/tracks_routes/TrackListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackListItemClass &ui, QWidget *root)
{
    Root(root, "TrackListItemClass")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .image("focused", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.textName, root, "textName")
        .at(49, 5, 129, 17)
        .minSize(59, 0)
        .smallCaption()
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.textStartTime, root, "textStartTime")
        .at(114, 21, 54, 12)
        .font(normalWeightAA())
        .content("Start Time")
        .pixelSize(10)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.textDistance, root, "textDistance").at(50, 25, 61, 20).listItemDetail().content("Distance");
    make(ui.icon, root, "icon").at(13, 5, 35, 37).image(":/Icons/i_track_icon.mif");
    make(ui.mediaIcon, ui.icon, "mediaIcon").at(13, 18, 20, 20).maxSize(38, 38).image(":/Icons/i_MediaAttached.mif");
    make(ui.textElvChange, root, "textElvChange").at(114, 32, 66, 15).listItemDetail().content("Distance");
    make(ui.btnGo, root, "btnGo").at(168, 4, 54, 43).goButton();
    make(ui.iconFavorite, root, "iconFavorite").at(27, 3, 20, 20).maxSize(38, 38).image(":/Icons/i_Favorite.mif");
}

void retranslateUi(Ui_TrackListItemClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("TrackListItemClass", "TrackListItem"));
}

Form<Ui_TrackListItemClass, setupUi, retranslateUi> formTrackListItemClass;

} // namespace

FormLayout &TrackListItemClass()
{
    return formTrackListItemClass;
}

} // namespace quarn::forms
