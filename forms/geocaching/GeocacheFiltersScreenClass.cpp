#include "forms/geocaching/GeocacheFiltersScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheFiltersScreenClass &ui, QWidget *root)
{
    Root(root, "GeocacheFiltersScreenClass").size(240, 400).property("enabled", true);

    make(ui.icon, root, "icon").at(0, 20, 240, 33).imageProperty("image", ":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 0, 240, 33)
        .palette(whiteText())
        .font(boldAA())
        .alignment(align::Centre)
        .wordWrap()
        .property("fontPixelSize", 18);
    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).imageProperty("image", ":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .imageProperty("normal", ":/Buttons/b_Back.mif")
        .imageProperty("pressed", ":/Buttons/b_Back_h.mif");
    make(ui.stackedWidget, ui.statusBar, "stackedWidget").at(169, 7, 71, 43);
    make(ui.pageMenu, nullptr, "pageMenu");
    make(ui.btnContextMenu, ui.pageMenu, "btnContextMenu")
        .at(10, 0, 60, 43)
        .imageProperty("normal", ":/Icons/i_ToolBar_Menu.mif")
        .imageProperty("pressed", ":/Icons/i_ToolBar_Menu_h.mif");
    make(ui.pageNext, nullptr, "pageNext");
    make(ui.btnNext, ui.pageNext, "btnNext")
        .at(-5, -1, 76, 43)
        .widgetFont(aaFont())
        .imageProperty("normal", ":/Buttons/b_Menu.mif")
        .imageProperty("pressed", ":/Buttons/b_Menu_h.mif");
    make(ui.label, ui.btnNext, "label")
        .at(8, 6, 62, 31)
        .palette(whiteText({QPalette::ButtonText}))
        .font(boldAA())
        .alignment(align::Centre)
        .property("fontPixelSize", 16);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.scrollArea, root, "scrollArea")
        .at(0, 54, 240, 300)
        .sizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding)
        .scrollBars(Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOn)
        .widgetResizable();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, 0, 230, 361)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 361);
    make(ui.verticalLayoutWidget, ui.scrollAreaWidgetContents, "verticalLayoutWidget").at(0, 0, 241, 348);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout").spacing(4);
    make(ui.btnStatus, ui.verticalLayoutWidget, "btnStatus").closedPageButton().property("eventPropagation", true);
    make(ui.dateTimeLabel_3, ui.btnStatus, "dateTimeLabel_3")
        .at(10, 8, 102, 21)
        .panelText()
        .scaledContents()
        .property("fontPixelSize", 14);
    make(ui.txtStatuses, ui.btnStatus, "txtStatuses")
        .at(113, 8, 110, 21)
        .font(normalWeightAA())
        .property("fontPixelSize", 14)
        .property("ellipsis", true)
        .property("content", QString());
    make(ui.btnType, ui.verticalLayoutWidget, "btnType").closedPageButton().property("eventPropagation", true);
    make(ui.dateTimeLabel_4, ui.btnType, "dateTimeLabel_4")
        .at(10, 8, 102, 21)
        .panelText()
        .scaledContents()
        .property("fontPixelSize", 14);
    make(ui.txtTypes, ui.btnType, "txtTypes")
        .at(113, 8, 110, 21)
        .font(normalWeightAA())
        .property("fontPixelSize", 14)
        .property("ellipsis", true)
        .property("content", QString());
    make(ui.btnSize, ui.verticalLayoutWidget, "btnSize").closedPageButton().property("eventPropagation", true);
    make(ui.dateTimeLabel_5, ui.btnSize, "dateTimeLabel_5")
        .at(10, 8, 102, 21)
        .panelText()
        .scaledContents()
        .property("fontPixelSize", 14);
    make(ui.txtSizes, ui.btnSize, "txtSizes")
        .at(113, 8, 110, 21)
        .font(normalWeightAA())
        .property("fontPixelSize", 14)
        .property("ellipsis", true)
        .property("content", QString());
    make(ui.btnTerrain, ui.verticalLayoutWidget, "btnTerrain").closedPageButton().property("eventPropagation", true);
    make(ui.dateTimeLabel_9, ui.btnTerrain, "dateTimeLabel_9")
        .at(10, 8, 102, 21)
        .panelText()
        .scaledContents()
        .property("fontPixelSize", 14);
    make(ui.txtTerrains, ui.btnTerrain, "txtTerrains")
        .at(113, 8, 110, 21)
        .font(normalWeightAA())
        .property("fontPixelSize", 14)
        .property("ellipsis", true)
        .property("content", QString());
    make(ui.btnDiff, ui.verticalLayoutWidget, "btnDiff").closedPageButton().property("eventPropagation", true);
    make(ui.dateTimeLabel_10, ui.btnDiff, "dateTimeLabel_10")
        .at(10, 8, 102, 21)
        .panelText()
        .scaledContents()
        .property("fontPixelSize", 14);
    make(ui.txtDiffs, ui.btnDiff, "txtDiffs")
        .at(113, 8, 110, 21)
        .font(normalWeightAA())
        .property("fontPixelSize", 14)
        .property("ellipsis", true)
        .property("content", QString());
    make(ui.btnSort, ui.verticalLayoutWidget, "btnSort").closedPageButton().property("eventPropagation", true);
    make(ui.dateTimeLabel_8, ui.btnSort, "dateTimeLabel_8")
        .at(10, 8, 102, 21)
        .panelText()
        .scaledContents()
        .property("fontPixelSize", 14);
    make(ui.txtSorts, ui.btnSort, "txtSorts")
        .at(113, 8, 110, 21)
        .font(normalWeightAA())
        .property("fontPixelSize", 14)
        .property("ellipsis", true)
        .property("content", QString());
    make(ui.btnShow, ui.verticalLayoutWidget, "btnShow").closedPageButton().property("eventPropagation", true);
    make(ui.dateTimeLabel_6, ui.btnShow, "dateTimeLabel_6")
        .at(10, 8, 102, 21)
        .panelText()
        .scaledContents()
        .property("fontPixelSize", 14);
    make(ui.txtShows, ui.btnShow, "txtShows")
        .at(113, 8, 110, 21)
        .font(normalWeightAA())
        .property("fontPixelSize", 14)
        .property("ellipsis", true)
        .property("content", QString());
    make(ui.btnSearch, ui.verticalLayoutWidget, "btnSearch").closedPageButton().property("eventPropagation", true);
    make(ui.dateTimeLabel_7, ui.btnSearch, "dateTimeLabel_7")
        .at(12, 8, 201, 21)
        .panelText()
        .scaledContents()
        .property("fontPixelSize", 14);

    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
    addMembers(ui.verticalLayout,
               {ui.btnStatus, ui.btnType, ui.btnSize, ui.btnTerrain, ui.btnDiff, ui.btnSort, ui.btnShow, ui.btnSearch});
    addPages(ui.stackedWidget, {ui.pageMenu, ui.pageNext}, 0);
}

void retranslateUi(Ui_GeocacheFiltersScreenClass &ui, QWidget *)
{
    ui.labelName->setProperty("content", QCoreApplication::translate("GeocacheFiltersScreenClass", "Filter"));
    ui.label->setProperty("content", QCoreApplication::translate("GeocacheFiltersScreenClass", "Next>"));
    ui.dateTimeLabel_3->setProperty("content", QCoreApplication::translate("GeocacheFiltersScreenClass", "Status:"));
    ui.dateTimeLabel_4->setProperty("content", QCoreApplication::translate("GeocacheFiltersScreenClass", "Type:"));
    ui.dateTimeLabel_5->setProperty("content", QCoreApplication::translate("GeocacheFiltersScreenClass", "Size:"));
    ui.dateTimeLabel_9->setProperty("content", QCoreApplication::translate("GeocacheFiltersScreenClass", "Terrain:"));
    ui.dateTimeLabel_10->setProperty("content",
                                     QCoreApplication::translate("GeocacheFiltersScreenClass", "Difficulty:"));
    ui.dateTimeLabel_8->setProperty("content", QCoreApplication::translate("GeocacheFiltersScreenClass", "Sort By:"));
    ui.dateTimeLabel_6->setProperty("content", QCoreApplication::translate("GeocacheFiltersScreenClass", "Show:"));
    ui.dateTimeLabel_7->setProperty(
        "content", QCoreApplication::translate("GeocacheFiltersScreenClass", "Search by name or ID..."));
}

Form<Ui_GeocacheFiltersScreenClass, setupUi, retranslateUi> formGeocacheFiltersScreenClass;

} // namespace

FormLayout &GeocacheFiltersScreenClass()
{
    return formGeocacheFiltersScreenClass;
}

} // namespace quarn::forms
