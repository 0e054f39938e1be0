#include "forms/settings/SettingsUserDatumScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsUserDatumScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsUserDatumScreenClass").size(240, 400);

    serviceTitleStrip(ui.icon, root, 0);
    make(ui.layoutWidget, ui.icon, "layoutWidget").at(0, 0, 241, 31);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout");
    spacer(ui.horizontalSpacer, 18, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.labelName, ui.layoutWidget, "labelName").palette(whiteText()).font(boldAA()).pixelSize(16);
    spacer(ui.horizontalSpacer_2, 18, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.scrollArea, root, "scrollArea")
        .at(0, 36, 240, 317)
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff)
        .widgetResizable();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents").at(0, 0, 238, 315);
    layout(ui.verticalLayout, ui.scrollAreaWidgetContents, "verticalLayout").spacing(0);
    make(ui.lblUserDatumParameters, ui.scrollAreaWidgetContents, "lblUserDatumParameters").datumParameterName();
    make(ui.userDatumDeltaA, ui.scrollAreaWidgetContents, "userDatumDeltaA").numericParameterEntry();
    make(ui.lblUserDatumParameters_2, ui.scrollAreaWidgetContents, "lblUserDatumParameters_2").datumParameterName();
    make(ui.userDatumDeltaF, ui.scrollAreaWidgetContents, "userDatumDeltaF").numericParameterEntry();
    make(ui.lblUserDatumParameters_3, ui.scrollAreaWidgetContents, "lblUserDatumParameters_3").datumParameterName();
    make(ui.userDatumDeltaX, ui.scrollAreaWidgetContents, "userDatumDeltaX").numericParameterEntry();
    make(ui.lblUserDatumParameters_4, ui.scrollAreaWidgetContents, "lblUserDatumParameters_4").datumParameterName();
    make(ui.userDatumDeltaY, ui.scrollAreaWidgetContents, "userDatumDeltaY").numericParameterEntry();
    make(ui.lblUserDatumParameters_5, ui.scrollAreaWidgetContents, "lblUserDatumParameters_5").datumParameterName();
    make(ui.userDatumDeltaZ, ui.scrollAreaWidgetContents, "userDatumDeltaZ").numericParameterEntry();
    make(ui.lblUserDatumParameters_6, ui.scrollAreaWidgetContents, "lblUserDatumParameters_6").datumParameterName();
    make(ui.userDatumRotX, ui.scrollAreaWidgetContents, "userDatumRotX").numericParameterEntry();
    make(ui.lblUserDatumParameters_9, ui.scrollAreaWidgetContents, "lblUserDatumParameters_9").datumParameterName();
    make(ui.userDatumRotY, ui.scrollAreaWidgetContents, "userDatumRotY").numericParameterEntry();
    make(ui.lblUserDatumParameters_7, ui.scrollAreaWidgetContents, "lblUserDatumParameters_7").datumParameterName();
    make(ui.userDatumRotZ, ui.scrollAreaWidgetContents, "userDatumRotZ").numericParameterEntry();
    make(ui.lblUserDatumParameters_8, ui.scrollAreaWidgetContents, "lblUserDatumParameters_8").datumParameterName();
    make(ui.userDatumScaleF, ui.scrollAreaWidgetContents, "userDatumScaleF").numericParameterEntry();
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.horizontalLayout, {ui.horizontalSpacer, ui.labelName, ui.horizontalSpacer_2});
    addMembers(ui.verticalLayout,
               {ui.lblUserDatumParameters, ui.userDatumDeltaA, ui.lblUserDatumParameters_2, ui.userDatumDeltaF,
                ui.lblUserDatumParameters_3, ui.userDatumDeltaX, ui.lblUserDatumParameters_4, ui.userDatumDeltaY,
                ui.lblUserDatumParameters_5, ui.userDatumDeltaZ, ui.lblUserDatumParameters_6, ui.userDatumRotX,
                ui.lblUserDatumParameters_9, ui.userDatumRotY, ui.lblUserDatumParameters_7, ui.userDatumRotZ,
                ui.lblUserDatumParameters_8, ui.userDatumScaleF});
}

void retranslateUi(Ui_SettingsUserDatumScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("SettingsUserDatumScreenClass", "User Datum Parameters"));
    ui.lblUserDatumParameters->setContent(
        QCoreApplication::translate("SettingsUserDatumScreenClass", "Delta A (meters)"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumDeltaA->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumDeltaA->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblUserDatumParameters_2->setContent(
        QCoreApplication::translate("SettingsUserDatumScreenClass", "Delta F (x 10,000)"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumDeltaF->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumDeltaF->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblUserDatumParameters_3->setContent(
        QCoreApplication::translate("SettingsUserDatumScreenClass", "Delta X (meters)"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumDeltaX->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumDeltaX->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblUserDatumParameters_4->setContent(
        QCoreApplication::translate("SettingsUserDatumScreenClass", "Delta Y (meters)"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumDeltaY->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumDeltaY->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblUserDatumParameters_5->setContent(
        QCoreApplication::translate("SettingsUserDatumScreenClass", "Delta Z (meters)"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumDeltaZ->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumDeltaZ->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblUserDatumParameters_6->setContent(
        QCoreApplication::translate("SettingsUserDatumScreenClass", "Rotation X (sec)"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumRotX->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumRotX->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblUserDatumParameters_9->setContent(
        QCoreApplication::translate("SettingsUserDatumScreenClass", "Rotation Y (sec)"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumRotY->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumRotY->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblUserDatumParameters_7->setContent(
        QCoreApplication::translate("SettingsUserDatumScreenClass", "Rotation Z (sec)"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumRotZ->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumRotZ->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblUserDatumParameters_8->setContent(
        QCoreApplication::translate("SettingsUserDatumScreenClass", "Scale factor (ppm)"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumScaleF->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.userDatumScaleF->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserDatumScreenClass", ":/Bkgd/bkgd_map_field.mif"));
}

Form<Ui_SettingsUserDatumScreenClass, setupUi, retranslateUi> formSettingsUserDatumScreenClass;

} // namespace

FormLayout &SettingsUserDatumScreenClass()
{
    return formSettingsUserDatumScreenClass;
}

} // namespace quarn::forms
