#include "forms/tracks_routes/TrackOptionsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackOptionsScreenClass &ui, QWidget *root)
{
    Root(root, "TrackOptionsScreenClass").size(240, 400);

    make(ui.btnDelete, root, "btnDelete")
        .at(7, 280, 226, 53)
        .normal(":/Buttons/b_list.mif")
        .pressed(":/Buttons/b_list_h.mif")
        .focused(":/Buttons/b_list.mif");
    make(ui.textBox_2, ui.btnDelete, "textBox_2").at(31, 16, 161, 20).font(boldAA()).alignment(Qt::AlignCenter);
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.horizontalLayoutWidget_4, ui.statusBar, "horizontalLayoutWidget_4").at(60, 7, 122, 45);
    layout(ui.horizontalLayout_4, ui.horizontalLayoutWidget_4, "horizontalLayout_4")
        .spacing(0)
        .sizeConstraint(QLayout::SetNoConstraint);
    make(ui.btnMap, ui.horizontalLayoutWidget_4, "btnMap").minSize(60, 43).maxSize(60, 43).mapPreviewButton();
    make(ui.btnGo, ui.horizontalLayoutWidget_4, "btnGo").minSize(60, 43).maxSize(60, 43).goButton();
    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 46);
    make(ui.backing_2, root, "backing_2").at(5, 120, 230, 93);
    make(ui.btnReverse, ui.backing_2, "btnReverse")
        .at(9, 54, 211, 31)
        .checkedImage(":/Icons/i_Checkbox_sel.mif")
        .uncheckedImage(":/Icons/i_Checkbox.mif");
    make(ui.textBox_3, ui.btnReverse, "textBox_3").at(36, 4, 161, 20).caption();
    make(ui.btnShowOnMap, ui.backing_2, "btnShowOnMap")
        .at(9, 13, 211, 31)
        .checkedImage(":/Icons/i_Checkbox_sel.mif")
        .uncheckedImage(":/Icons/i_Checkbox.mif");
    make(ui.textBox, ui.btnShowOnMap, "textBox").at(36, 4, 171, 20).caption();
    make(ui.btnOptions, root, "btnOptions").at(5, 72, 226, 44).panelButton();
    make(ui.layoutWidget, ui.btnOptions, "layoutWidget").at(10, 6, 205, 31);
    layout(ui.horizontalLayout_6, ui.layoutWidget, "horizontalLayout_6");
    make(ui.iconPaneLocation_2, ui.layoutWidget, "iconPaneLocation_2").image(":/Icons/i_PaneBtn_Options.mif");
    make(ui.label_7, ui.layoutWidget, "label_7").smallCaption();

    addMembers(ui.horizontalLayout_4, {ui.btnMap, ui.btnGo});
    addMembers(ui.horizontalLayout_6, {ui.iconPaneLocation_2, ui.label_7});
}

void retranslateUi(Ui_TrackOptionsScreenClass &ui, QWidget *)
{
    ui.textBox_2->setContent(QCoreApplication::translate("TrackOptionsScreenClass", "Delete"));
    ui.textBox_3->setContent(QCoreApplication::translate("TrackOptionsScreenClass", "Reverse"));
    ui.textBox->setContent(QCoreApplication::translate("TrackOptionsScreenClass", "Show on Map"));
    ui.label_7->setContent(QCoreApplication::translate("TrackOptionsScreenClass", "Options"));
}

Form<Ui_TrackOptionsScreenClass, setupUi, retranslateUi> formTrackOptionsScreenClass;

} // namespace

FormLayout &TrackOptionsScreenClass()
{
    return formTrackOptionsScreenClass;
}

} // namespace quarn::forms
