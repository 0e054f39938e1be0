#include "forms/geocaching/GeocacheHeaderWidgetClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheHeaderWidgetClass &ui, QWidget *root)
{
    Root(root, "GeocacheHeaderWidgetClass").size(240, 46).image("image", ":/Bkgd/bkgd_TitleAreaIndicator_big.mif");

    make(ui.textName, root, "textName")
        .at(50, 3, 187, 21)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .listItemName()
        .content("My First Cache")
        .pixelSize(15);
    titleIcon(ui.ItemIcon_Type, root, "ItemIcon_Type", ":/Icons/i_GeocacheIcons.mif");
    make(ui.statGeocacheStatusMini, ui.ItemIcon_Type, "statGeocacheStatusMini")
        .at(20, 0, 14, 15)
        .statusImages(geocache::foundStatusSmallImages());
    make(ui.textAuthor, root, "textAuthor")
        .at(70, 23, 167, 20)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .listItemName()
        .content("Author")
        .pixelSize(11);
    make(ui.textBy, root, "textBy")
        .at(51, 23, 20, 20)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(boldAA())
        .pixelSize(11)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.ItemIcon_Picture, root, "ItemIcon_Picture").at(15, 22, 20, 20).image(":/Icons/i_MediaAttached.mif");
    make(ui.ItemIcon_Bookmark, root, "ItemIcon_Bookmark").at(31, 24, 16, 16).image(":/Icons/i_Geocache_Favorites.mif");
    make(ui.ItemIcon_Bug, root, "ItemIcon_Bug").at(4, 25, 16, 16).image(":/Icons/i_HasTrackables.mif");
}

void retranslateUi(Ui_GeocacheHeaderWidgetClass &ui, QWidget *)
{
    ui.textBy->setContent(QCoreApplication::translate("GeocacheHeaderWidgetClass", "By"));
}

Form<Ui_GeocacheHeaderWidgetClass, setupUi, retranslateUi> formGeocacheHeaderWidgetClass;

} // namespace

FormLayout &GeocacheHeaderWidgetClass()
{
    return formGeocacheHeaderWidgetClass;
}

} // namespace quarn::forms
