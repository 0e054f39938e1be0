#include "forms/settings/ProfileEditUnitsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ProfileEditUnitsScreenClass &ui, QWidget *root)
{
    Root(root, "ProfileEditUnitsScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnApplyToAll, ui.statusBar, "btnApplyToAll")
        .at(60, 7, 176, 43)
        .normal(":/Buttons/b_BottomButton.mif")
        .pressed(":/Buttons/b_BottomButton_h.mif")
        .focused(":/Buttons/b_BottomButton_f.mif");
    make(ui.lblApplyToAll, ui.btnApplyToAll, "lblApplyToAll")
        .at(12, 6, 154, 31)
        .palette(whiteButtonText())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(13);
    titleHeader(ui.iconTitle, root, "iconTitle");
    make(ui.lblMapOptions_2, ui.iconTitle, "lblMapOptions_2")
        .at(86, 2, 148, 40)
        .palette(whiteTextDimDisabled())
        .largeCaption()
        .alignment(Qt::AlignCenter);
    make(ui.icon, ui.iconTitle, "icon").at(46, 4, 38, 38).image(":/Icons/i_Units.mif");
    titleIcon(ui.iconProfile, ui.iconTitle, "iconProfile", ":/Icons/i_Geocaching.mif")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    make(ui.backing, root, "backing").at(5, 72, 230, 278);
    make(ui.lblDistance, ui.backing, "lblDistance").at(10, 4, 191, 16).caption();
    make(ui.comboSpeed, ui.backing, "comboSpeed").at(0, 94, 230, 44).standardComboBox().eventPropagation();
    make(ui.comboAreaUnits, ui.backing, "comboAreaUnits")
        .at(0, 234, 230, 44)
        .minSize(230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblSpeed, ui.backing, "lblSpeed").at(10, 74, 191, 16).caption();
    make(ui.comboElevation, ui.backing, "comboElevation").at(0, 164, 230, 44).standardComboBox().eventPropagation();
    make(ui.comboDistance, ui.backing, "comboDistance").at(0, 24, 230, 44).standardComboBox().eventPropagation();
    make(ui.lblAreaUnits, ui.backing, "lblAreaUnits").at(10, 214, 191, 16).caption();
    make(ui.lblElevation, ui.backing, "lblElevation").at(10, 144, 191, 16).caption();

    ui.lblDistance->setBuddy(ui.comboDistance);
    ui.lblSpeed->setBuddy(ui.comboDistance);
    ui.lblAreaUnits->setBuddy(ui.comboDistance);
    ui.lblElevation->setBuddy(ui.comboDistance);
}

void retranslateUi(Ui_ProfileEditUnitsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblApplyToAll->setContent(QCoreApplication::translate("ProfileEditUnitsScreenClass", "Apply to All Profiles"));
    ui.lblMapOptions_2->setContent(QCoreApplication::translate("ProfileEditUnitsScreenClass", "Units"));
    ui.lblDistance->setContent(QCoreApplication::translate("ProfileEditUnitsScreenClass", "Distance"));
    ui.lblSpeed->setContent(QCoreApplication::translate("ProfileEditUnitsScreenClass", "Speed"));
    ui.lblAreaUnits->setContent(QCoreApplication::translate("ProfileEditUnitsScreenClass", "Area Units"));
    ui.lblElevation->setContent(QCoreApplication::translate("ProfileEditUnitsScreenClass", "Elevation"));
}

Form<Ui_ProfileEditUnitsScreenClass, setupUi, retranslateUi> formProfileEditUnitsScreenClass;

} // namespace

FormLayout &ProfileEditUnitsScreenClass()
{
    return formProfileEditUnitsScreenClass;
}

} // namespace quarn::forms
