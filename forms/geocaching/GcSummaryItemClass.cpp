#include "forms/geocaching/GcSummaryItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GcSummaryItemClass &ui, QWidget *root)
{
    Root(root, "GcSummaryItemClass")
        .size(226, 53)
        .image("normal", ":/Buttons/b_list.mif")
        .image("pressed", ":/Buttons/b_list_h.mif")
        .property("eventPropagation", true);

    make(ui.textTitle, root, "textTitle").at(39, 12, 135, 30).listItemName().pixelSize(13);
    make(ui.iconPicture, root, "iconPicture").at(10, 17, 26, 22);
    make(ui.textValue, root, "textValue")
        .at(173, 12, 40, 30)
        .listItemName()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(13);
}

void retranslateUi(Ui_GcSummaryItemClass &, QWidget *root)
{
    root->setWindowTitle(QString());
}

Form<Ui_GcSummaryItemClass, setupUi, retranslateUi> formGcSummaryItemClass;

} // namespace

FormLayout &GcSummaryItemClass()
{
    return formGcSummaryItemClass;
}

} // namespace quarn::forms
