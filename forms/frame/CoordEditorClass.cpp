#include "forms/frame/CoordEditorClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_CoordEditorClass &ui, QWidget *root)
{
    Root(root, "CoordEditorClass").size(240, 400).image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif");

    layout(ui.verticalLayout, root, "verticalLayout").spacing(3).margins(0, 30, 0, 0);
    make(ui.inputWidget, root, "inputWidget")
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred)
        .font(Font().pointSize(28))
        .autoCompletion(false);
    make(ui.KeyboardContainer, root, "KeyboardContainer");

    addMembers(ui.verticalLayout, {ui.inputWidget, ui.KeyboardContainer});
    setStretchFactors(ui.verticalLayout, {1, 4});
}

void retranslateUi(Ui_CoordEditorClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("CoordEditorClass", "Coordinate Editor"));
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.inputWidget->setStyleSheet(QCoreApplication::translate(
        "CoordEditorClass", "QLineEdit\n{ \n\tborder-style: none;\n\tbackground-color: rgba(0, 0, 0, 0);\n}\n"));
    //: Image path, not prose; a translation may name another picture.
    ui.inputWidget->setNormalPromptImage(
        QCoreApplication::translate("CoordEditorClass", ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    //: Image path, not prose; a translation may name another picture.
    ui.inputWidget->setFocusedPromptImage(
        QCoreApplication::translate("CoordEditorClass", ":/Bkgd/bkgd_Dashboard_Field_113x45.mif"));
}

Form<Ui_CoordEditorClass, setupUi, retranslateUi> formCoordEditorClass;

} // namespace

FormLayout &CoordEditorClass()
{
    return formCoordEditorClass;
}

} // namespace quarn::forms
