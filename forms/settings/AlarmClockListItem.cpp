#include "forms/settings/AlarmClockListItem.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AlarmClockListItem &ui, QWidget *root)
{
    Root(root, "AlarmClockListItem")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.textBoxName, root, "textBoxName")
        .at(77, 6, 74, 40)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .minSize(70, 0)
        .baseSize(40, 0)
        .sizeIncrement(3, 0)
        .listItemName()
        .textFormat(Qt::PlainText)
        .content("Alarm long long")
        .pixelSize(15);
    make(ui.textBoxState, root, "textBoxState")
        .at(37, 6, 30, 40)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .minSize(30, 0)
        .font(boldAA())
        .content("OFF")
        .pixelSize(13);
    make(ui.iconSplitter, root, "iconSplitter").at(68, 6, 8, 40).image(":/Bkgd/bkgd_split.mif");
    make(ui.textBoxTypeTime, root, "textBoxTypeTime")
        .at(150, 6, 70, 40)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred)
        .font(boldAA())
        .content("09:00")
        .pixelSize(15);
    make(ui.iconState, root, "iconState").at(12, 10, 26, 32).minSize(24, 0).image(":/Icons/i_MenuIcon_AddAlarm.mif");
}

void retranslateUi(Ui_AlarmClockListItem &, QWidget *)
{
}

Form<Ui_AlarmClockListItem, setupUi, retranslateUi> formAlarmClockListItem;

} // namespace

FormLayout &AlarmClockListItem()
{
    return formAlarmClockListItem;
}

} // namespace quarn::forms
