#include "forms/frame/CoordEditorClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_CoordEditorClass &ui, QWidget *root)
{
    Root(root, "CoordEditorClass").size(240, 400).image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif");

    layout(ui.verticalLayout, root, "verticalLayout").spacing(3).margins(0, 30, 0, 0);
    make(ui.inputWidget, root, "inputWidget").sizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred).widgetFont(Font().pointSize(28)).autoCompletion(false);
    make(ui.KeyboardContainer, root, "KeyboardContainer");

    addMembers(ui.verticalLayout, {ui.inputWidget, ui.KeyboardContainer});
    // The input line gets one part of the height, the keyboard four.
    ui.verticalLayout->setStretch(0, 1);
    ui.verticalLayout->setStretch(1, 4);
}

void retranslateUi(Ui_CoordEditorClass &ui, QWidget *root)
{
    const char *context = "CoordEditorClass";
    root->setProperty("windowTitle", QCoreApplication::translate(context, "Coordinate Editor"));
    ui.inputWidget->setStyleSheet(QCoreApplication::translate(
        context, "QLineEdit\n{ \n\tborder-style: none;\n\tbackground-color: rgba(0, 0, 0, 0);\n}\n"));
    ui.inputWidget->setNormalPromptImage(QCoreApplication::translate(context, ":/Bkgd/bkgd_KB_EntryField_01.mif"));
    ui.inputWidget->setFocusedPromptImage(QCoreApplication::translate(context, ":/Bkgd/bkgd_Dashboard_Field_113x45.mif"));
}

Form<Ui_CoordEditorClass, setupUi, retranslateUi> form;

} // namespace

FormLayout &CoordEditorClass()
{
    return form;
}

} // namespace quarn::forms
