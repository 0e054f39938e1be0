#include "forms/geocaching/GeocacheFilterTypeClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheFilterTypeClass &ui, QWidget *root)
{
    Root(root, "GeocacheFilterTypeClass").size(240, 400).property("enabled", true);

    make(ui.icon, root, "icon").at(0, 20, 240, 33).imageProperty("image", ":/Bkgd/bkgd_TitleAreaIndicator.mif");
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 0, 240, 33)
        .palette(whiteText())
        .font(boldAA())
        .alignment(align::Centre)
        .wordWrap()
        .property("fontPixelSize", 18);
    make(ui.listTypes, root, "listTypes").at(0, 140, 241, 211);
    make(ui.statCacheSize, ui.listTypes, "statCacheSize")
        .at(10, 190, 47, 14)
        .imageListProperty("images", geocache::cacheSizeImages());
    make(ui.statDiffAndTerrain, ui.listTypes, "statDiffAndTerrain")
        .at(70, 190, 71, 191)
        .imageListProperty("images", geocache::ratingImages());
    make(ui.statGeocacheStatus, ui.listTypes, "statGeocacheStatus")
        .at(160, 180, 25, 22)
        .imageListProperty("images", geocache::foundStatusPaneImages());
    make(ui.btnListType, root, "btnListType").at(6, 100, 226, 38).closedPageButton();
    make(ui.txtButtonLabel, ui.btnListType, "txtButtonLabel")
        .at(12, 8, 201, 21)
        .panelText()
        .alignment(align::Centre)
        .property("fontPixelSize", 12);
    make(ui.statusBar, root, "statusBar").at(0, 350, 240, 50).imageProperty("image", ":/Bkgd/bkgd_BottomBar.mif");
    make(ui.btnBack, ui.statusBar, "btnBack")
        .at(0, 7, 60, 43)
        .imageProperty("normal", ":/Buttons/b_Back.mif")
        .imageProperty("pressed", ":/Buttons/b_Back_h.mif");
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.btnHeader, root, "btnHeader").at(6, 60, 226, 38).closedPageButton().property("eventPropagation", true);
    make(ui.horizontalLayoutWidget, ui.btnHeader, "horizontalLayoutWidget").at(12, 4, 208, 29);
    layout(ui.horizontalLayout, ui.horizontalLayoutWidget, "horizontalLayout").spacing(6);
    make(ui.txtHeader, ui.horizontalLayoutWidget, "txtHeader")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred)
        .font(boldAA())
        .property("fontPixelSize", 14);
    make(ui.txtTypes, ui.horizontalLayoutWidget, "txtTypes")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .property("fontPixelSize", 14)
        .property("ellipsis", true)
        .property("content", QStringLiteral("long long long long long long long"));
    spacer(ui.verticalSpacer, 5, 20, QSizePolicy::Minimum, QSizePolicy::Minimum);

    addMembers(ui.horizontalLayout, {ui.txtHeader, ui.txtTypes, ui.verticalSpacer});
}

void retranslateUi(Ui_GeocacheFilterTypeClass &ui, QWidget *)
{
    ui.labelName->setProperty("content", QCoreApplication::translate("GeocacheFilterTypeClass", "Show"));
    ui.txtButtonLabel->setProperty("content", QCoreApplication::translate("GeocacheFilterTypeClass", "All"));
    ui.txtHeader->setProperty("content", QCoreApplication::translate("GeocacheFilterTypeClass", "Difficulty:"));
}

Form<Ui_GeocacheFilterTypeClass, setupUi, retranslateUi> formGeocacheFilterTypeClass;

} // namespace

FormLayout &GeocacheFilterTypeClass()
{
    return formGeocacheFilterTypeClass;
}

} // namespace quarn::forms
