#include "forms/places/WptCreateScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptCreateScreenClass &ui, QWidget *root)
{
    Root(root, "WptCreateScreenClass").size(240, 400);

    make(ui.icon, root, "icon").at(0, 21, 240, 33).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 5, 240, 21)
        .palette(whiteText())
        .smallCaption()
        .alignment(Qt::AlignCenter);
    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .normal(":/Buttons/b_Back.mif")
        .pressed(":/Buttons/b_Back_h.mif");
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
