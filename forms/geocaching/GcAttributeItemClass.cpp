#include "forms/geocaching/GcAttributeItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GcAttributeItemClass &ui, QWidget *root)
{
    Root(root, "GcAttributeItemClass").size(210, 40).minimumSize(210, 40).property("eventPropagation", true);

    make(ui.icon, root, "icon").at(11, 7, 32, 32);
    make(ui.textBox, root, "textBox").at(48, 7, 160, 32).pixelSize(13).textBoxFlags(TextBoxFlags::FirstOn);
}

void retranslateUi(Ui_GcAttributeItemClass &ui, QWidget *)
{
    //: Style sheet, not prose; keep it unless the language needs another look.
    ui.textBox->setStyleSheet(
        QCoreApplication::translate("GcAttributeItemClass", "background-color: rgba(255, 255, 255, 0);"));
}

Form<Ui_GcAttributeItemClass, setupUi, retranslateUi> formGcAttributeItemClass;

} // namespace

FormLayout &GcAttributeItemClass()
{
    return formGcAttributeItemClass;
}

} // namespace quarn::forms
