#include "forms/places/WptDescriptionScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptDescriptionScreenClass &ui, QWidget *root)
{
    Root(root, "WptDescriptionScreenClass").size(240, 400);

    make(ui.btnTitle, root, "btnTitle").at(5, 70, 230, 38).panelButton();
    make(ui.dateTimeLabel_2, ui.btnTitle, "dateTimeLabel_2").at(38, 8, 91, 21).panelText().pixelSize(12);
    make(ui.labelDescription, ui.btnTitle, "labelDescription")
        .at(130, 8, 88, 20)
        .font(normalWeightAA())
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconPaneLocation_3, ui.btnTitle, "iconPaneLocation_3")
        .at(10, 7, 25, 22)
        .image(":/Icons/i_PaneBtn_Desciption.mif");
    make(ui.backing, root, "backing").at(5, 108, 230, 242);
    make(ui.description, ui.backing, "description").at(0, 0, 230, 242).font(menuScreenFont());
}

void retranslateUi(Ui_WptDescriptionScreenClass &ui, QWidget *)
{
    ui.dateTimeLabel_2->setContent(QCoreApplication::translate("WptDescriptionScreenClass", "Description"));
}

Form<Ui_WptDescriptionScreenClass, setupUi, retranslateUi> formWptDescriptionScreenClass;

} // namespace

FormLayout &WptDescriptionScreenClass()
{
    return formWptDescriptionScreenClass;
}

} // namespace quarn::forms
