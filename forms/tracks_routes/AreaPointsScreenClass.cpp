#include "forms/tracks_routes/AreaPointsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AreaPointsScreenClass &ui, QWidget *root)
{
    Root(root, "AreaPointsScreenClass").size(240, 400);

    make(ui.icon, root, "icon").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.labelName, ui.icon, "labelName").at(47, 1, 188, 43).palette(whiteText()).largeCaption();
    make(ui.iconTitle, ui.icon, "iconTitle").at(4, 3, 38, 38).image(":/Icons/i_AreaCalculation.mif");
    make(ui.lvPoints, root, "lvPoints").at(0, 70, 241, 278);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnContextMenu, ui.statusBar, "btnContextMenu").at(180, 10, 60, 43).font(aaFont()).contextMenuButton();
    make(ui.btnMap, ui.statusBar, "btnMap").at(90, 7, 60, 43).mapPreviewButton();
}

void retranslateUi(Ui_AreaPointsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("AreaPointsScreenClass", "AreaPointsScreen"));
    //: Sample content, replaced by the host at run time.
    ui.labelName->setContent(QCoreApplication::translate("AreaPointsScreenClass", "Area Calculation 1"));
}

Form<Ui_AreaPointsScreenClass, setupUi, retranslateUi> formAreaPointsScreenClass;

} // namespace

FormLayout &AreaPointsScreenClass()
{
    return formAreaPointsScreenClass;
}

} // namespace quarn::forms
