#include "forms/frame/ProgressScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ProgressScreenClass &ui, QWidget *root)
{
    Root(root, "ProgressScreenClass")
        .size(240, 400)
        .image("imageTop", ":/Bkgd/bkgd_ContextualMenu_Top.mif")
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", 80);

    make(ui.progressBar, root, "progressBar")
        .at(41, 230, 161, 20)
        .value(30)
        .alignment(Qt::AlignCenter)
        .textVisible(false);
    make(ui.txtPleaseWait, root, "txtPleaseWait")
        .at(20, 141, 201, 31)
        .palette(whiteText())
        .font(normalWeightAA())
        .pixelSize(20);
    make(ui.txtProgressText, root, "txtProgressText")
        .at(30, 190, 181, 31)
        .font(aaFont())
        .scaledContents()
        .alignment(Qt::AlignCenter)
        .pixelSize(18)
        .textBoxNumber(TextBoxNumber::ProgressText);
}

void retranslateUi(Ui_ProgressScreenClass &ui, QWidget *)
{
    ui.txtPleaseWait->setContent(QCoreApplication::translate("ProgressScreenClass", "Please Wait..."));
    ui.txtProgressText->setContent(QCoreApplication::translate("ProgressScreenClass", "Loading..."));
}

Form<Ui_ProgressScreenClass, setupUi, retranslateUi> formProgressScreenClass;

} // namespace

FormLayout &ProgressScreenClass()
{
    return formProgressScreenClass;
}

} // namespace quarn::forms
