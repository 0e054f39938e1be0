#include "forms/places/NearestObjectsListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_NearestObjectsListScreenClass &ui, QWidget *root)
{
    Root(root, "NearestObjectsListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.listObjects, root, "listObjects").at(0, 80, 240, 265);
    make(ui.icon_2, root, "icon_2").at(0, 20, 240, 46).image(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    make(ui.txtCurPage, ui.icon_2, "txtCurPage")
        .at(182, 3, 51, 20)
        .palette(whiteText())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0/0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::AllOffOfThree);
    make(ui.txtNumOfCaches, ui.icon_2, "txtNumOfCaches")
        .at(198, 23, 35, 20)
        .palette(whiteText())
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .content("0")
        .pixelSize(13)
        .textBoxFlags(TextBoxFlags::FirstOnOfThree);
    make(ui.textBox, ui.icon_2, "textBox")
        .at(10, 10, 171, 31)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .scaledContents()
        .pixelSize(18);
}

void retranslateUi(Ui_NearestObjectsListScreenClass &ui, QWidget *)
{
    ui.textBox->setContent(QCoreApplication::translate("NearestObjectsListScreenClass", "Found Objects"));
}

Form<Ui_NearestObjectsListScreenClass, setupUi, retranslateUi> formNearestObjectsListScreenClass;

} // namespace

FormLayout &NearestObjectsListScreenClass()
{
    return formNearestObjectsListScreenClass;
}

} // namespace quarn::forms
