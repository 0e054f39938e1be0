#include "forms/tracks_routes/TrackHeaderItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackHeaderItemClass &ui, QWidget *root)
{
    Root(root, "TrackHeaderItemClass").size(244, 47);

    make(ui.backing, root, "backing").at(5, 4, 230, 42);
    make(ui.btnClickableText, ui.backing, "btnClickableText")
        .at(51, 0, 179, 42)
        .palette(blackButtonText())
        .normal(":/Bkgd/bkgd_TitleArea_Right_01.mif")
        .pressed(":/Bkgd/bkgd_TitleArea_Right_01_h.mif");
    make(ui.txtSaveTime, ui.btnClickableText, "txtSaveTime")
        .at(10, 21, 163, 20)
        .font(normalWeightAA())
        .content("Author")
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtTrackName, ui.btnClickableText, "txtTrackName")
        .at(9, 3, 164, 21)
        .listItemName()
        .content("My First Cache")
        .pixelSize(15);
    make(ui.btnClickableIcon, ui.backing, "btnClickableIcon")
        .at(0, 0, 51, 42)
        .normal(":/Bkgd/bkgd_TitleArea_Left_01.mif")
        .pressed(":/Bkgd/bkgd_TitleArea_Left_01_h.mif");
    make(ui.iconFavorite, ui.btnClickableIcon, "iconFavorite").at(32, 2, 20, 20).image(":/Icons/i_Favorite.mif");
    make(ui.iconTrack, ui.btnClickableIcon, "iconTrack").at(2, 1, 38, 38).image(":/Icons/i_track_icon.mif");
    make(ui.iconMedia, root, "iconMedia").at(38, 23, 20, 20).image(":/Icons/i_MediaAttached.mif");
}

void retranslateUi(Ui_TrackHeaderItemClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("TrackHeaderItemClass", "Form"));
}

Form<Ui_TrackHeaderItemClass, setupUi, retranslateUi> formTrackHeaderItemClass;

} // namespace

FormLayout &TrackHeaderItemClass()
{
    return formTrackHeaderItemClass;
}

} // namespace quarn::forms
