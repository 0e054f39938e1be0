#include "forms/settings/ProfileEditScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ProfileEditScreenClass &ui, QWidget *root)
{
    Root(root, "ProfileEditScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    titleHeader(ui.icon, root, "icon");
    make(ui.lblProfileName, ui.icon, "lblProfileName").at(45, 4, 190, 38).titleText().wordWrap();
    make(ui.iconItem, ui.icon, "iconItem").at(4, 4, 38, 38);
    make(ui.listSettings, root, "listSettings").at(0, 67, 234, 283);
}

void retranslateUi(Ui_ProfileEditScreenClass &, QWidget *root)
{
    root->setWindowTitle(QString());
}

Form<Ui_ProfileEditScreenClass, setupUi, retranslateUi> formProfileEditScreenClass;

} // namespace

FormLayout &ProfileEditScreenClass()
{
    return formProfileEditScreenClass;
}

} // namespace quarn::forms
