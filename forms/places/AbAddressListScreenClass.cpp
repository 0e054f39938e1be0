#include "forms/places/AbAddressListScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_AbAddressListScreenClass &ui, QWidget *root)
{
    Root(root, "AbAddressListScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnDelete, ui.statusBar, "btnDelete").at(164, 7, 76, 43).actionButton();
    make(ui.iconDelete, ui.btnDelete, "iconDelete").at(22, 7, 32, 32).image(":/Icons/i_MenuIcon_Delete.mif");
    make(ui.btnSave, ui.statusBar, "btnSave").at(164, 7, 76, 43).actionButton();
    make(ui.iconSave, ui.btnSave, "iconSave").at(22, 7, 32, 32).image(":/Icons/i_MenuIcon_Save.mif");
    listHeaderButton(ui.btnListHeader, root);
    make(ui.iconAddr, ui.btnListHeader, "iconAddr").at(2, 3, 38, 38).image(":/Icons/i_assigntype_Location.mif");
    make(ui.labelName, ui.btnListHeader, "labelName")
        .at(50, 10, 171, 28)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .listItemName()
        .indent(5)
        .pixelSize(16)
        .clickable();
    make(ui.scrollArea, root, "scrollArea").at(0, 67, 240, 287).scrollingPage();
    scrollContent(ui.scrollAreaWidgetContents, ui.scrollArea, "scrollAreaWidgetContents")
        .at(0, 0, 230, 405)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minSize(230, 405);
    make(ui.verticalLayoutWidget, ui.scrollAreaWidgetContents, "verticalLayoutWidget").at(0, 0, 230, 281);
    layout(ui.verticalLayout, ui.verticalLayoutWidget, "verticalLayout").spacing(0).margins(0, 5, 0, 0);
    make(ui.btnAddress1, ui.verticalLayoutWidget, "btnAddress1").listButton().eventPropagation();
    make(ui.btnGo1, ui.btnAddress1, "btnGo1").at(170, 4, 54, 43).goButton();
    make(ui.btnAddress1Icon, ui.btnAddress1, "btnAddress1Icon").at(11, 7, 38, 38).normal(":/Icons/i_WP_Home.mif");
    make(ui.formLayoutWidget, ui.btnAddress1, "formLayoutWidget").at(50, -1, 121, 51);
    layout(ui.formLayout_1, ui.formLayoutWidget, "formLayout_1")
        .horizontalSpacing(0)
        .verticalSpacing(2)
        .margins(0, 2, 0, 0)
        .fieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint)
        .formAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    make(ui.txtAddr1Part1, ui.formLayoutWidget, "txtAddr1Part1").smallCaption().textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtAddr1Part2, ui.formLayoutWidget, "txtAddr1Part2").smallCaption().textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnAddress2, ui.verticalLayoutWidget, "btnAddress2").listButton().eventPropagation();
    make(ui.btnGo2, ui.btnAddress2, "btnGo2").at(170, 4, 54, 43).goButton();
    make(ui.btnAddress2Icon, ui.btnAddress2, "btnAddress2Icon").at(11, 7, 38, 38).normal(":/Icons/i_WorkAddress.mif");
    make(ui.formLayoutWidget_2, ui.btnAddress2, "formLayoutWidget_2").at(50, 0, 121, 51);
    layout(ui.formLayout_2, ui.formLayoutWidget_2, "formLayout_2")
        .horizontalSpacing(0)
        .verticalSpacing(2)
        .margins(0, 2, 0, 0)
        .fieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint)
        .formAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    make(ui.txtAddr2Part1, ui.formLayoutWidget_2, "txtAddr2Part1").smallCaption().textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtAddr2Part2, ui.formLayoutWidget_2, "txtAddr2Part2").smallCaption().textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnHomePhone, ui.verticalLayoutWidget, "btnHomePhone").listButton().eventPropagation();
    make(ui.icon_3, ui.btnHomePhone, "icon_3").at(10, 8, 38, 38).image(":/Icons/i_home phone.mif");
    make(ui.txtHomePhone, ui.btnHomePhone, "txtHomePhone")
        .at(50, 6, 161, 38)
        .pixelSize(19)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnWorkPhone, ui.verticalLayoutWidget, "btnWorkPhone").listButton().eventPropagation();
    make(ui.icon_4, ui.btnWorkPhone, "icon_4").at(10, 8, 38, 38).image(":/Icons/i_work phone.mif");
    make(ui.txtWorkPhone, ui.btnWorkPhone, "txtWorkPhone")
        .at(50, 6, 161, 38)
        .pixelSize(19)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnMobilePhone, ui.verticalLayoutWidget, "btnMobilePhone").listButton().eventPropagation();
    make(ui.icon_5, ui.btnMobilePhone, "icon_5").at(10, 8, 38, 38).image(":/Icons/i_MobilePhone.mif");
    make(ui.txtMobilePhone, ui.btnMobilePhone, "txtMobilePhone")
        .at(50, 6, 161, 38)
        .pixelSize(19)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.btnNotes, ui.scrollAreaWidgetContents, "btnNotes")
        .at(2, 295, 230, 91)
        .normal(":/Bkgd/bkgd_Dashboard_Field_230x91.mif")
        .eventPropagation();
    make(ui.btnEditNotes, ui.btnNotes, "btnEditNotes").at(7, 7, 38, 38).normal(":/Icons/i_notes.mif");
    make(ui.txtNotes, ui.btnNotes, "txtNotes").at(45, 7, 171, 71).smallCaption();

    addToForm(ui.formLayout_1, 0, QFormLayout::SpanningRole, ui.txtAddr1Part1);
    addToForm(ui.formLayout_1, 1, QFormLayout::SpanningRole, ui.txtAddr1Part2);
    addToForm(ui.formLayout_2, 0, QFormLayout::SpanningRole, ui.txtAddr2Part1);
    addToForm(ui.formLayout_2, 1, QFormLayout::SpanningRole, ui.txtAddr2Part2);
    addMembers(ui.verticalLayout,
               {ui.btnAddress1, ui.btnAddress2, ui.btnHomePhone, ui.btnWorkPhone, ui.btnMobilePhone});
}

void retranslateUi(Ui_AbAddressListScreenClass &, QWidget *)
{
}

Form<Ui_AbAddressListScreenClass, setupUi, retranslateUi> formAbAddressListScreenClass;

} // namespace

FormLayout &AbAddressListScreenClass()
{
    return formAbAddressListScreenClass;
}

} // namespace quarn::forms
