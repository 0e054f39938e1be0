#include "core/construction/quick_info.h"

#include "core/construction/instrument_looks.h"

namespace quarn {

Root quickInfoBarRoot(QWidget *root, const char *registrationName)
{
    return Root(root, registrationName)
        .size(240, 76)
        .minimumSize(222, 75)
        .image("image", ":/Bkgd/bkgd_QuickInfoBar_3.mif")
        .point("Offset", 0, 20);
}

Root mapBubbleRoot(QWidget *root, const char *registrationName, int offsetX, int offsetY)
{
    return Root(root, registrationName)
        .size(222, 75)
        .minimumSize(222, 75)
        .image("image", ":/Bkgd/bkgd_map_Bubble.mif")
        .point("Offset", offsetX, offsetY);
}

Row<ZelStatusIndicator> directionIndicator(ZelStatusIndicator *&field, QWidget *parent, int x, int y)
{
    return make(field, parent, "statDirection").at(x, y, 25, 22).statusImages(paneDirectionImages());
}

Row<ZelStatusIndicator> geocacheStatusIndicator(ZelStatusIndicator *&field, QWidget *parent, int x, int y)
{
    return make(field, parent, "iconStatus")
        .at(x, y, 14, 15)
        .statusImages({":/Icons/i_Found.mif", ":/Icons/i_NotFound.mif", ":/Icons/i_NeedsMaintenance.mif"});
}

Row<ZelStatusIndicator> geocacheSizeIndicator(ZelStatusIndicator *&field, QWidget *parent, int x, int y)
{
    return make(field, parent, "iconSize")
        .at(x, y, 47, 14)
        .statusImages({":/Icons/i_Size_Micro.mif", ":/Icons/i_Size_Small.mif", ":/Icons/i_Size_Regular.mif",
                       ":/Icons/i_Size_Large.mif", ":/Icons/i_Size_Other.mif", ":/Icons/i_Size_Not_Chosen.mif"});
}

Row<ZelTextBox> coordinateReadOut(ZelTextBox *&field, QWidget *line, const char *objectName)
{
    return make(field, line, objectName).sizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

Row<ZelTextBox> valueReadOut(ZelTextBox *&field, QWidget *line, const char *objectName)
{
    return make(field, line, objectName).sizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

} // namespace quarn
