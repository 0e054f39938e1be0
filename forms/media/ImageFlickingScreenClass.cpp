#include "forms/media/ImageFlickingScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ImageFlickingScreenClass &ui, QWidget *root)
{
    Root(root, "ImageFlickingScreenClass").size(240, 400);

    make(ui.widgetContainer, root, "widgetContainer").at(0, 0, 240, 400);
    make(ui.btnNext, root, "btnNext")
        .at(198, 310, 33, 28)
        .normal(":/Buttons/b_KB_MoveRight.mif")
        .pressed(":/Buttons/b_KB_MoveRight_h.mif")
        .focused(":/Buttons/b_KB_MoveRight_f.mif");
    make(ui.btnPrev, root, "btnPrev")
        .at(12, 310, 33, 28)
        .normal(":/Buttons/b_KB_MoveLeft.mif")
        .pressed(":/Buttons/b_KB_MoveLeft_h.mif")
        .focused(":/Buttons/b_KB_MoveLeft_f.mif");
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    make(ui.btnOK, ui.bottomBar, "btnOK")
        .at(178, 10, 55, 41)
        .normal(":/Buttons/b_KB_OK.mif")
        .pressed(":/Buttons/b_KB_OK_f.mif");
    make(ui.iconTitle, root, "iconTitle").at(0, 21, 240, 33).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName, ui.iconTitle, "labelName").at(29, 2, 180, 30).titleText().wordWrap();
    make(ui.ActiveIcon, ui.iconTitle, "ActiveIcon")
        .at(0, 0, 32, 32)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_MenuIcon_Checkmark.mif");
    make(ui.labelNumber, ui.iconTitle, "labelNumber").at(208, 15, 30, 17).titlePageNumber();
    make(ui.labelPage, ui.iconTitle, "labelPage").at(208, 1, 30, 17).titlePageNumber();
}

void retranslateUi(Ui_ImageFlickingScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("ImageFlickingScreenClass", "Form"));
    ui.labelName->setContent(QCoreApplication::translate("ImageFlickingScreenClass", "Default"));
    ui.labelNumber->setContent(QString());
    ui.labelPage->setContent(QString());
}

Form<Ui_ImageFlickingScreenClass, setupUi, retranslateUi> formImageFlickingScreenClass;

} // namespace

FormLayout &ImageFlickingScreenClass()
{
    return formImageFlickingScreenClass;
}

} // namespace quarn::forms
