#include "forms/tracks_routes/ToolsGeofencingListItem.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsGeofencingListItem &ui, QWidget *root)
{
    Root(root, "ToolsGeofencingListItem")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.txtName, root, "txtName").at(45, 6, 140, 20).listItemName().pixelSize(16);
    make(ui.txtState, root, "txtState").at(186, 17, 31, 21).font(aaFont()).pixelSize(16);
    make(ui.txtValue, root, "txtValue").at(45, 26, 140, 20).regularValue();
    make(ui.icon, root, "icon").at(10, 9, 32, 32).maxSize(38, 38).image(":/Icons/i_MenuIcon_Maps.mif");
}

void retranslateUi(Ui_ToolsGeofencingListItem &ui, QWidget *)
{
    ui.txtName->setContent(QString());
}

Form<Ui_ToolsGeofencingListItem, setupUi, retranslateUi> formToolsGeofencingListItem;

} // namespace

FormLayout &ToolsGeofencingListItem()
{
    return formToolsGeofencingListItem;
}

} // namespace quarn::forms
