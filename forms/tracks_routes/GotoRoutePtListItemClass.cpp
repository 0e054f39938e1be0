#include "forms/tracks_routes/GotoRoutePtListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GotoRoutePtListItemClass &ui, QWidget *root)
{
    Root(root, "GotoRoutePtListItemClass")
        .size(240, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_f.mif")
        .image("focused", ":/Buttons/b_list_h.mif");

    make(ui.textDistance, root, "textDistance").at(63, 25, 64, 20).listItemDetail().content("Distance");
    make(ui.textName, root, "textName")
        .at(63, 4, 79, 20)
        .minSize(79, 0)
        .smallCaption()
        .content("Name")
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.icon, root, "icon").at(22, 6, 38, 38).image(":/Icons/i_Route.mif");
    make(ui.btnGo, root, "btnGo").at(175, 5, 41, 41).goButton();
    make(ui.iconCurrPtFlag, root, "iconCurrPtFlag").at(40, 23, 20, 20).image(":/Icons/i_GotoPoint_Checkmark.mif");
}

void retranslateUi(Ui_GotoRoutePtListItemClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("GotoRoutePtListItemClass", "GotoRoutePtListItem"));
}

Form<Ui_GotoRoutePtListItemClass, setupUi, retranslateUi> formGotoRoutePtListItemClass;

} // namespace

FormLayout &GotoRoutePtListItemClass()
{
    return formGotoRoutePtListItemClass;
}

} // namespace quarn::forms
