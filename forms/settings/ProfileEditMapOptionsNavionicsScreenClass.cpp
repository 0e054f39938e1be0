#include "forms/settings/ProfileEditMapOptionsNavionicsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_ProfileEditMapOptionsNavionicsScreenClass &ui, QWidget *root)
{
    Root(root, "ProfileEditMapOptionsNavionicsScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    titleHeader(ui.iconTitle, root, "iconTitle");
    titleIcon(ui.iconProfile, ui.iconTitle, "iconProfile", ":/Icons/i_Geocaching.mif")
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    make(ui.icon, ui.iconTitle, "icon").at(41, 9, 28, 29).image(":/Icons/i_Navionics.mif");
    make(ui.lblNavionicsCharts, ui.iconTitle, "lblNavionicsCharts")
        .at(74, 2, 164, 43)
        .palette(whiteTextDimDisabled())
        .largeCaption();
    make(ui.backing, root, "backing").at(0, 67, 240, 288);
    make(ui.scrollArea, ui.backing, "scrollArea")
        .at(0, 0, 240, 288)
        .scrollingPage()
        .frameShape(QFrame::NoFrame)
        .frameShadow(QFrame::Plain)
        .lineWidth(0);
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, 0, 230, 430)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 430);
    make(ui.comboContourLineSpacing, ui.scrollAreaWidgetContents, "comboContourLineSpacing")
        .at(0, 98, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboDepthUnits, ui.scrollAreaWidgetContents, "comboDepthUnits")
        .at(0, 308, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblContourLineSpacing, ui.scrollAreaWidgetContents, "lblContourLineSpacing")
        .at(10, 81, 215, 16)
        .settingCaption();
    make(ui.lblSafetyDepth, ui.scrollAreaWidgetContents, "lblSafetyDepth").at(10, 151, 215, 16).settingCaption();
    make(ui.lblDepthUnits, ui.scrollAreaWidgetContents, "lblDepthUnits").at(10, 291, 215, 16).settingCaption();
    make(ui.comboSafetyDepth, ui.scrollAreaWidgetContents, "comboSafetyDepth")
        .at(0, 168, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.comboChartBoundaries, ui.scrollAreaWidgetContents, "comboChartBoundaries")
        .at(0, 28, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblChartBoundaries, ui.scrollAreaWidgetContents, "lblChartBoundaries").at(10, 11, 215, 16).settingCaption();
    make(ui.comboPresentation, ui.scrollAreaWidgetContents, "comboPresentation")
        .at(0, 238, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblPresentation, ui.scrollAreaWidgetContents, "lblPresentation").at(10, 221, 215, 16).settingCaption();
    make(ui.comboHideCharts, ui.scrollAreaWidgetContents, "comboHideCharts")
        .at(0, 378, 230, 44)
        .standardComboBox()
        .eventPropagation();
    make(ui.lblHideCharts, ui.scrollAreaWidgetContents, "lblHideCharts").at(10, 361, 215, 16).settingCaption();

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
}

void retranslateUi(Ui_ProfileEditMapOptionsNavionicsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QString());
    ui.lblNavionicsCharts->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsNavionicsScreenClass", "Navionics Charts"));
    ui.lblContourLineSpacing->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsNavionicsScreenClass", "Contour Line Spacing"));
    ui.lblSafetyDepth->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsNavionicsScreenClass", "Safety Depth"));
    ui.lblDepthUnits->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsNavionicsScreenClass", "Depth Units"));
    ui.lblChartBoundaries->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsNavionicsScreenClass", "Chart Boundaries"));
    ui.lblPresentation->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsNavionicsScreenClass", "Presentation"));
    ui.lblHideCharts->setContent(
        QCoreApplication::translate("ProfileEditMapOptionsNavionicsScreenClass", "Hide Charts"));
}

Form<Ui_ProfileEditMapOptionsNavionicsScreenClass, setupUi, retranslateUi>
    formProfileEditMapOptionsNavionicsScreenClass;

} // namespace

FormLayout &ProfileEditMapOptionsNavionicsScreenClass()
{
    return formProfileEditMapOptionsNavionicsScreenClass;
}

} // namespace quarn::forms
