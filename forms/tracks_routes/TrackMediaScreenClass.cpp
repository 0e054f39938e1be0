#include "forms/tracks_routes/TrackMediaScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TrackMediaScreenClass &ui, QWidget *root)
{
    Root(root, "TrackMediaScreenClass").size(240, 400);

    make(ui.headerControl, root, "headerControl").at(0, 22, 241, 46);
    bottomBar(ui.statusBar, root).palette(blackButtonText());
    contextMenuButton(ui.btnContextMenu, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.horizontalLayoutWidget_4, ui.statusBar, "horizontalLayoutWidget_4").at(60, 7, 122, 45);
    layout(ui.horizontalLayout_4, ui.horizontalLayoutWidget_4, "horizontalLayout_4")
        .spacing(0)
        .sizeConstraint(QLayout::SetNoConstraint);
    make(ui.btnMap, ui.horizontalLayoutWidget_4, "btnMap").minSize(60, 43).maxSize(60, 43).mapPreviewButton();
    make(ui.btnGo, ui.horizontalLayoutWidget_4, "btnGo").minSize(60, 43).maxSize(60, 43).goButton();

    addMembers(ui.horizontalLayout_4, {ui.btnMap, ui.btnGo});
}

void retranslateUi(Ui_TrackMediaScreenClass &, QWidget *)
{
}

Form<Ui_TrackMediaScreenClass, setupUi, retranslateUi> formTrackMediaScreenClass;

} // namespace

FormLayout &TrackMediaScreenClass()
{
    return formTrackMediaScreenClass;
}

} // namespace quarn::forms
