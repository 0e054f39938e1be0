#include "forms/settings/SettingsUserGridScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SettingsUserGridScreenClass &ui, QWidget *root)
{
    Root(root, "SettingsUserGridScreenClass").size(240, 400);

    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.bottomBar);
    serviceTitleStrip(ui.icon, root, 0);
    make(ui.layoutWidget, ui.icon, "layoutWidget").at(0, 0, 241, 31);
    layout(ui.horizontalLayout, ui.layoutWidget, "horizontalLayout");
    spacer(ui.horizontalSpacer, 18, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.labelName, ui.layoutWidget, "labelName").palette(whiteText()).font(boldAA()).pixelSize(16);
    spacer(ui.horizontalSpacer_2, 18, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.backing, root, "backing").at(0, 35, 240, 319);
    make(ui.scrollArea, ui.backing, "scrollArea")
        .at(0, 0, 240, 319)
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff)
        .widgetResizable()
        .alignment(Qt::AlignCenter);
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents").at(0, 0, 242, 749);
    layout(ui.verticalLayout, ui.scrollAreaWidgetContents, "verticalLayout").spacing(0).margins(3, 11, 11, 11);
    make(ui.lblUserGrid, ui.scrollAreaWidgetContents, "lblUserGrid").maxSize(230, QWIDGETSIZE_MAX).caption().wordWrap();
    make(ui.comboUserGrid, ui.scrollAreaWidgetContents, "comboUserGrid").standardComboBox().eventPropagation();
    make(ui.lblSubUserGrid, ui.scrollAreaWidgetContents, "lblSubUserGrid")
        .maxSize(230, QWIDGETSIZE_MAX)
        .caption()
        .wordWrap();
    make(ui.comboSubUserGrid, ui.scrollAreaWidgetContents, "comboSubUserGrid").standardComboBox().eventPropagation();
    make(ui.lblCoordOrigin, ui.scrollAreaWidgetContents, "lblCoordOrigin")
        .maxSize(230, QWIDGETSIZE_MAX)
        .gridParameterName();
    make(ui.coordOrigin, ui.scrollAreaWidgetContents, "coordOrigin").font(Font().pointSize(16));
    make(ui.lblCoordPoint1, ui.scrollAreaWidgetContents, "lblCoordPoint1")
        .maxSize(230, QWIDGETSIZE_MAX)
        .gridParameterName();
    make(ui.coordPoint1, ui.scrollAreaWidgetContents, "coordPoint1").font(Font().pointSize(16));
    make(ui.lblCoordPoint2, ui.scrollAreaWidgetContents, "lblCoordPoint2")
        .maxSize(230, QWIDGETSIZE_MAX)
        .gridParameterName();
    make(ui.coordPoint2, ui.scrollAreaWidgetContents, "coordPoint2").font(Font().pointSize(16));
    make(ui.lblAzimuthCntrLine, ui.scrollAreaWidgetContents, "lblAzimuthCntrLine")
        .maxSize(230, QWIDGETSIZE_MAX)
        .gridParameterName();
    make(ui.ceAzimuthCntrLine, ui.scrollAreaWidgetContents, "ceAzimuthCntrLine").numericParameterEntry();
    make(ui.lblScaleFactor, ui.scrollAreaWidgetContents, "lblScaleFactor")
        .maxSize(230, QWIDGETSIZE_MAX)
        .gridParameterName();
    make(ui.ceScaleFactor, ui.scrollAreaWidgetContents, "ceScaleFactor").numericParameterEntry();
    make(ui.lblUnitConv, ui.scrollAreaWidgetContents, "lblUnitConv")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .maxSize(230, QWIDGETSIZE_MAX)
        .gridParameterName();
    make(ui.ceUnitConv, ui.scrollAreaWidgetContents, "ceUnitConv").numericParameterEntry();
    make(ui.lblFalseNorth, ui.scrollAreaWidgetContents, "lblFalseNorth")
        .maxSize(230, QWIDGETSIZE_MAX)
        .gridParameterName();
    make(ui.ceFalseNorth, ui.scrollAreaWidgetContents, "ceFalseNorth").numericParameterEntry();
    make(ui.lblFalseEast, ui.scrollAreaWidgetContents, "lblFalseEast")
        .maxSize(230, QWIDGETSIZE_MAX)
        .gridParameterName();
    make(ui.ceFalseEast, ui.scrollAreaWidgetContents, "ceFalseEast").numericParameterEntry();

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.horizontalLayout, {ui.horizontalSpacer, ui.labelName, ui.horizontalSpacer_2});
    addMembers(ui.verticalLayout,
               {ui.lblUserGrid,        ui.comboUserGrid,     ui.lblSubUserGrid, ui.comboSubUserGrid, ui.lblCoordOrigin,
                ui.coordOrigin,        ui.lblCoordPoint1,    ui.coordPoint1,    ui.lblCoordPoint2,   ui.coordPoint2,
                ui.lblAzimuthCntrLine, ui.ceAzimuthCntrLine, ui.lblScaleFactor, ui.ceScaleFactor,    ui.lblUnitConv,
                ui.ceUnitConv,         ui.lblFalseNorth,     ui.ceFalseNorth,   ui.lblFalseEast,     ui.ceFalseEast});

    ui.lblUserGrid->setBuddy(ui.comboUserGrid);
    ui.lblSubUserGrid->setBuddy(ui.comboSubUserGrid);
    ui.lblCoordOrigin->setBuddy(ui.coordOrigin);
    ui.lblCoordPoint1->setBuddy(ui.coordPoint1);
    ui.lblCoordPoint2->setBuddy(ui.coordPoint2);
    ui.lblAzimuthCntrLine->setBuddy(ui.ceAzimuthCntrLine);
    ui.lblScaleFactor->setBuddy(ui.ceScaleFactor);
    ui.lblUnitConv->setBuddy(ui.ceUnitConv);
    ui.lblFalseNorth->setBuddy(ui.ceFalseNorth);
    ui.lblFalseEast->setBuddy(ui.ceFalseEast);
}

void retranslateUi(Ui_SettingsUserGridScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("SettingsUserGridScreenClass", "User Grid Parameters"));
    ui.lblUserGrid->setContent(QCoreApplication::translate("SettingsUserGridScreenClass", "User Grid"));
    ui.lblSubUserGrid->setContent(QCoreApplication::translate("SettingsUserGridScreenClass", "Sub User Grid"));
    ui.lblCoordOrigin->setContent(QCoreApplication::translate("SettingsUserGridScreenClass", "Coordinates of Origin"));
    //: Image path, not prose; a translation may name another picture.
    ui.coordOrigin->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.coordOrigin->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblCoordPoint1->setContent(QCoreApplication::translate("SettingsUserGridScreenClass", "Coordinate of Point 1"));
    //: Image path, not prose; a translation may name another picture.
    ui.coordPoint1->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.coordPoint1->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblCoordPoint2->setContent(QCoreApplication::translate("SettingsUserGridScreenClass", "Coordinate of Point 2"));
    //: Image path, not prose; a translation may name another picture.
    ui.coordPoint2->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.coordPoint2->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblAzimuthCntrLine->setContent(
        QCoreApplication::translate("SettingsUserGridScreenClass", "Azimuth of Central Line"));
    //: Image path, not prose; a translation may name another picture.
    ui.ceAzimuthCntrLine->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.ceAzimuthCntrLine->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblScaleFactor->setContent(QCoreApplication::translate("SettingsUserGridScreenClass", "Scale Factor"));
    //: Image path, not prose; a translation may name another picture.
    ui.ceScaleFactor->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.ceScaleFactor->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblUnitConv->setContent(QCoreApplication::translate("SettingsUserGridScreenClass", "Unit to Meters Conversion"));
    //: Image path, not prose; a translation may name another picture.
    ui.ceUnitConv->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.ceUnitConv->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblFalseNorth->setContent(QCoreApplication::translate("SettingsUserGridScreenClass", "False North at Origin"));
    //: Image path, not prose; a translation may name another picture.
    ui.ceFalseNorth->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.ceFalseNorth->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_map_field.mif"));
    ui.lblFalseEast->setContent(QCoreApplication::translate("SettingsUserGridScreenClass", "False East at Origin"));
    //: Image path, not prose; a translation may name another picture.
    ui.ceFalseEast->setNormalPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.ceFalseEast->setFocusedPromptImage(
        QCoreApplication::translate("SettingsUserGridScreenClass", ":/Bkgd/bkgd_map_field.mif"));
}

Form<Ui_SettingsUserGridScreenClass, setupUi, retranslateUi> formSettingsUserGridScreenClass;

} // namespace

FormLayout &SettingsUserGridScreenClass()
{
    return formSettingsUserGridScreenClass;
}

} // namespace quarn::forms
