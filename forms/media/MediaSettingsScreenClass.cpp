#include "forms/media/MediaSettingsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaSettingsScreenClass &ui, QWidget *root)
{
    Root(root, "MediaSettingsScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    serviceTitleStrip(ui.icon, root, 21);
    make(ui.lblSettings, ui.icon, "lblSettings").at(0, 7, 240, 20).titleText();
    make(ui.backing, root, "backing").at(0, 56, 240, 295);
    make(ui.scrollArea, ui.backing, "scrollArea").at(0, 1, 240, 292).maxSize(QWIDGETSIZE_MAX, 294).scrollingPage();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, 0, 230, 360)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 360);
    make(ui.lblSizeTime, ui.scrollAreaWidgetContents, "lblSizeTime").at(10, 80, 191, 16).caption();
    make(ui.lblSortBy, ui.scrollAreaWidgetContents, "lblSortBy").at(10, 220, 191, 16).caption();
    make(ui.lblQualityDisplay, ui.scrollAreaWidgetContents, "lblQualityDisplay").at(10, 150, 191, 16).caption();
    make(ui.comboMode, ui.scrollAreaWidgetContents, "comboMode")
        .at(0, 30, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboSizeTime, ui.scrollAreaWidgetContents, "comboSizeTime")
        .at(0, 100, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboQualityDisplay, ui.scrollAreaWidgetContents, "comboQualityDisplay")
        .at(0, 170, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboSortBy, ui.scrollAreaWidgetContents, "comboSortBy")
        .at(0, 240, 230, 44)
        .minSize(230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblMode, ui.scrollAreaWidgetContents, "lblMode").at(10, 10, 191, 16).caption();
    make(ui.lblSaveTo, ui.scrollAreaWidgetContents, "lblSaveTo").at(10, 290, 191, 16).caption();
    make(ui.comboSaveTo, ui.scrollAreaWidgetContents, "comboSaveTo")
        .at(0, 310, 230, 44)
        .minSize(230, 44)
        .standardComboBox()
        .eventPropagation();

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);

    ui.lblSizeTime->setBuddy(ui.comboMode);
    ui.lblSortBy->setBuddy(ui.comboMode);
    ui.lblQualityDisplay->setBuddy(ui.comboMode);
    ui.lblMode->setBuddy(ui.comboMode);
    ui.lblSaveTo->setBuddy(ui.comboMode);
}

void retranslateUi(Ui_MediaSettingsScreenClass &ui, QWidget *)
{
    ui.lblSettings->setContent(QCoreApplication::translate("MediaSettingsScreenClass", "Media Settings"));
    ui.lblSizeTime->setContent(QCoreApplication::translate("MediaSettingsScreenClass", "Size"));
    ui.lblSortBy->setContent(QCoreApplication::translate("MediaSettingsScreenClass", "Sort by"));
    ui.lblQualityDisplay->setContent(QCoreApplication::translate("MediaSettingsScreenClass", "Quality"));
    ui.lblMode->setContent(QCoreApplication::translate("MediaSettingsScreenClass", "Mode"));
    ui.lblSaveTo->setContent(QCoreApplication::translate("MediaSettingsScreenClass", "Save Photos On"));
}

Form<Ui_MediaSettingsScreenClass, setupUi, retranslateUi> formMediaSettingsScreenClass;

} // namespace

FormLayout &MediaSettingsScreenClass()
{
    return formMediaSettingsScreenClass;
}

} // namespace quarn::forms
