#include "forms/geocaching/GeocacheCreateScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheCreateScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheCreateScreenClass").size(240, 400);

    make(ui.btnName, root, "btnName").at(10, 78, 175, 38).normal(":/Bkgd/bkgd_KB_EntryField_01.mif");
    make(ui.txtName, ui.btnName, "txtName")
        .at(8, 7, 161, 21)
        .palette(
            Colours().role(QPalette::Text, kWhite, kDisabledText).role(QPalette::ButtonText, kBlack, kDisabledText))
        .listItemName()
        .content("My First Cache")
        .pixelSize(15);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnCamera, ui.statusBar, "btnCamera")
        .at(88, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_camera.mif")
        .pressed(":/Icons/i_ToolBar_camera_h.mif");
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.backing, root, "backing").at(5, 26, 230, 42);
    make(ui.titleButton, ui.backing, "titleButton")
        .at(0, 0, 230, 42)
        .normal(":/Bkgd/bkgd_TitleArea.mif")
        .pressed(":/Bkgd/bkgd_TitleArea_h.mif");
    make(ui.iconType, ui.titleButton, "iconType").at(2, 2, 38, 38).image(":/Icons/i_GeocacheIcons.mif");
    make(ui.labelName_2, ui.titleButton, "labelName_2").at(43, 9, 178, 23).titleText();
    make(ui.backing_2, root, "backing_2").at(2, 120, 236, 152);
    make(ui.txtDiff, ui.backing_2, "txtDiff")
        .at(5, 36, 76, 21)
        .palette(
            Colours().role(QPalette::Text, kWhite, kDisabledText).role(QPalette::ButtonText, kWhite, kDisabledText))
        .listItemName()
        .pixelSize(15);
    make(ui.Terrain, ui.backing_2, "Terrain").at(79, 63, 117, 24).statusImages(geocache::largeStarImages());
    make(ui.txtDiffValue, ui.backing_2, "txtDiffValue")
        .at(197, 36, 37, 21)
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .content("3/0")
        .pixelSize(11)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.txtTerrain, ui.backing_2, "txtTerrain")
        .at(5, 66, 75, 21)
        .palette(
            Colours().role(QPalette::Text, kWhite, kDisabledText).role(QPalette::ButtonText, kWhite, kDisabledText))
        .listItemName()
        .pixelSize(15);
    make(ui.txtTerrainValue, ui.backing_2, "txtTerrainValue")
        .at(197, 66, 38, 21)
        .font(normalWeightAA())
        .alignment(Qt::AlignCenter)
        .content("3/0")
        .pixelSize(11)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.txtSizeValue, ui.backing_2, "txtSizeValue")
        .at(195, 96, 41, 21)
        .listItemDetail()
        .alignment(Qt::AlignCenter)
        .content("Medium");
    make(ui.CacheSize, ui.backing_2, "CacheSize").at(79, 96, 117, 24).statusImages(geocache::cacheSizeLargeImages());
    make(ui.Difficulty, ui.backing_2, "Difficulty").at(80, 33, 117, 24).statusImages(geocache::largeStarImages());
    make(ui.txtWPName, ui.backing_2, "txtWPName")
        .at(5, 126, 161, 21)
        .palette(
            Colours().role(QPalette::Text, kWhite, kDisabledText).role(QPalette::ButtonText, kWhite, kDisabledText))
        .listItemName()
        .content("GCID(TMP)")
        .pixelSize(15);
    make(ui.txtSize, ui.backing_2, "txtSize")
        .at(5, 96, 62, 21)
        .palette(
            Colours().role(QPalette::Text, kWhite, kDisabledText).role(QPalette::ButtonText, kWhite, kDisabledText))
        .listItemName()
        .pixelSize(15);
    make(ui.txtDate, ui.backing_2, "txtDate")
        .at(5, 5, 171, 21)
        .font(normalWeightAA())
        .content("9.May.2009")
        .pixelSize(11)
        .textBoxFlags(TextBoxFlags::AllOff);
}

void retranslateUi(Ui_GeocacheCreateScreenClass &ui, QWidget *)
{
    ui.labelName_2->setContent(QCoreApplication::translate("GeocacheCreateScreenClass", "Add Geocache"));
    ui.txtDiff->setContent(QCoreApplication::translate("GeocacheCreateScreenClass", "Difficulty"));
    ui.txtTerrain->setContent(QCoreApplication::translate("GeocacheCreateScreenClass", "Terrain"));
    ui.txtSize->setContent(QCoreApplication::translate("GeocacheCreateScreenClass", "Size"));
}

Form<Ui_GeocacheCreateScreenClass, setupUi, retranslateUi> formGeocacheCreateScreenClass;

} // namespace

FormLayout &GeocacheCreateScreenClass()
{
    return formGeocacheCreateScreenClass;
}

} // namespace quarn::forms
