#include "core/construction/service_looks.h"

#include "core/construction/look.h"

namespace quarn {

Row<ZelIcon> serviceTitleStrip(ZelIcon *&field, QWidget *root, int y)
{
    return make(field, root, "icon").at(0, y, 240, 33).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
}

Row<ZelTextBox> serviceTitle(ZelTextBox *&field, QWidget *titleStrip)
{
    return make(field, titleStrip, "labelName")
        .at(0, 5, 241, 23)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(align::Centre)
        .pixelSize(16);
}

Row<ZelIcon> serviceStatusBand(ZelIcon *&field, QWidget *root, const char *objectName, int y)
{
    return make(field, root, objectName).at(0, y, 240, 28).image(":/Bkgd/bkgd_TitleBar.mif");
}

Row<ZelTextBox> serviceStatusText(ZelTextBox *&field, QWidget *band, const char *objectName)
{
    return make(field, band, objectName)
        .at(0, 0, 241, 21)
        .palette(whiteText())
        .font(normalWeightAA())
        .alignment(align::Centre)
        .pixelSize(16);
}

namespace {

Row<ZelCheckBox> serviceSwitch(ZelCheckBox *&field, QWidget *parent, const char *objectName, int x, int y,
                               const char *checked, const char *unchecked)
{
    return make(field, parent, objectName)
        .at(x, y, 28, 29)
        .iconSize(16, 16)
        .checkedImage(checked)
        .uncheckedImage(unchecked)
        .markPosition(0, 0);
}

const char *faceImage(KeyFace face)
{
    switch (face) {
    case KeyFace::Tall:
        return ":/Buttons/b_KB_01.mif";
    case KeyFace::Medium:
        return ":/Buttons/b_KB_02.mif";
    case KeyFace::Wide:
        return ":/Buttons/b_KB_03.mif";
    case KeyFace::Round:
        break;
    }
    return ":/Buttons/b_RoundButton.mif";
}

const char *pressedFaceImage(KeyFace face)
{
    switch (face) {
    case KeyFace::Tall:
        return ":/Buttons/b_KB_01_h.mif";
    case KeyFace::Medium:
        return ":/Buttons/b_KB_02_h.mif";
    case KeyFace::Wide:
        return ":/Buttons/b_KB_03_h.mif";
    case KeyFace::Round:
        break;
    }
    return ":/Buttons/b_RoundButton_h.mif";
}

} // namespace

Row<ZelCheckBox> serviceCheckBox(ZelCheckBox *&field, QWidget *parent, const char *objectName, int x, int y)
{
    return serviceSwitch(field, parent, objectName, x, y, ":/Icons/i_Checkbox_sel.mif", ":/Icons/i_Checkbox.mif");
}

Row<ZelCheckBox> serviceRadioButton(ZelCheckBox *&field, QWidget *parent, const char *objectName, int x, int y)
{
    return serviceSwitch(field, parent, objectName, x, y, ":/Icons/i_RadioButton_sel.mif", ":/Icons/i_RadioButton.mif");
}

Row<ZelPushButton> keyButton(ZelPushButton *&field, QWidget *parent, const char *objectName, int x, int y, int width,
                             int height, KeyFace face)
{
    return make(field, parent, objectName)
        .at(x, y, width, height)
        .faces(faceImage(face), pressedFaceImage(face))
        .focused(faceImage(face))
        .eventPropagation();
}

} // namespace quarn
