#include "forms/places/WptCreateFromProjectionScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptCreateFromProjectionScreenClass &ui, QWidget *root)
{
    Root(root, "WptCreateFromProjectionScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 72, 230, 100);
    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(50, 0, 191, 45).palette(whiteText()).caption().wordWrap();
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_WP_Projection.mif");
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnNext, ui.statusBar, "btnNext").at(164, 7, 76, 43).actionButton();
    make(ui.label, ui.btnNext, "label").at(10, 6, 59, 31).actionButtonLabel().scaledContents();
    make(ui.labelBearing, root, "labelBearing").at(5, 88, 81, 21).palette(blackText()).popupCoordinates();
    make(ui.labelDistance, root, "labelDistance").at(5, 133, 81, 21).palette(blackText()).popupCoordinates();
    make(ui.labelDegrees, root, "labelDegrees").at(151, 88, 80, 21).palette(blackText()).popupCoordinates();
    make(ui.cbUnits, root, "cbUnits")
        .at(140, 123, 99, 44)
        .font(Font().bold())
        .normal(":/Buttons/b_ToggleButton_small.mif")
        .focused(":/Buttons/b_ToggleButtons_small_f.mif")
        .pressed(":/Buttons/b_ToggleButton_small_h.mif")
        .arrowNormal(":/Icons/i_DropDown_Arrow.mif")
        .arrowPressed(":/Icons/i_DropDown_Arrow_h.mif")
        .arrowOrigin(180, 5)
        .itemNormal(":/Buttons/b_DropDown_Item_small.mif")
        .itemFocused(":/Buttons/b_DropDown_Item_small_f.mif")
        .itemPressed(":/Buttons/b_DropDown_Item_small_h.mif")
        .textMargin(10)
        .pixelSize(14)
        .popupItemMargin(5);
    make(ui.txtBoxBearingInput, root, "txtBoxBearingInput")
        .at(86, 82, 53, 31)
        .palette(Colours()
                     .role(QPalette::WindowText, kBlack, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText)
                     .role(QPalette::ToolTipText, kWhite))
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(18)
        .clickable()
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.txtBoxDistanceInput, root, "txtBoxDistanceInput")
        .at(86, 129, 53, 31)
        .palette(Colours()
                     .role(QPalette::WindowText, kBlack, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText)
                     .role(QPalette::ToolTipText, kWhite))
        .font(boldAA())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(18)
        .clickable()
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
}

void retranslateUi(Ui_WptCreateFromProjectionScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(
        QCoreApplication::translate("WptCreateFromProjectionScreenClass", "Projection from current Location"));
    ui.label->setContent(QCoreApplication::translate("WptCreateFromProjectionScreenClass", "Next>"));
    ui.labelBearing->setContent(QCoreApplication::translate("WptCreateFromProjectionScreenClass", "Bearing:"));
    ui.labelDistance->setContent(QCoreApplication::translate("WptCreateFromProjectionScreenClass", "Distance:"));
    ui.labelDegrees->setContent(QCoreApplication::translate("WptCreateFromProjectionScreenClass", "Degrees"));
    //: Number shown until the host fills it.
    ui.txtBoxBearingInput->setContent(QCoreApplication::translate("WptCreateFromProjectionScreenClass", "0"));
    //: Number shown until the host fills it.
    ui.txtBoxDistanceInput->setContent(QCoreApplication::translate("WptCreateFromProjectionScreenClass", "0"));
}

Form<Ui_WptCreateFromProjectionScreenClass, setupUi, retranslateUi> formWptCreateFromProjectionScreenClass;

} // namespace

FormLayout &WptCreateFromProjectionScreenClass()
{
    return formWptCreateFromProjectionScreenClass;
}

} // namespace quarn::forms
