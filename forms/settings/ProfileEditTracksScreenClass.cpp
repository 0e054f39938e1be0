#include "forms/settings/ProfileEditTracksScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ProfileEditTracksScreenClass &ui, QWidget *root)
{
    Root(root, "ProfileEditTracksScreenClass").size(240, 400);

    make(ui.backing, root, "backing").at(5, 72, 230, 278);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnApplyToAll, ui.statusBar, "btnApplyToAll")
        .at(60, 7, 176, 43)
        .normal(":/Buttons/b_BottomButton.mif")
        .pressed(":/Buttons/b_BottomButton_h.mif")
        .focused(":/Buttons/b_BottomButton_f.mif");
    make(ui.lblApplyToAll, ui.btnApplyToAll, "lblApplyToAll")
        .at(8, 6, 161, 31)
        .palette(whiteButtonText())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(13);
    titleHeader(ui.icon, root, "icon");
    make(ui.lblMapOptions_2, ui.icon, "lblMapOptions_2")
        .at(88, 4, 148, 38)
        .palette(whiteTextDimDisabled())
        .largeCaption()
        .alignment(Qt::AlignCenter);
    titleIcon(ui.iconProfile, ui.icon, "iconProfile", ":/Icons/i_Geocaching.mif")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    make(ui.icon_2, ui.icon, "icon_2").at(46, 4, 38, 38).image(":/Icons/i_Tracks.mif");
    make(ui.comboLogMode, root, "comboLogMode").at(5, 97, 230, 44).standardComboBox();
    make(ui.comboLogModeDetail, root, "comboLogModeDetail").at(5, 147, 230, 44).standardComboBox();
    make(ui.lblLogMode, root, "lblLogMode").at(10, 77, 191, 16).caption();

    ui.lblLogMode->setBuddy(ui.comboLogMode);
}

void retranslateUi(Ui_ProfileEditTracksScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblApplyToAll->setContent(QCoreApplication::translate("ProfileEditTracksScreenClass", "Apply to All Profiles"));
    ui.lblMapOptions_2->setContent(QCoreApplication::translate("ProfileEditTracksScreenClass", "Track Logging"));
    ui.lblLogMode->setContent(QCoreApplication::translate("ProfileEditTracksScreenClass", "Logging Mode"));
}

Form<Ui_ProfileEditTracksScreenClass, setupUi, retranslateUi> formProfileEditTracksScreenClass;

} // namespace

FormLayout &ProfileEditTracksScreenClass()
{
    return formProfileEditTracksScreenClass;
}

} // namespace quarn::forms
