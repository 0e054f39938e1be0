#include "forms/tracks_routes/TrackListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackListScreenClass &ui, QWidget *root)
{
    Root(root, "TrackListScreenClass").size(240, 400);

    make(ui.lvTracks, root, "lvTracks").at(0, 80, 240, 265);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.titleButton, root, "titleButton")
        .at(5, 26, 230, 41)
        .normal(":/Bkgd/bkgd_TitleArea.mif")
        .pressed(":/Bkgd/bkgd_TitleArea_h.mif")
        .focused(":/Bkgd/bkgd_TitleArea_f.mif");
    make(ui.backing, ui.titleButton, "backing").at(0, -1, 230, 42);
    make(ui.txtNumOfTracks, ui.backing, "txtNumOfTracks")
        .at(193, 21, 30, 17)
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13);
    make(ui.icon, ui.backing, "icon").at(5, 5, 32, 30).image(":/Icons/i_track_icon.mif");
    make(ui.txtCurPage, ui.backing, "txtCurPage")
        .at(157, 3, 66, 17)
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("1/1")
        .pixelSize(13);
    make(ui.txtPOIName, ui.backing, "txtPOIName").at(43, 4, 113, 17).font(boldAA()).pixelSize(17);
    make(ui.txtFilter, ui.backing, "txtFilter")
        .at(44, 20, 151, 19)
        .palette(whiteText())
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOnOfThree);
}

void retranslateUi(Ui_TrackListScreenClass &ui, QWidget *)
{
    ui.txtPOIName->setContent(QCoreApplication::translate("TrackListScreenClass", "Tracks"));
    //: Sample content, replaced by the host at run time.
    ui.txtFilter->setContent(QCoreApplication::translate("TrackListScreenClass", "Filter will be here..."));
}

Form<Ui_TrackListScreenClass, setupUi, retranslateUi> formTrackListScreenClass;

} // namespace

FormLayout &TrackListScreenClass()
{
    return formTrackListScreenClass;
}

} // namespace quarn::forms
