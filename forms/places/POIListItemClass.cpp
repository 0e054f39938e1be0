#include "forms/places/POIListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIListItemClass &ui, QWidget *root)
{
    Root(root, "POIListItemClass")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .image("focused", ":/Buttons/b_list_f.mif");

    make(ui.ItemIcon, root, "ItemIcon").at(9, 7, 38, 38).minSize(32, 32).image(":/Icons/i_WP_Coordinates.mif");
    make(ui.btnGo, root, "btnGo").at(171, 4, 60, 43).goButton();
    directionIndicator(ui.statDirection, root, 158, 14);
    make(ui.textDirection, root, "textDirection")
        .at(159, 14, 25, 22)
        .maxSize(32, QWIDGETSIZE_MAX)
        .alignment(Qt::AlignCenter)
        .pixelSize(12);
    make(ui.textName, root, "textName")
        .at(49, 6, 108, 20)
        .minSize(90, 0)
        .smallCaption()
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtElevation, root, "txtElevation").at(107, 26, 50, 20).pixelSize(12);
    make(ui.textDistance, root, "textDistance").at(50, 26, 51, 20).pixelSize(12).textBoxFlags(TextBoxFlags::AllOff);
}

void retranslateUi(Ui_POIListItemClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("POIListItemClass", "POIListITem"));
    //: Sample content, replaced by the host at run time.
    ui.textDirection->setContent(QCoreApplication::translate("POIListItemClass", "N/A"));
    //: Sample content, replaced by the host at run time.
    ui.textName->setContent(QCoreApplication::translate("POIListItemClass", "Name"));
    //: Number shown until the host fills it.
    ui.txtElevation->setContent(QCoreApplication::translate("POIListItemClass", "0 ft"));
    //: Number shown until the host fills it.
    ui.textDistance->setContent(QCoreApplication::translate("POIListItemClass", "10 ft"));
}

Form<Ui_POIListItemClass, setupUi, retranslateUi> formPOIListItemClass;

} // namespace

FormLayout &POIListItemClass()
{
    return formPOIListItemClass;
}

} // namespace quarn::forms
