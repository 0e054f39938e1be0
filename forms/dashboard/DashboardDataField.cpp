#include "forms/dashboard/DashboardDataField.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_DashboardDataField &ui, QWidget *root)
{
    Root(root, "DashboardDataField").size(400, 300);

    make(ui.background, root, "background").at(0, 0, 241, 131);
    make(ui.title, ui.background, "title")
        .at(10, 10, 101, 16)
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("");
    make(ui.data, ui.background, "data")
        .at(50, 60, 101, 21)
        .font(boldAA())
        .alignment(align::Centre)
        .pixelSize(16)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("");
}

void retranslateUi(Ui_DashboardDataField &, QWidget *root)
{
    root->setProperty("windowTitle", QCoreApplication::translate("DashboardDataField", "Form"));
}

Form<Ui_DashboardDataField, setupUi, retranslateUi> formDashboardDataField;

} // namespace

FormLayout &DashboardDataField()
{
    return formDashboardDataField;
}

} // namespace quarn::forms
