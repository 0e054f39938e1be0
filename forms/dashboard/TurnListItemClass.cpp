#include "forms/dashboard/TurnListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TurnListItemClass &ui, QWidget *root)
{
    Root(root, "TurnListItemClass")
        .size(226, 53)
        .property("contextMenuPolicy", Qt::NoContextMenu)
        .property("checkable", true)
        .property("checked", false)
        .property("autoExclusive", true)
        .image("normal", ":/Buttons/b_list.mif")
        .point("shiftOnPress", 0, 0)
        .property("eventPropagation", true);

    make(ui.formLayoutWidget, root, "formLayoutWidget").at(53, 4, 165, 45);
    layout(ui.formLayout, ui.formLayoutWidget, "formLayout")
        .horizontalSpacing(0)
        .verticalSpacing(0)
        .fieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint)
        .formAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    make(ui.txtName, ui.formLayoutWidget, "txtName")
        .font(boldAA())
        .scaledContents()
        .textInteraction(Qt::NoTextInteraction)
        .pixelSize(16);
    make(ui.txtAdd, ui.formLayoutWidget, "txtAdd").settingCaption().textInteraction(Qt::NoTextInteraction);
    make(ui.manIndicator, root, "manIndicator").at(10, 3, 43, 46).statusImages(manoeuvreImages());

    addToForm(ui.formLayout, 0, QFormLayout::SpanningRole, ui.txtName);
    addToForm(ui.formLayout, 1, QFormLayout::SpanningRole, ui.txtAdd);
}

void retranslateUi(Ui_TurnListItemClass &ui, QWidget *)
{
    ui.txtName->setContent(QString());
    ui.txtAdd->setContent(QString());
}

Form<Ui_TurnListItemClass, setupUi, retranslateUi> formTurnListItemClass;

} // namespace

FormLayout &TurnListItemClass()
{
    return formTurnListItemClass;
}

} // namespace quarn::forms
