#include "forms/service/AudioTestScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AudioTestScreenClass &ui, QWidget *root)
{
    Root(root, "AudioTestScreenClass").size(240, 400).property("font", QFont(Font().pointSize(12)));

    make(ui.btnOk, root, "btnOk").at(110, 350, 107, 41).normal(":/Buttons/b_KB_OK&Cancel.mif");
    make(ui.lblOk, ui.btnOk, "lblOk")
        .at(10, 10, 91, 21)
        .font(Font().pointSize(12).bold().aa())
        .alignment(Qt::AlignHCenter | Qt::AlignTop)
        .pixelSize(14);
    make(ui.iconTitleBar, root, "iconTitleBar").at(0, 20, 240, 31).image(":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.lblProfileName_3, ui.iconTitleBar, "lblProfileName_3")
        .at(0, 7, 240, 20)
        .palette(whiteText())
        .font(Font().pointSize(12).bold().aa())
        .alignment(Qt::AlignCenter)
        .pixelSize(16);
}

void retranslateUi(Ui_AudioTestScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("AudioTestScreenClass", "Dialog"));
    ui.btnOk->setText(QString());
    ui.lblOk->setContent(QCoreApplication::translate("AudioTestScreenClass", "OK"));
    ui.lblProfileName_3->setContent(QCoreApplication::translate("AudioTestScreenClass", "Audio Test"));
}

Form<Ui_AudioTestScreenClass, setupUi, retranslateUi> formAudioTestScreenClass;

} // namespace

FormLayout &AudioTestScreenClass()
{
    return formAudioTestScreenClass;
}

} // namespace quarn::forms
