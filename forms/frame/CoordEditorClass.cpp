#include "forms/frame/CoordEditorClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_CoordEditorClass &ui, QWidget *root)
{
    Root(root, "CoordEditorClass").size(240, 400).image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif");

    layout(ui.verticalLayout, root, "verticalLayout").spacing(3).margins(0, 30, 0, 0);
    make(ui.inputWidget, root, "inputWidget").sizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred).font(Font().pointSize(28)).autoCompletion(false).promptImages(":/Bkgd/bkgd_KB_EntryField_01.mif", ":/Bkgd/bkgd_Dashboard_Field_113x45.mif");
    make(ui.KeyboardContainer, root, "KeyboardContainer");

    addMembers(ui.verticalLayout, {ui.inputWidget, ui.KeyboardContainer});
    setStretchFactors(ui.verticalLayout, {1, 4});
}

void retranslateUi(Ui_CoordEditorClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("CoordEditorClass", "Coordinate Editor"));
    ui.inputWidget->setStyleSheet(QCoreApplication::translate("CoordEditorClass", "QLineEdit\n{ \n\tborder-style: none;\n\tbackground-color: rgba(0, 0, 0, 0);\n}\n"));
}

Form<Ui_CoordEditorClass, setupUi, retranslateUi> formCoordEditorClass;

} // namespace

FormLayout &CoordEditorClass()
{
    return formCoordEditorClass;
}

} // namespace quarn::forms
