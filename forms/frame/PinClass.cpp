#include "forms/frame/PinClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_PinClass &ui, QWidget *root)
{
    Root(root, "PinClass")
        .size(78, 53)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .maximumSize(78, 53)
        .sizeValue("baseSize", 19, 37)
        .point("Offset", 26, 33);

    make(ui.picArrow, root, "picArrow").at(0, 0, 12, 11).image(":/Icons/i_Pin_Arrow.mif");
    make(ui.picPin, root, "picPin").at(18, 0, 19, 37).image(":/Icons/i_Pin.mif");
}

void retranslateUi(Ui_PinClass &, QWidget *root)
{
    root->setWindowTitle(QString());
}

Form<Ui_PinClass, setupUi, retranslateUi> formPinClass;

} // namespace

FormLayout &PinClass()
{
    return formPinClass;
}

} // namespace quarn::forms
