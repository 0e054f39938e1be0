#include "forms/places/WptCreateScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptCreateScreenClass &ui, QWidget *root)
{
    Root(root, "WptCreateScreenClass").size(240, 400);

    serviceTitleStrip(ui.icon, root, 21);
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 5, 240, 21)
        .palette(whiteText())
        .smallCaption()
        .alignment(Qt::AlignCenter);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.listCreateWaypoint, root, "listCreateWaypoint").at(0, 54, 241, 297).property("itemContentXOffset", 5);
}

void retranslateUi(Ui_WptCreateScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("WptCreateScreenClass", "Create New Waypoint From"));
}

Form<Ui_WptCreateScreenClass, setupUi, retranslateUi> formWptCreateScreenClass;

} // namespace

FormLayout &WptCreateScreenClass()
{
    return formWptCreateScreenClass;
}

} // namespace quarn::forms
