#include "forms/frame/ScrollButtonsWidgetClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ScrollButtonsWidgetClass &ui, QWidget *root)
{
    Root(root, "ScrollButtonsWidgetClass").size(120, 43);

    make(ui.btnPageDown, root, "btnPageDown")
        .at(0, 0, 60, 43)
        .autoRepeat()
        .autoRepeatInterval(200)
        .normal(":/Buttons/b_scrollbar_down.mif")
        .pressed(":/Buttons/b_scrollbar_down_h.mif");
    make(ui.btnPageUp, root, "btnPageUp")
        .at(60, 0, 60, 43)
        .autoRepeat()
        .autoRepeatInterval(200)
        .normal(":/Buttons/b_scrollbar_up.mif")
        .pressed(":/Buttons/b_scrollbar_up_h.mif");
}

void retranslateUi(Ui_ScrollButtonsWidgetClass &, QWidget *)
{
}

Form<Ui_ScrollButtonsWidgetClass, setupUi, retranslateUi> formScrollButtonsWidgetClass;

} // namespace

FormLayout &ScrollButtonsWidgetClass()
{
    return formScrollButtonsWidgetClass;
}

} // namespace quarn::forms
