#include "forms/frame/ScrollButtonsWidgetClass.h"

#include "core/construction/construction.h"

namespace quarn::forms {
namespace {

void setupUi(Ui_ScrollButtonsWidgetClass &ui, QWidget *root)
{
    Root(root, "ScrollButtonsWidgetClass").size(120, 43);

    make(ui.btnPageDown, root, "btnPageDown")
        .at(0, 0, 60, 43)
        .faces(":/Buttons/b_scrollbar_down.mif", ":/Buttons/b_scrollbar_down_h.mif")
        .autoRepeat()
        .autoRepeatInterval(200);
    make(ui.btnPageUp, root, "btnPageUp")
        .at(60, 0, 60, 43)
        .faces(":/Buttons/b_scrollbar_up.mif", ":/Buttons/b_scrollbar_up_h.mif")
        .autoRepeat()
        .autoRepeatInterval(200);
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
