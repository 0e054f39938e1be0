#include "forms/places/WptPicturesScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptPicturesScreenClass &ui, QWidget *root)
{
    Root(root, "WptPicturesScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    make(ui.btnMenu, ui.statusBar, "btnMenu")
        .at(164, 1, 70, 48)
        .normal(":/Icons/i_Map_Menu.mif")
        .pressed(":/Icons/i_Map_Menu_h.mif");
    backButton(ui.btnBack, ui.statusBar);
    make(ui.statusBarButtonsView, ui.statusBar, "statusBarButtonsView").at(60, 7, 120, 43);
    make(ui.btnMap, ui.statusBarButtonsView, "btnMap").at(0, 0, 60, 43).mapPreviewButton();
    make(ui.btnGo, ui.statusBarButtonsView, "btnGo").at(60, 0, 60, 43).goButton();
    make(ui.statusBarButtonsWptCreation, ui.statusBar, "statusBarButtonsWptCreation").at(81, 7, 77, 43);
    make(ui.btnSave, ui.statusBarButtonsWptCreation, "btnSave")
        .at(0, 0, 76, 43)
        .normal(":/Buttons/b_Save.mif")
        .pressed(":/Buttons/b_Save_h.mif");
    make(ui.backing, root, "backing").at(5, 26, 230, 42);
    make(ui.iconButton, root, "iconButton")
        .at(5, 26, 51, 42)
        .normal(":/Bkgd/bkgd_TitleArea_Left_01.mif")
        .pressed(":/Bkgd/bkgd_TitleArea_Left_01_h.mif")
        .focused(":/Bkgd/bkgd_TitleArea_Left_01_f.mif");
    make(ui.waypointIcon, ui.iconButton, "waypointIcon")
        .at(1, 2, 38, 38)
        .maxSize(38, 38)
        .image(":/Icons/i_WayPoints.mif");
    make(ui.iconFavorite, ui.iconButton, "iconFavorite").at(33, 2, 20, 20).image(":/Icons/i_Favorite.mif");
    make(ui.mediaIcon, ui.iconButton, "mediaIcon").at(32, 19, 20, 20).image(":/Icons/i_MediaAttached.mif");
    make(ui.nameButton, root, "nameButton")
        .at(56, 26, 179, 42)
        .normal(":/Bkgd/bkgd_TitleArea_Right_01.mif")
        .pressed(":/Bkgd/bkgd_TitleArea_Right_01_h.mif")
        .focused(":/Bkgd/bkgd_TitleArea_Right_01_f.mif");
    make(ui.labelDateTime, ui.nameButton, "labelDateTime").at(10, 24, 171, 16).pixelSize(11);
    make(ui.labelName, ui.nameButton, "labelName")
        .at(10, 2, 168, 21)
        .caption()
        .content("WP name")
        .textBoxFlags(TextBoxFlags::FirstOn);
}

void retranslateUi(Ui_WptPicturesScreenClass &ui, QWidget *)
{
    //: Sample content, replaced by the host at run time.
    ui.labelDateTime->setContent(QCoreApplication::translate("WptPicturesScreenClass", "01/01/2010 00:00:00"));
}

Form<Ui_WptPicturesScreenClass, setupUi, retranslateUi> formWptPicturesScreenClass;

} // namespace

FormLayout &WptPicturesScreenClass()
{
    return formWptPicturesScreenClass;
}

} // namespace quarn::forms
