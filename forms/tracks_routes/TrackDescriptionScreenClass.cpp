#include "forms/tracks_routes/TrackDescriptionScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackDescriptionScreenClass &ui, QWidget *root)
{
    Root(root, "TrackDescriptionScreenClass").size(240, 400);

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
    make(ui.btnDescription, root, "btnDescription").at(7, 70, 226, 44).panelButton();
    make(ui.label_3, ui.btnDescription, "label_3").at(38, 10, 149, 22).smallCaption();
    make(ui.iconPaneLocation_3, ui.btnDescription, "iconPaneLocation_3")
        .at(10, 10, 25, 22)
        .image(":/Icons/i_PaneBtn_Desciption.mif");
    make(ui.backing_2, root, "backing_2").at(5, 111, 230, 240);
    make(ui.txtDescription, ui.backing_2, "txtDescription").at(0, 0, 230, 240).font(menuScreenFont());

    addMembers(ui.horizontalLayout_4, {ui.btnMap, ui.btnGo});
}

void retranslateUi(Ui_TrackDescriptionScreenClass &ui, QWidget *)
{
    ui.label_3->setContent(QCoreApplication::translate("TrackDescriptionScreenClass", "Description"));
}

Form<Ui_TrackDescriptionScreenClass, setupUi, retranslateUi> formTrackDescriptionScreenClass;

} // namespace

FormLayout &TrackDescriptionScreenClass()
{
    return formTrackDescriptionScreenClass;
}

} // namespace quarn::forms
