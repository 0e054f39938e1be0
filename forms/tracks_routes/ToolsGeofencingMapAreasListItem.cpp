#include "forms/tracks_routes/ToolsGeofencingMapAreasListItem.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ToolsGeofencingMapAreasListItem &ui, QWidget *root)
{
    Root(root, "ToolsGeofencingMapAreasListItem")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.txtName, root, "txtName").at(45, 6, 170, 20).listItemName().pixelSize(16);
    make(ui.txtValue, root, "txtValue").at(45, 26, 170, 20).regularValue();
    make(ui.icon, root, "icon").at(10, 9, 32, 32).maxSize(38, 38).image(":/Icons/i_MenuIcon_Maps.mif");
}

void retranslateUi(Ui_ToolsGeofencingMapAreasListItem &, QWidget *)
{
}

Form<Ui_ToolsGeofencingMapAreasListItem, setupUi, retranslateUi> formToolsGeofencingMapAreasListItem;

} // namespace

FormLayout &ToolsGeofencingMapAreasListItem()
{
    return formToolsGeofencingMapAreasListItem;
}

} // namespace quarn::forms
