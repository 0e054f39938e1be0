#include "forms/settings/AlarmClockDetailScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AlarmClockDetailScreenClass &ui, QWidget *root)
{
    Root(root, "AlarmClockDetailScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnSave, ui.statusBar, "btnSave")
        .at(90, 7, 60, 43)
        .normal(":/Buttons/b_Save.mif")
        .pressed(":/Buttons/b_Save_h.mif");
    make(ui.iconTitle, root, "iconTitle").at(0, 20, 240, 33).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName, ui.iconTitle, "labelName").at(0, 6, 240, 21).titleText();
    make(ui.comboBoxChime, root, "comboBoxChime").at(5, 110, 230, 44).standardComboBox().eventPropagation();
    make(ui.btnState, root, "btnState").at(0, 160, 76, 43).labelledActionButton();
    make(ui.textBoxState, ui.btnState, "textBoxState")
        .at(34, 6, 36, 31)
        .settingCaption()
        .styleSheet("color: rgb(255, 255, 255);");
    make(ui.iconState, ui.btnState, "iconState").at(12, 11, 20, 20);
    make(ui.btnBoxName, root, "btnBoxName")
        .at(5, 60, 230, 44)
        .toggleButton()
        .stateImage(":/Buttons/b_ToggleButton.mif");
    make(ui.textBoxName, ui.btnBoxName, "textBoxName")
        .at(10, 7, 210, 30)
        .caption()
        .textFormat(Qt::PlainText)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.spinBox1, root, "spinBox1")
        .at(10, 220, 55, 115)
        .font(Font().pointSize(20).bold())
        .spinBackground(":/Buttons/b_page.mif")
        .cyclic()
        .fontSize(20)
        .spinArrows(":/Buttons/b_KB_AdjustUp_off_big.mif", ":/Buttons/b_KB_AdjustUp_on_big.mif",
                    ":/Buttons/b_KB_AdjustDown_off_big.mif", ":/Buttons/b_KB_AdjustDown_on_big.mif");
    make(ui.textBoxPrior, root, "textBoxPrior").at(74, 258, 161, 41).font(Font().pointSize(12).bold().aa()).wordWrap();
    make(ui.spinBox2, root, "spinBox2")
        .at(70, 220, 55, 115)
        .font(Font().pointSize(20).bold())
        .spinBackground(":/Buttons/b_page.mif")
        .cyclic()
        .fontSize(20)
        .spinArrows(":/Buttons/b_KB_AdjustUp_off_big.mif", ":/Buttons/b_KB_AdjustUp_on_big.mif",
                    ":/Buttons/b_KB_AdjustDown_off_big.mif", ":/Buttons/b_KB_AdjustDown_on_big.mif");
    make(ui.spinBox3, root, "spinBox3")
        .at(130, 220, 55, 115)
        .font(Font().pointSize(20).bold())
        .spinBackground(":/Buttons/b_page.mif")
        .cyclic()
        .fontSize(20)
        .spinArrows(":/Buttons/b_KB_AdjustUp_off_big.mif", ":/Buttons/b_KB_AdjustUp_on_big.mif",
                    ":/Buttons/b_KB_AdjustDown_off_big.mif", ":/Buttons/b_KB_AdjustDown_on_big.mif");
}

void retranslateUi(Ui_AlarmClockDetailScreenClass &ui, QWidget *)
{
    ui.comboBoxChime->setToolTip(QString());
    ui.textBoxState->setContent(QCoreApplication::translate("AlarmClockDetailScreenClass", "OFF"));
}

Form<Ui_AlarmClockDetailScreenClass, setupUi, retranslateUi> formAlarmClockDetailScreenClass;

} // namespace

FormLayout &AlarmClockDetailScreenClass()
{
    return formAlarmClockDetailScreenClass;
}

} // namespace quarn::forms
