#include "forms/geocaching/GeocacheStatusScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheStatusScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheStatusScreenClass").size(240, 400);

    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.subTitle, root, "subTitle").at(5, 72, 226, 44).panelButton().eventPropagation();
    make(ui.layoutWidget_3, ui.subTitle, "layoutWidget_3").at(11, 4, 204, 34);
    layout(ui.horizontalLayout_2, ui.layoutWidget_3, "horizontalLayout_2").spacing(9);
    make(ui.statGeocacheStatus, ui.layoutWidget_3, "statGeocacheStatus")
        .statusImages(geocache::foundStatusMenuImages());
    make(ui.txtStatus, ui.layoutWidget_3, "txtStatus").panelText().content("Not found").pixelSize(13);
    spacer(ui.horizontalSpacer, 40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.backing, root, "backing").at(5, 114, 230, 236);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(0, 10, 232, 201);
    layout(ui.verticalLayout, ui.layoutWidget, "verticalLayout");
    make(ui.buttonFound, ui.layoutWidget, "buttonFound").radioChoice();
    make(ui.iconStatus_22, ui.buttonFound, "iconStatus_22")
        .at(37, 7, 32, 32)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_MenuIcon_Found.mif")
        .pixelSize(12);
    make(ui.txtStatus_22, ui.buttonFound, "txtStatus_22").at(70, 10, 150, 24).panelText().pixelSize(13);
    make(ui.buttonNotFound, ui.layoutWidget, "buttonNotFound").maxSize(230, 44).radioChoice();
    make(ui.txtStatus_23, ui.buttonNotFound, "txtStatus_23").at(70, 10, 150, 24).panelText().pixelSize(13);
    make(ui.iconStatus_23, ui.buttonNotFound, "iconStatus_23")
        .at(37, 7, 32, 32)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_MenuIcon_NotFound.mif")
        .pixelSize(12);
    make(ui.buttonNeedsMaintenance, ui.layoutWidget, "buttonNeedsMaintenance").radioChoice();
    make(ui.txtStatus_21, ui.buttonNeedsMaintenance, "txtStatus_21").at(70, 10, 150, 24).panelText().pixelSize(13);
    make(ui.iconStatus_21, ui.buttonNeedsMaintenance, "iconStatus_21")
        .at(37, 7, 32, 32)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_MenuIcon_NeedsMaintenance.mif")
        .pixelSize(12);
    make(ui.buttonEnterNote, ui.layoutWidget, "buttonEnterNote").toggleButton();
    make(ui.txtEnterFieldNote, ui.buttonEnterNote, "txtEnterFieldNote").at(44, 10, 175, 24).panelText().pixelSize(13);
    make(ui.iconStatus, ui.buttonEnterNote, "iconStatus")
        .at(10, 7, 32, 32)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_MenuIcon_PostaFieldNote.mif")
        .pixelSize(12);

    addMembers(ui.horizontalLayout_2, {ui.statGeocacheStatus, ui.txtStatus, ui.horizontalSpacer});
    addMembers(ui.verticalLayout, {ui.buttonFound, ui.buttonNotFound, ui.buttonNeedsMaintenance, ui.buttonEnterNote});
}

void retranslateUi(Ui_GeocacheStatusScreenClass &ui, QWidget *)
{
    ui.iconStatus_22->setContent(QString());
    ui.txtStatus_22->setContent(QCoreApplication::translate("GeocacheStatusScreenClass", "Found"));
    ui.txtStatus_23->setContent(QCoreApplication::translate("GeocacheStatusScreenClass", "Not Found"));
    ui.iconStatus_23->setContent(QString());
    ui.txtStatus_21->setContent(QCoreApplication::translate("GeocacheStatusScreenClass", "Needs Maintenance"));
    ui.iconStatus_21->setContent(QString());
    ui.txtEnterFieldNote->setContent(QCoreApplication::translate("GeocacheStatusScreenClass", "Add a Field Note"));
    ui.iconStatus->setContent(QString());
}

Form<Ui_GeocacheStatusScreenClass, setupUi, retranslateUi> formGeocacheStatusScreenClass;

} // namespace

FormLayout &GeocacheStatusScreenClass()
{
    return formGeocacheStatusScreenClass;
}

} // namespace quarn::forms
