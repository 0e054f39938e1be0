#include "forms/geocaching/GcAttributesScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GcAttributesScreenClass &ui, QWidget *root)
{
    Root(root, "GcAttributesScreenClass").size(240, 400);

    make(ui.GeocacheHeaderWidget, root, "GeocacheHeaderWidget").at(0, 20, 240, 46);
    make(ui.listDataFields, root, "listDataFields").at(10, 114, 218, 241).horizontalScrollBar(Qt::ScrollBarAlwaysOff);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    barMapButton(ui.btnMap, ui.statusBar);
    barGoButton(ui.btnGo, ui.statusBar);
    make(ui.subTitle, root, "subTitle").at(5, 72, 226, 44).panelButton().eventPropagation();
    make(ui.iconAttributes, ui.subTitle, "iconAttributes")
        .at(6, 4, 37, 38)
        .maxSize(37, QWIDGETSIZE_MAX)
        .pixmap(":/Icons/i_Geocache-Attributes.mif")
        .pixelSize(12);
    make(ui.labelAttributesCount, ui.subTitle, "labelAttributesCount")
        .at(135, 11, 80, 20)
        .panelText()
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::AllOff);
    make(ui.labelAttributes, ui.subTitle, "labelAttributes")
        .at(40, 4, 89, 34)
        .panelText()
        .wordWrap()
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
}

void retranslateUi(Ui_GcAttributesScreenClass &ui, QWidget *)
{
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.listDataFields->setStyleSheet(
        QCoreApplication::translate("GcAttributesScreenClass", "background-color: rgba(223,242,250,160);"));
    ui.iconAttributes->setContent(QString());
    ui.labelAttributes->setContent(QCoreApplication::translate("GcAttributesScreenClass", "Attributes"));
}

Form<Ui_GcAttributesScreenClass, setupUi, retranslateUi> formGcAttributesScreenClass;

} // namespace

FormLayout &GcAttributesScreenClass()
{
    return formGcAttributesScreenClass;
}

} // namespace quarn::forms
