#include "forms/places/WptDetailScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_WptDetailScreenClass &ui, QWidget *root)
{
    Root(root, "WptDetailScreenClass").size(240, 400).property("palette", QPalette(whiteText()));

    make(ui.verticalLayoutWidget, root, "verticalLayoutWidget").at(5, 90, 230, 251);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout");
    make(ui.buttonDDE, ui.verticalLayoutWidget, "buttonDDE").panelButton();
    make(ui.iconFlag, ui.buttonDDE, "iconFlag").at(6, 10, 25, 22).image(":/Icons/i_PaneBtn_DestinationIcon.mif");
    make(ui.labelDistance, ui.buttonDDE, "labelDistance").at(31, 11, 65, 21).panelText().pixelSize(12);
    make(ui.icon3DAbstract, ui.buttonDDE, "icon3DAbstract").at(97, 10, 25, 22).image(":/Icons/i_PaneBtn_Elevation.mif");
    make(ui.labelHeight, ui.buttonDDE, "labelHeight").at(124, 11, 61, 21).panelText().pixelSize(12);
    make(ui.labelDirection, ui.buttonDDE, "labelDirection").at(190, 11, 25, 21).panelText().pixelSize(12);
    make(ui.indicatorDirection, ui.buttonDDE, "indicatorDirection")
        .at(190, 10, 25, 22)
        .statusImages(paneDirectionImages());
    make(ui.buttonDescription, ui.verticalLayoutWidget, "buttonDescription").panelButton();
    make(ui.dateTimeLabel_2, ui.buttonDescription, "dateTimeLabel_2").at(38, 11, 91, 21).panelText().pixelSize(12);
    make(ui.labelDescription, ui.buttonDescription, "labelDescription")
        .at(130, 12, 88, 20)
        .font(normalWeightAA())
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.iconPaneLocation_3, ui.buttonDescription, "iconPaneLocation_3")
        .at(9, 10, 25, 22)
        .image(":/Icons/i_PaneBtn_Desciption.mif");
    make(ui.buttonLocation, ui.verticalLayoutWidget, "buttonLocation").panelButton();
    make(ui.iconPaneLocation, ui.buttonLocation, "iconPaneLocation")
        .at(10, 11, 25, 22)
        .image(":/Icons/i_PaneBtn_Location.mif");
    make(ui.dateTimeLabel_3, ui.buttonLocation, "dateTimeLabel_3").at(38, 4, 176, 17).panelText().pixelSize(12);
    make(ui.labelLocation, ui.buttonLocation, "labelLocation")
        .at(40, 21, 174, 17)
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .plainPanelText()
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .pixelSize(10)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.buttonPictures, ui.verticalLayoutWidget, "buttonPictures").panelButton();
    make(ui.labelMemoCounter, ui.buttonPictures, "labelMemoCounter").at(175, 11, 41, 20).panelText().pixelSize(12);
    make(ui.iconMemo, ui.buttonPictures, "iconMemo").at(148, 11, 25, 22).image(":/Icons/i_PaneBtn_Music.mif");
    make(ui.labelPicturesCounter, ui.buttonPictures, "labelPicturesCounter")
        .at(36, 11, 41, 21)
        .panelText()
        .pixelSize(12);
    make(ui.labelVideoCounter, ui.buttonPictures, "labelVideoCounter").at(106, 11, 41, 20).panelText().pixelSize(12);
    make(ui.iconPhoto, ui.buttonPictures, "iconPhoto").at(10, 11, 25, 22).image(":/Icons/i_PaneBtn_Pictures.mif");
    make(ui.iconVideo, ui.buttonPictures, "iconVideo").at(80, 11, 25, 22).image(":/Icons/i_PaneBtn_Video.mif");
    make(ui.buttonOption, ui.verticalLayoutWidget, "buttonOption").panelButton();
    make(ui.dateTimeLabel_4, ui.buttonOption, "dateTimeLabel_4")
        .at(38, 3, 148, 35)
        .panelText()
        .wordWrap()
        .pixelSize(12);
    make(ui.iconOptions, ui.buttonOption, "iconOptions")
        .at(190, 10, 25, 22)
        .statusImages(geocache::routingMethodImages());
    make(ui.iconPaneLocation_2, ui.buttonOption, "iconPaneLocation_2")
        .at(10, 12, 25, 20)
        .image(":/Icons/i_PaneBtn_Options.mif");

    addMembers(ui.verticalLayout,
               {ui.buttonDDE, ui.buttonDescription, ui.buttonLocation, ui.buttonPictures, ui.buttonOption});
}

void retranslateUi(Ui_WptDetailScreenClass &ui, QWidget *)
{
    ui.labelHeight->setContent(QString());
    ui.dateTimeLabel_2->setContent(QCoreApplication::translate("WptDetailScreenClass", "Description"));
    ui.dateTimeLabel_3->setContent(QCoreApplication::translate("WptDetailScreenClass", "Location"));
    ui.labelLocation->setContent(QString());
    ui.dateTimeLabel_4->setContent(QCoreApplication::translate("WptDetailScreenClass", "Options"));
}

Form<Ui_WptDetailScreenClass, setupUi, retranslateUi> formWptDetailScreenClass;

} // namespace

FormLayout &WptDetailScreenClass()
{
    return formWptDetailScreenClass;
}

} // namespace quarn::forms
