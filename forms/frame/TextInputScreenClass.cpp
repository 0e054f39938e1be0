#include "forms/frame/TextInputScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_TextInputScreenClass &ui, QWidget *root)
{
    Root(root, "TextInputScreenClass").size(240, 400).property("font", QFont(Font().pointSize(12).bold().notItalic()));

    layout(ui.verticalLayout, root, "verticalLayout").spacing(0).margins(0, 4, 0, 0);
    layout(ui.horizontalLayout_2, nullptr, "horizontalLayout_2").spacing(0).margins(9, 11, 11, 11);
    make(ui.lblEditedFieldName, root, "lblEditedFieldName")
        .sizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred)
        .palette(blackText())
        .font(Font().pointSize(12).bold().notItalic().aa())
        .pixelSize(14);
    spacer(ui.horizontalSpacer, 98, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    layout(ui.horizontalLayout, nullptr, "horizontalLayout").spacing(6).margins(5, 11, 5, 11);
    make(ui.editField, root, "editField")
        .font(Font().pointSize(15).normalWeight().notItalic())
        .styleSheet("QLineEdit\n{\nborder-image: url(:/Bkgd/bkgd_KB_EntryField_01.mif);\nborder-width: "
                    "10;\n}\nQLineEdit::focus\n{\nborder-image: "
                    "url(:/Bkgd/bkgd_Dashboard_Field_230x45.mif);\nborder-width: 10;\n};\n");
    make(ui.btnBackspace, root, "btnBackspace")
        .minSize(60, 47)
        .keyCode(Qt::Key_Backspace)
        .secondKeyCode(Qt::Key_Delete)
        .keyImages(":/Buttons/b_KB_BackSpace.mif", ":/Buttons/b_KB_BackSpace_f.mif", ":/Buttons/b_KB_BackSpace_h.mif",
                   ":/Buttons/b_KB_BackSpace.mif");
    make(ui.KeyboardContainer, root, "KeyboardContainer");
    make(ui.textReview, root, "textReview")
        .styleSheet("QTextEdit{\nmargin: 5px;\npadding: 5px;\nborder-radius : 5px;\nbackground-color: rgba(255, 255, "
                    "255, 128);\n}\nQScrollBar:vertical {\n     width: 8px;\n     background-color:rgb(223,242,250);\n "
                    "    border-width: 1px;\n     border-style: solid;\n     border-radius: 4px;\n     "
                    "border-color:rgb(41,61,69);\n }\n QScrollBar::handle:vertical {\n     "
                    "background-color:rgb(255,152,4);\n     border-width: 2px;\n     border-style: solid;\n     "
                    "border-radius: 2px;\n     border-color:rgb(252,196,88);\n }\n QScrollBar::add-line:vertical, "
                    "QScrollBar::sub-line:vertical {\n     background: none;\n }\n QScrollBar::up-arrow:vertical, "
                    "QScrollBar::down-arrow:vertical {\n     background: none;\n }\n QScrollBar::add-page:vertical, "
                    "QScrollBar::sub-page:vertical {\n     background: none;\n };\n")
        .pixelSize(18);
    make(ui.statusBar, root, "statusBar").image(":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnOK, ui.statusBar, "btnOK")
        .at(170, 10, 60, 43)
        .keyCode(Qt::Key_Enter)
        .keyImages(":/Buttons/b_KB_OK.mif", ":/Buttons/b_KB_OK_f.mif", ":/Buttons/b_KB_OK_h.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 44)
        .keyCode(Qt::Key_Escape)
        .keyImages(":/Buttons/b_Back.mif", ":/Buttons/b_Back_h.mif", ":/Buttons/b_Back_h.mif", ":/Buttons/b_Back.mif");
    make(ui.kbBtn, ui.statusBar, "kbBtn")
        .at(60, 10, 99, 41)
        .normal(":/Buttons/b_ToggleButton_small.mif")
        .pressed(":/Buttons/b_ToggleButton_small_h.mif")
        .focused(":/Buttons/b_ToggleButtons_small_f.mif");
    make(ui.icon, ui.kbBtn, "icon").at(30, 0, 38, 31).image(":/Icons/i_Keypad.mif");

    addMembers(ui.horizontalLayout_2, {ui.lblEditedFieldName, ui.horizontalSpacer});
    addMembers(ui.horizontalLayout, {ui.editField, ui.btnBackspace});
    addMembers(ui.verticalLayout,
               {ui.horizontalLayout_2, ui.horizontalLayout, ui.KeyboardContainer, ui.textReview, ui.statusBar});
    setStretchFactors(ui.verticalLayout, {0, 0, 1, 1, 0});
}

void retranslateUi(Ui_TextInputScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("TextInputScreenClass", "DataInputScreen"));
    //: Sample content, replaced by the host at run time.
    ui.lblEditedFieldName->setContent(QCoreApplication::translate("TextInputScreenClass", "Location"));
}

Form<Ui_TextInputScreenClass, setupUi, retranslateUi> formTextInputScreenClass;

} // namespace

FormLayout &TextInputScreenClass()
{
    return formTextInputScreenClass;
}

} // namespace quarn::forms
