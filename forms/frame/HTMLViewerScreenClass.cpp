#include "forms/frame/HTMLViewerScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

// Black text; disabled, the text disappears.
const Colours kPageColours = Colours()
                                 .role(QPalette::WindowText, kBlack, kClear)
                                 .role(QPalette::Text, kBlack, kClear)
                                 .role(QPalette::Base, kBlack);

void setupUi(Ui_HTMLViewerScreenClass &ui, QWidget *root)
{
    Root(root, "HTMLViewerScreenClass")
        .size(240, 400)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .property("palette", transparentPalette());

    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName").at(0, 0, 240, 46).titleText().wordWrap();
    bottomBar(ui.bottomBar, root, "bottomBar");
    backButton(ui.btnBack, ui.bottomBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.bottomBar);
    make(ui.backing, root, "backing").at(5, 71, 230, 281);
    make(ui.txtHtmlArea, ui.backing, "txtHtmlArea")
        .at(0, 0, 230, 281)
        .palette(kPageColours)
        .font(Font().bold().pointSize(10))
        .noAutoFillBackground();
}

void retranslateUi(Ui_HTMLViewerScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QString());
    ui.txtHtmlArea->setPlainText(QString());
}

Form<Ui_HTMLViewerScreenClass, setupUi, retranslateUi> formHTMLViewerScreenClass;

} // namespace

FormLayout &HTMLViewerScreenClass()
{
    return formHTMLViewerScreenClass;
}

} // namespace quarn::forms
