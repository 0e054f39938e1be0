#include "forms/tracks_routes/ActiveTrackHeaderItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ActiveTrackHeaderItemClass &ui, QWidget *root)
{
    Root(root, "ActiveTrackHeaderItemClass").size(240, 46);

    make(ui.icon, root, "icon").at(0, 0, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.iconFavorite, ui.icon, "iconFavorite").at(33, -1, 20, 20).image(":/Icons/i_Favorite.mif");
    make(ui.iconTrack, ui.icon, "iconTrack").at(2, 1, 38, 38).image(":/Icons/i_track_icon.mif");
    make(ui.txtTrackName, ui.icon, "txtTrackName")
        .at(68, 5, 164, 21)
        .palette(whiteTextDimDisabled())
        .listItemName()
        .content("My First Cache")
        .pixelSize(15);
    make(ui.txtSaveTime, ui.icon, "txtSaveTime")
        .at(69, 23, 163, 20)
        .palette(whiteTextDimDisabled())
        .font(normalWeightAA())
        .content("Author")
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconMedia, root, "iconMedia").at(33, 17, 20, 20).image(":/Icons/i_MediaAttached.mif");
}

void retranslateUi(Ui_ActiveTrackHeaderItemClass &, QWidget *)
{
}

Form<Ui_ActiveTrackHeaderItemClass, setupUi, retranslateUi> formActiveTrackHeaderItemClass;

} // namespace

FormLayout &ActiveTrackHeaderItemClass()
{
    return formActiveTrackHeaderItemClass;
}

} // namespace quarn::forms
