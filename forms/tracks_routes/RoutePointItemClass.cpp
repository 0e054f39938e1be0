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
        .listItemName()
        .content("My First Cache")
        .pixelSize(13);
    make(ui.textDistance, ui.pageNormal, "textDistance")
        .at(39, 24, 62, 17)
        .font(boldAA())
        .content("2.3 mi")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.ItemIcon_Type, ui.pageNormal, "ItemIcon_Type").at(0, 4, 38, 38).image(":/Icons/i_WP_PointOnMap.mif");
    directionIndicator(ui.statDirection, ui.pageNormal, 154, 21);
    make(ui.txtDirection, ui.pageNormal, "txtDirection")
        .at(151, 20, 25, 22)
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(14);
    make(ui.btnDel, ui.pageNormal, "btnDel")
        .at(177, 21, 20, 20)
        .normal(":/Icons/i_media_delete.mif")
        .pressed(":/Icons/i_media_delete.mif");
    make(ui.emptySpaceDel, ui.pageNormal, "emptySpaceDel").at(162, 2, 44, 41);
    make(ui.pageEdit, nullptr, "pageEdit").hidden();
    make(ui.btnPageUp, ui.pageEdit, "btnPageUp")
        .at(150, 6, 55, 35)
        .autoRepeat()
        .autoRepeatInterval(200)
        .normal(":/Buttons/b_KB_AdjustUp_off_big.mif")
        .pressed(":/Buttons/b_KB_AdjustUp_on_big.mif");
    make(ui.btnPageDown, ui.pageEdit, "btnPageDown")
        .at(1, 6, 55, 35)
        .autoRepeat()
        .autoRepeatInterval(200)
        .normal(":/Buttons/b_KB_AdjustDown_off_big.mif")
        .pressed(":/Buttons/b_KB_AdjustDown_on_big.mif");
    make(ui.textName_2, ui.pageEdit, "textName_2")
        .at(56, 5, 101, 17)
        .listItemName()
        .content("My First Cache")
        .pixelSize(13);
    make(ui.textDistance_2, ui.pageEdit, "textDistance_2")
        .at(56, 24, 62, 17)
        .font(boldAA())
        .content("2.3 mi")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.txtDirection_2, ui.pageEdit, "txtDirection_2")
        .at(122, 20, 27, 22)
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(14);
    make(ui.statDirection_2, ui.pageEdit, "statDirection_2").at(121, 20, 25, 22).statusImages(paneDirectionImages());
    make(ui.pageAdd, nullptr, "pageAdd").hidden();
    make(ui.horizontalLayoutWidget, ui.pageAdd, "horizontalLayoutWidget").at(41, -1, 167, 51);
    layout(ui.horizontalLayout, ui.horizontalLayoutWidget, "horizontalLayout").spacing(0);
    make(ui.txtName, ui.horizontalLayoutWidget, "txtName")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Expanding)
        .minSize(134, 0)
        .largeCaption()
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.txtValue, ui.horizontalLayoutWidget, "txtValue")
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding)
        .sizeIncrement(0, 0)
        .indent(0)
        .pixelSize(16);
    make(ui.icon, ui.pageAdd, "icon").at(2, 2, 38, 38).image(":/Icons/i_function_MarkWaypoint.mif");

    addMembers(ui.horizontalLayout, {ui.txtName, ui.txtValue});
    addPages(ui.stackedWidget, {ui.pageNormal, ui.pageEdit, ui.pageAdd}, 0);

    ui.pageEdit->raise();
    ui.pageNormal->raise();
}

void retranslateUi(Ui_RoutePointItemClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("RoutePointItemClass", "RouteListItem"));
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
