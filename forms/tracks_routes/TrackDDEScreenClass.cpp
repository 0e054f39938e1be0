#include "forms/tracks_routes/TrackDDEScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackDDEScreenClass &ui, QWidget *root)
{
    Root(root, "TrackDDEScreenClass").size(240, 400);

    make(ui.backing_2, root, "backing_2").at(0, 117, 240, 235);
    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 46);
    make(ui.scrollArea, root, "scrollArea").at(0, 117, 240, 235);
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents").at(0, 0, 232, 307);
    make(ui.btnDDE, root, "btnDDE").at(5, 72, 230, 44).plainPanelButton();
    make(ui.layoutWidget_2, ui.btnDDE, "layoutWidget_2").at(10, 5, 211, 32);
    layout(ui.horizontalLayout_3, ui.layoutWidget_2, "horizontalLayout_3").spacing(0);
    make(ui.iconFlag, ui.layoutWidget_2, "iconFlag").image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.txtDistance, ui.layoutWidget_2, "txtDistance").smallCaption().content("10 Km");
    make(ui.icon3DAbstract, ui.layoutWidget_2, "icon3DAbstract").image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.txtElevation, ui.layoutWidget_2, "txtElevation").smallCaption().content("10 Km");
    make(ui.txtDuration, ui.layoutWidget_2, "txtDuration").smallCaption().content("10 Km");
    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.horizontalLayoutWidget_4, ui.statusBar, "horizontalLayoutWidget_4").at(60, 7, 122, 45);
    layout(ui.horizontalLayout_4, ui.horizontalLayoutWidget_4, "horizontalLayout_4")
        .spacing(0)
        .sizeConstraint(QLayout::SetNoConstraint);
    make(ui.btnMap, ui.horizontalLayoutWidget_4, "btnMap").minSize(60, 43).maxSize(60, 43).mapPreviewButton();
    make(ui.btnGo, ui.horizontalLayoutWidget_4, "btnGo").minSize(60, 43).maxSize(60, 43).goButton();

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.horizontalLayout_3,
               {ui.iconFlag, ui.txtDistance, ui.icon3DAbstract, ui.txtElevation, ui.txtDuration});
    addMembers(ui.horizontalLayout_4, {ui.btnMap, ui.btnGo});
}

void retranslateUi(Ui_TrackDDEScreenClass &, QWidget *)
{
}

Form<Ui_TrackDDEScreenClass, setupUi, retranslateUi> formTrackDDEScreenClass;

} // namespace

FormLayout &TrackDDEScreenClass()
{
    return formTrackDDEScreenClass;
}

} // namespace quarn::forms
