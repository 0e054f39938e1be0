#include "forms/frame/QuarnMainFrameClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_QuarnMainFrameClass &, QWidget *root)
{
    Root(root, "QuarnMainFrameClass")
        .size(240, 400)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minimumSize(240, 400)
        .maximumSize(240, 400)
        .property("palette",
                  QPalette(Colours()
                               .role(QPalette::WindowText, kBlack, QColor(191, 191, 191))
                               .role(QPalette::Text, kBlack, QColor(191, 191, 191))
                               .role(QPalette::ButtonText, kBlack, QColor(191, 191, 191))));
}

void retranslateUi(Ui_QuarnMainFrameClass &, QWidget *)
{
}

Form<Ui_QuarnMainFrameClass, setupUi, retranslateUi> formQuarnMainFrameClass;

} // namespace

FormLayout &QuarnMainFrameClass()
{
    return formQuarnMainFrameClass;
}

} // namespace quarn::forms
