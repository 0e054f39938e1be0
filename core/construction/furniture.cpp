#include "core/construction/furniture.h"

#include "core/construction/look.h"

namespace quarn {

Row<ZelIcon> bottomBar(ZelIcon *&field, QWidget *root, const char *objectName)
{
    return make(field, root, objectName).at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
}

Row<ZelPushButton> backButton(ZelPushButton *&field, QWidget *bottomBar)
{
    return make(field, bottomBar, "btnBack").at(0, 7, 60, 43).faces(":/Buttons/b_Back.mif", ":/Buttons/b_Back_h.mif");
}

Row<ZelPushButton> contextMenuButton(ZelPushButton *&field, QWidget *bottomBar, const char *objectName)
{
    return make(field, bottomBar, objectName).at(180, 7, 60, 43).contextMenuButton();
}

Row<ZelPushButton> contextMenuButton(ZelPushButton *&field, QWidget *bottomBar, const QFont &font,
                                     const char *objectName)
{
    return make(field, bottomBar, objectName).at(180, 7, 60, 43).font(font).contextMenuButton();
}

Row<ZelPushButton> barMapButton(ZelPushButton *&field, QWidget *bottomBar)
{
    return make(field, bottomBar, "btnMap").at(60, 7, 60, 43).mapPreviewButton();
}

Row<ZelPushButton> barGoButton(ZelPushButton *&field, QWidget *bottomBar)
{
    return make(field, bottomBar, "btnGo").at(120, 7, 60, 43).goButton();
}

Row<QWidget> scrollButtonSlot(QWidget *&field, QWidget *bottomBar)
{
    return make(field, bottomBar, "ScrollButtonsWidget").at(60, 7, 120, 43);
}

Row<ZelIcon> titleHeader(ZelIcon *&field, QWidget *root, const char *objectName)
{
    return make(field, root, objectName).at(0, 21, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
}

Row<ZelIcon> titleIcon(ZelIcon *&field, QWidget *titleHeader, const char *objectName, const char *imagePath)
{
    return make(field, titleHeader, objectName).at(4, 4, 38, 38).image(imagePath);
}

Row<ZelPushButton> listHeaderButton(ZelPushButton *&field, QWidget *root)
{
    return make(field, root, "btnListHeader")
        .at(0, 20, 240, 46)
        .normal(":/Bkgd/bkgd_TitleAreaIndicator_big.mif")
        .shiftOnPress(0, 0);
}

} // namespace quarn
