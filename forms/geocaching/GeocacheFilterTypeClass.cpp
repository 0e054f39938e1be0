#include "forms/geocaching/GeocacheFilterTypeClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_GeocacheFilterTypeClass &ui, QWidget *root)
{
    Root(root, "GeocacheFilterTypeClass").size(240, 400);

    serviceTitleStrip(ui.icon, root, 20);
    make(ui.labelName, ui.icon, "labelName")
        .at(0, 0, 240, 33)
        .palette(whiteText())
        .font(boldAA())
        .alignment(Qt::AlignCenter)
        .wordWrap()
        .pixelSize(18);
    make(ui.listTypes, root, "listTypes").at(0, 140, 241, 211);
    make(ui.statCacheSize, ui.listTypes, "statCacheSize").at(10, 190, 47, 14).statusImages(geocache::cacheSizeImages());
    make(ui.statDiffAndTerrain, ui.listTypes, "statDiffAndTerrain")
        .at(70, 190, 71, 191)
        .statusImages(geocache::ratingImages());
    make(ui.statGeocacheStatus, ui.listTypes, "statGeocacheStatus")
        .at(160, 180, 25, 22)
        .statusImages(geocache::foundStatusPaneImages());
    make(ui.btnListType, root, "btnListType").at(6, 100, 226, 38).closedPageButton();
    make(ui.txtButtonLabel, ui.btnListType, "txtButtonLabel")
        .at(12, 8, 201, 21)
        .panelText()
        .alignment(Qt::AlignCenter)
        .pixelSize(12);
    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    scrollButtonSlot(ui.ScrollButtonsWidget, ui.statusBar);
    make(ui.btnHeader, root, "btnHeader").at(6, 60, 226, 38).closedPageButton().eventPropagation();
    make(ui.horizontalLayoutWidget, ui.btnHeader, "horizontalLayoutWidget").at(12, 4, 208, 29);
    layout(ui.horizontalLayout, ui.horizontalLayoutWidget, "horizontalLayout");
    make(ui.txtHeader, ui.horizontalLayoutWidget, "txtHeader")
        .sizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred)
        .caption();
    make(ui.txtTypes, ui.horizontalLayoutWidget, "txtTypes")
        .sizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred)
        .content("long long long long long long long")
        .pixelSize(14)
        .ellipsis();
    spacer(ui.verticalSpacer, 5, 20, QSizePolicy::Minimum, QSizePolicy::Minimum);

    addMembers(ui.horizontalLayout, {ui.txtHeader, ui.txtTypes, ui.verticalSpacer});
}

void retranslateUi(Ui_GeocacheFilterTypeClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("GeocacheFilterTypeClass", "Show"));
    ui.txtButtonLabel->setContent(QCoreApplication::translate("GeocacheFilterTypeClass", "All"));
    ui.txtHeader->setContent(QCoreApplication::translate("GeocacheFilterTypeClass", "Difficulty:"));
}

Form<Ui_GeocacheFilterTypeClass, setupUi, retranslateUi> formGeocacheFilterTypeClass;

} // namespace

FormLayout &GeocacheFilterTypeClass()
{
    return formGeocacheFilterTypeClass;
}

} // namespace quarn::forms
