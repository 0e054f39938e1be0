#include "forms/frame/IconSelectorScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

// The caption under an icon cell.
const Colours kCaptionColours = Colours().role(QPalette::ButtonText, kBlack, kDisabledText);

void setupUi(Ui_IconSelectorScreenClass &ui, QWidget *root)
{
    Root(root, "IconSelectorScreenClass").size(240, 400).popupFrame(":/Bkgd/bkgd_ContextualMenu_Top.mif", 278);

    make(ui.txtTitle, root, "txtTitle").at(39, 45, 151, 22).titleText();
    make(ui.btnClose, root, "btnClose")
        .at(193, 43, 27, 27)
        .normal(":/Buttons/b_ContextualMenu_Close.mif")
        .pressed(":/Buttons/b_ContextualMenu_Close_h.mif");
    make(ui.scrollArea, root, "scrollArea")
        .at(17, 82, 205, 278)
        .verticalScrollBar(Qt::ScrollBarAlwaysOn)
        .horizontalScrollBar(Qt::ScrollBarAlwaysOff)
        .widgetResizable();
    make(ui.scrollAreaWidgetContents, nullptr, "scrollAreaWidgetContents")
        .at(0, 0, 184, 276)
        .minSize(184, 276)
        .autoFillBackground();
    make(ui.gridLayoutWidget, ui.scrollAreaWidgetContents, "gridLayoutWidget").at(0, -2, 204, 281);
    layout(ui.gridLayout, ui.gridLayoutWidget, "gridLayout")
        .sizeConstraint(QLayout::SetMinimumSize)
        .verticalSpacing(2)
        .margins(0, 0, 0, 0);
    make(ui.iconButtonBack, ui.gridLayoutWidget, "iconButtonBack")
        .maxSize(QWIDGETSIZE_MAX, 55)
        .image(":/Buttons/b_KB_01_f.mif");
    make(ui.textBox, ui.iconButtonBack, "textBox")
        .at(-10, 40, 71, 20)
        .palette(kCaptionColours)
        .alignment(align::HCentreBottom)
        .pixelSize(12)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("Bravik");

    addToGrid(ui.gridLayout, ui.iconButtonBack, 0, 0);
    setScrollContent(ui.scrollArea, ui.scrollAreaWidgetContents);
}

void retranslateUi(Ui_IconSelectorScreenClass &ui, QWidget *)
{
    ui.txtTitle->setContent(QCoreApplication::translate("IconSelectorScreenClass", "Select Icon"));
}

Form<Ui_IconSelectorScreenClass, setupUi, retranslateUi> formIconSelectorScreenClass;

} // namespace

FormLayout &IconSelectorScreenClass()
{
    return formIconSelectorScreenClass;
}

} // namespace quarn::forms
