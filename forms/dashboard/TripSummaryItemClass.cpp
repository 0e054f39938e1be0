#include "forms/dashboard/TripSummaryItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TripSummaryItemClass &ui, QWidget *root)
{
    Root(root, "TripSummaryItemClass").size(226, 55).image("image", ":/Buttons/b_list.mif");

    make(ui.stackedWidget, root, "stackedWidget").at(11, 4, 205, 43);
    make(ui.page, nullptr, "page").hidden();
    make(ui.txtTitle, ui.page, "txtTitle")
        .at(41, 0, 164, 20)
        .minSize(79, 0)
        .smallCaption()
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtValue, ui.page, "txtValue").at(41, 22, 164, 20).listItemName().content("Distance").pixelSize(11);
    make(ui.icon1, ui.page, "icon1").at(-1, 2, 38, 38);
    make(ui.page_2, nullptr, "page_2");
    make(ui.txtTitleCoord, ui.page_2, "txtTitleCoord").at(34, 6, 36, 15).maxSize(50, QWIDGETSIZE_MAX).smallCaption();
    make(ui.txtCoords, ui.page_2, "txtCoords")
        .at(68, 6, 131, 16)
        .font(Font().italic().aa())
        .content("34.52345 N")
        .pixelSize(10);
    make(ui.txtDate, ui.page_2, "txtDate").at(50, 21, 161, 20).font(boldAA()).content("Feb, 10, 2009").pixelSize(11);
    make(ui.icon2, ui.page_2, "icon2").at(-1, 1, 38, 40);

    addPages(ui.stackedWidget, {ui.page, ui.page_2}, 1);
}

void retranslateUi(Ui_TripSummaryItemClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("TripSummaryItemClass", "TripSummaryItem"));
    ui.txtTitleCoord->setContent(QCoreApplication::translate("TripSummaryItemClass", "Start:"));
}

Form<Ui_TripSummaryItemClass, setupUi, retranslateUi> formTripSummaryItemClass;

} // namespace

FormLayout &TripSummaryItemClass()
{
    return formTripSummaryItemClass;
}

} // namespace quarn::forms
