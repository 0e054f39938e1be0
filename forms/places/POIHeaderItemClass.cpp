#include "forms/places/POIHeaderItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_POIHeaderItemClass &ui, QWidget *root)
{
    Root(root, "POIHeaderItemClass").size(241, 52).image("image", ":/Bkgd/bkgd_TitleAreaIndicator_big.mif");

    make(ui.iconPOI, root, "iconPOI").at(5, 4, 39, 39).image(":/Icons/i_WP_Coordinates.mif");
    make(ui.txtPOIName, root, "txtPOIName")
        .at(61, 12, 167, 21)
        .palette(whiteTextDimDisabled())
        .listItemName()
        .content("TextLabel")
        .pixelSize(13);
}

void retranslateUi(Ui_POIHeaderItemClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("POIHeaderItemClass", "POIHeaderItem"));
}

Form<Ui_POIHeaderItemClass, setupUi, retranslateUi> formPOIHeaderItemClass;

} // namespace

FormLayout &POIHeaderItemClass()
{
    return formPOIHeaderItemClass;
}

} // namespace quarn::forms
