#include "forms/frame/CoordEntryScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_CoordEntryScreenClass &ui, QWidget *root)
{
    Root(root, "CoordEntryScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    make(ui.btnSettings, ui.statusBar, "btnSettings")
        .at(90, 6, 60, 43)
        .normal(":/Icons/i_ToolBar_Settings.mif")
        .pressed(":/Icons/i_ToolBar_Settings_h.mif");
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.btnHeader, root, "btnHeader")
        .at(0, 20, 240, 46)
        .palette(transparentPalette())
        .normal(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.labelName, ui.btnHeader, "labelName").at(0, 0, 240, 46).titleText();
    make(ui.coordEntryWidget, root, "coordEntryWidget")
        .at(0, 174, 240, 123)
        .font(Font().pointSize(16))
        .coordType(CoordType::Position)
        .promptImages(":/Bkgd/bkgd_Dashboard_Field_113x45.mif", ":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif");
    make(ui.scrollArea, root, "scrollArea")
        .at(5, 70, 230, 100)
        .palette(Colours()
                     .role(QPalette::Base, QColor(255, 255, 255, 128), QColor(255, 255, 255, 80))
                     .role(QPalette::Window, QColor(255, 255, 255, 80)))
        .frameShape(QFrame::NoFrame)
        .frameShadow(QFrame::Plain)
        .lineWidth(0)
        .verticalScrollBar(Qt::ScrollBarAlwaysOff)
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff)
        .widgetResizable()
        .alignment(Qt::AlignCenter);
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents").at(0, 0, 230, 100);
    layout(ui.verticalLayout, ui.scrollAreaWidgetContents, "verticalLayout").margins(9, 11, 11, 11);
    layout(ui.horizontalLayout, nullptr, "horizontalLayout").spacing(6);
    make(ui.CoordSystemLabel, ui.scrollAreaWidgetContents, "CoordSystemLabel").at(9, 11, 68, 36).pixelSize(16);
    make(ui.CoordSystem, ui.scrollAreaWidgetContents, "CoordSystem").at(83, 11, 136, 36).largeCaption();
    layout(ui.horizontalLayout_2, nullptr, "horizontalLayout_2").spacing(6);
    make(ui.DatumLabel, ui.scrollAreaWidgetContents, "DatumLabel").at(9, 53, 68, 36).pixelSize(16);
    make(ui.Datum, ui.scrollAreaWidgetContents, "Datum").at(83, 53, 136, 36).largeCaption();

    addMembers(ui.horizontalLayout, {ui.CoordSystemLabel, ui.CoordSystem});
    setStretchFactors(ui.horizontalLayout, {1, 2});
    addMembers(ui.horizontalLayout_2, {ui.DatumLabel, ui.Datum});
    setStretchFactors(ui.horizontalLayout_2, {1, 2});
    addMembers(ui.verticalLayout, {ui.horizontalLayout, ui.horizontalLayout_2});
    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);

    ui.CoordSystemLabel->setBuddy(ui.CoordSystem);
    ui.DatumLabel->setBuddy(ui.Datum);
}

void retranslateUi(Ui_CoordEntryScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("CoordEntryScreenClass", "Coordinate Entry"));
    ui.CoordSystemLabel->setContent(QCoreApplication::translate("CoordEntryScreenClass", "Primary: "));
    ui.CoordSystem->setContent(QString());
    ui.DatumLabel->setContent(QCoreApplication::translate("CoordEntryScreenClass", "Datum: "));
    ui.Datum->setContent(QString());
}

Form<Ui_CoordEntryScreenClass, setupUi, retranslateUi> formCoordEntryScreenClass;

} // namespace

FormLayout &CoordEntryScreenClass()
{
    return formCoordEntryScreenClass;
}

} // namespace quarn::forms
