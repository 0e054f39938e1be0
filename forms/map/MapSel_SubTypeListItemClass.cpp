#include "forms/map/MapSel_SubTypeListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MapSel_SubTypeListItemClass &ui, QWidget *root)
{
    Root(root, "MapSel_SubTypeListItemClass").size(226, 35);

    make(ui.Icon, root, "Icon").at(0, -1, 38, 38).image(":/Icons/i_Maps.mif");
    make(ui.Name, root, "Name")
        .at(40, 2, 183, 32)
        .font(Font().bold().underline().aa())
        .wordWrap()
        .content("TODO")
        .pixelSize(14);
}

void retranslateUi(Ui_MapSel_SubTypeListItemClass &, QWidget *)
{
}

Form<Ui_MapSel_SubTypeListItemClass, setupUi, retranslateUi> formMapSel_SubTypeListItemClass;

} // namespace

FormLayout &MapSel_SubTypeListItemClass()
{
    return formMapSel_SubTypeListItemClass;
}

} // namespace quarn::forms
