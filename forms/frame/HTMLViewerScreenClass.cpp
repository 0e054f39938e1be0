#include "forms/frame/HTMLViewerScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_HTMLViewerScreenClass &ui, QWidget *root)
{
    Root(root, "HTMLViewerScreenClass")
        .size(240, 400)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .property("palette", QPalette(transparentPalette()));

    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(0, 0, 240, 46).titleText().wordWrap();
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.bottomBar);
    make(ui.backing, root, "backing").at(5, 71, 230, 281);
    make(ui.txtHtmlArea, ui.backing, "txtHtmlArea")
        .at(0, 0, 230, 281)
        .palette(Colours()
                     .role(QPalette::WindowText, kBlack, kClear)
                     .role(QPalette::Text, kBlack, kClear)
                     .role(QPalette::Base, kBlack))
        .font(menuScreenFont());
}

void retranslateUi(Ui_HTMLViewerScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QString());
}

Form<Ui_HTMLViewerScreenClass, setupUi, retranslateUi> formHTMLViewerScreenClass;

} // namespace

FormLayout &HTMLViewerScreenClass()
{
    return formHTMLViewerScreenClass;
}

} // namespace quarn::forms
