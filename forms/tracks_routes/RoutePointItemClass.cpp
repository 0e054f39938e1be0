#include "forms/tracks_routes/RoutePointItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_RoutePointItemClass &ui, QWidget *root)
{
    Root(root, "RoutePointItemClass")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .image("focused", ":/Buttons/b_list_f.mif")
        .property("eventPropagation", true);

    make(ui.stackedWidget, root, "stackedWidget").at(10, 3, 207, 43);
    make(ui.pageNormal, nullptr, "pageNormal");
    make(ui.textName, ui.pageNormal, "textName")
        .at(39, 5, 101, 17)
        .font(boldAA())
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("My First Cache");
    make(ui.textDistance, ui.pageNormal, "textDistance")
        .at(39, 24, 62, 17)
        .font(boldAA())
        .pixelSize(13)
        .alignment(align::LeftVCentre)
        .textBoxFlags(TextBoxFlags::AllOff)
        .content("2.3 mi");
    make(ui.ItemIcon_Type, ui.pageNormal, "ItemIcon_Type").at(0, 4, 38, 38).image(":/Icons/i_WP_PointOnMap.mif");
    make(ui.statDirection, ui.pageNormal, "statDirection").at(154, 21, 25, 22).statusImages(paneDirectionImages());
    make(ui.txtDirection, ui.pageNormal, "txtDirection")
        .at(151, 20, 25, 22)
        .pixelSize(14)
        .alignment(align::RightVCentre)
        .content("");
    make(ui.btnDel, ui.pageNormal, "btnDel")
        .at(177, 21, 20, 20)
        .faces(":/Icons/i_media_delete.mif", ":/Icons/i_media_delete.mif")
        .shiftOnPress(0, 0);
    make(ui.emptySpaceDel, ui.pageNormal, "emptySpaceDel").at(162, 2, 44, 41);
    make(ui.pageEdit, nullptr, "pageEdit");
    make(ui.btnPageUp, ui.pageEdit, "btnPageUp")
        .at(150, 6, 55, 35)
        .autoRepeat()
        .autoRepeatInterval(200)
        .faces(":/Buttons/b_KB_AdjustUp_off_big.mif", ":/Buttons/b_KB_AdjustUp_on_big.mif");
    make(ui.btnPageDown, ui.pageEdit, "btnPageDown")
        .at(1, 6, 55, 35)
        .autoRepeat()
        .autoRepeatInterval(200)
        .faces(":/Buttons/b_KB_AdjustDown_off_big.mif", ":/Buttons/b_KB_AdjustDown_on_big.mif");
    make(ui.textName_2, ui.pageEdit, "textName_2")
        .at(56, 5, 101, 17)
        .font(boldAA())
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("My First Cache");
    make(ui.textDistance_2, ui.pageEdit, "textDistance_2")
        .at(56, 24, 62, 17)
        .font(boldAA())
        .pixelSize(13)
        .alignment(align::LeftVCentre)
        .textBoxFlags(TextBoxFlags::AllOff)
        .content("2.3 mi");
    make(ui.txtDirection_2, ui.pageEdit, "txtDirection_2")
        .at(122, 20, 27, 22)
        .pixelSize(14)
        .alignment(align::RightVCentre)
        .content("");
    make(ui.statDirection_2, ui.pageEdit, "statDirection_2").at(121, 20, 25, 22).statusImages(paneDirectionImages());
    make(ui.pageAdd, nullptr, "pageAdd");
    make(ui.horizontalLayoutWidget, ui.pageAdd, "horizontalLayoutWidget").at(41, -1, 167, 51);
    layout(ui.horizontalLayout, ui.horizontalLayoutWidget, "horizontalLayout").spacing(0).margins(0, 0, 0, 0);
    make(ui.txtName, ui.horizontalLayoutWidget, "txtName")
        .enabled()
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Expanding)
        .minSize(134, 0)
        .maxSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)
        .font(boldAA())
        .pixelSize(16)
        .alignment(align::LeftVCentre)
        .wordWrap()
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.txtValue, ui.horizontalLayoutWidget, "txtValue")
        .enabled()
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding)
        .minSize(0, 0)
        .sizeIncrement(0, 0)
        .pixelSize(16)
        .alignment(align::LeftVCentre)
        .indent(0);
    make(ui.icon, ui.pageAdd, "icon").at(2, 2, 38, 38).image(":/Icons/i_function_MarkWaypoint.mif");

    addMembers(ui.horizontalLayout, {ui.txtName, ui.txtValue});
    addPages(ui.stackedWidget, {ui.pageNormal, ui.pageEdit, ui.pageAdd}, 0);
}

void retranslateUi(Ui_RoutePointItemClass &ui, QWidget *root)
{
    root->setProperty("windowTitle", QCoreApplication::translate("RoutePointItemClass", "RouteListItem"));
    ui.txtName->setContent(QCoreApplication::translate("RoutePointItemClass", "Add Point"));
    ui.txtValue->setContent(QString());
}

Form<Ui_RoutePointItemClass, setupUi, retranslateUi> formRoutePointItemClass;

} // namespace

FormLayout &RoutePointItemClass()
{
    return formRoutePointItemClass;
}

} // namespace quarn::forms
