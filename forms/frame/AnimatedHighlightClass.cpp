#include "forms/frame/AnimatedHighlightClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AnimatedHighlightClass &, QWidget *root)
{
    Root(root, "AnimatedHighlightClass")
        .size(100, 100)
        .imageList("imageList",
                   {":/Buttons/b_btndown_1.mif", ":/Buttons/b_btndown_2.mif", ":/Buttons/b_btndown_3.mif",
                    ":/Buttons/b_btndown_4.mif"})
        .point("Center", 50, 50);
}

void retranslateUi(Ui_AnimatedHighlightClass &, QWidget *root)
{
    root->setWindowTitle(QString());
}

Form<Ui_AnimatedHighlightClass, setupUi, retranslateUi> formAnimatedHighlightClass;

} // namespace

FormLayout &AnimatedHighlightClass()
{
    return formAnimatedHighlightClass;
}

} // namespace quarn::forms
