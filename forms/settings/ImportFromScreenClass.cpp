#include "forms/settings/ImportFromScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ImportFromScreenClass &ui, QWidget *root)
{
    Root(root, "ImportFromScreenClass")
        .size(240, 400)
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_Top.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 110);

    make(ui.btnClose, root, "btnClose").at(193, 130, 27, 27).closeButton();
    make(ui.txtTitle, root, "txtTitle")
        .at(45, 121, 141, 41)
        .palette(whiteText())
        .listItemName()
        .alignment(Qt::AlignCenter)
        .pixelSize(18);
    make(ui.btnFromSD, root, "btnFromSD")
        .at(24, 170, 193, 51)
        .normal(":/Buttons/b_ContextualMenu.mif")
        .pressed(":/Buttons/b_ContextualMenu_h.mif")
        .focused(":/Buttons/b_ContextualMenu_f.mif");
    make(ui.txtSdCard, ui.btnFromSD, "txtSdCard").at(49, 9, 131, 31).listItemName().pixelSize(20);
    make(ui.iconSdCard, ui.btnFromSD, "iconSdCard").at(0, 6, 38, 38).image(":/Icons/i_SD_Card.mif");
    make(ui.btnFromDevice, root, "btnFromDevice")
        .at(24, 221, 193, 51)
        .normal(":/Buttons/b_ContextualMenu.mif")
        .pressed(":/Buttons/b_ContextualMenu_h.mif")
        .focused(":/Buttons/b_ContextualMenu_f.mif");
    make(ui.txtDevice, ui.btnFromDevice, "txtDevice").at(49, 9, 131, 31).listItemName().pixelSize(20);
    make(ui.iconDevice, ui.btnFromDevice, "iconDevice").at(0, 6, 38, 38).image(":/Icons/i_Device.mif");
    make(ui.icon, root, "icon").at(22, 128, 32, 32).image(":/Icons/i_PopUpQuestion.mif");
}

void retranslateUi(Ui_ImportFromScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("ImportFromScreenClass", "ImportFromScreen"));
    ui.txtTitle->setContent(QCoreApplication::translate("ImportFromScreenClass", "Import From"));
    ui.txtSdCard->setContent(QCoreApplication::translate("ImportFromScreenClass", "SD Card"));
    ui.txtDevice->setContent(QCoreApplication::translate("ImportFromScreenClass", "Device"));
}

Form<Ui_ImportFromScreenClass, setupUi, retranslateUi> formImportFromScreenClass;

} // namespace

FormLayout &ImportFromScreenClass()
{
    return formImportFromScreenClass;
}

} // namespace quarn::forms
