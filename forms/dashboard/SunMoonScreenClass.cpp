#include "forms/dashboard/SunMoonScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>
#include <QTextDocument>

namespace quarn::forms {
namespace {

// What the read-outs start with: the rich text Qt writes for an empty text.
//: Empty rich-text document, not prose; keep it unless the language needs another font.
const char kEmptyDocument[] = QT_TRANSLATE_NOOP(
    "SunMoonScreenClass",
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
    "<html><head><meta name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\n"
    "p, li { white-space: pre-wrap; }\n"
    "</style></head><body style=\" font-family:'Arial'; font-size:10pt; font-weight:600; font-style:normal;\">\n"
    "<p style=\"-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; "
    "-qt-block-indent:0; text-indent:0px; font-family:'MS Shell Dlg 2';\"><br /></p></body></html>");

void setupUi(Ui_SunMoonScreenClass &ui, QWidget *root)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);

    Root(root, "SunMoonScreenClass").size(240, 400).property("palette", darkPanelPalette());

    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName")
        .at(50, 10, 140, 26)
        .palette(whiteText())
        .font(boldAA())
        .locale(english)
        .alignment(align::Centre)
        .pixelSize(16);
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_Sun_Moon.mif");
    bottomBar(ui.bottomBar, root, "bottomBar");
    backButton(ui.btnBack, ui.bottomBar);
    make(ui.backing, root, "backing").at(0, 67, 240, 286);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(0, 191, 241, 91);
    layout(ui.horizontalLayout_3, ui.layoutWidget, "horizontalLayout_3").spacing(6).margins(5, 0, 2, 0);
    layout(ui.verticalLayout_3, nullptr, "verticalLayout_3").spacing(6).margins(-1, -1, -1, 3);
    spacer(ui.obj9, 20, 30, QSizePolicy::Minimum, QSizePolicy::Expanding);
    make(ui.txtRises, ui.layoutWidget, "txtRises")
        .palette(Colours().role(QPalette::WindowText, kBlack, kClear).role(QPalette::Shadow, QColor(0xC3, 0xC3, 0xC3)))
        .font(boldAA())
        .locale(english)
        .alignment(align::RightVCentre)
        .pixelSize(12);
    make(ui.txtSets, ui.layoutWidget, "txtSets")
        .palette(Colours().role(QPalette::WindowText, kBlack, kClear))
        .font(boldAA())
        .locale(english)
        .alignment(align::RightVCentre)
        .pixelSize(12);
    layout(ui.verticalLayout, nullptr, "verticalLayout").spacing(3).sizeConstraint(QLayout::SetDefaultConstraint);
    layout(ui.horizontalLayout, nullptr, "horizontalLayout").spacing(6);
    spacer(ui.obj14, 12, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.iconSun, ui.layoutWidget, "iconSun").image(":/Icons/i_Sun.mif");
    spacer(ui.obj16, 13, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.txtSunRise, ui.layoutWidget, "txtSunRise").enabled().with(sunMoonReadout);
    make(ui.txtSunSet, ui.layoutWidget, "txtSunSet").with(sunMoonReadout);
    layout(ui.verticalLayout_2, nullptr, "verticalLayout_2").spacing(3).sizeConstraint(QLayout::SetDefaultConstraint);
    layout(ui.horizontalLayout_2, nullptr, "horizontalLayout_2").spacing(6);
    spacer(ui.obj21, 13, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.iconMoon, ui.layoutWidget, "iconMoon").noAutoFillBackground().image(":/Icons/i_Moon.mif");
    spacer(ui.obj23, 17, 17, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.txtMoonRise, ui.layoutWidget, "txtMoonRise").with(sunMoonReadout);
    make(ui.txtMoonSet, ui.layoutWidget, "txtMoonSet").with(sunMoonReadout);
    make(ui.calendarWidget, ui.backing, "calendarWidget").at(0, 0, 240, 191).with(standardCalendar);

    addMembers(ui.horizontalLayout_3, {ui.verticalLayout_3, ui.verticalLayout, ui.verticalLayout_2});
    addMembers(ui.verticalLayout_3, {ui.obj9, ui.txtRises, ui.txtSets});
    setStretchFactors(ui.verticalLayout_3, {2, 1, 1});
    addMembers(ui.verticalLayout, {ui.horizontalLayout, ui.txtSunRise, ui.txtSunSet});
    addMembers(ui.horizontalLayout, {ui.obj14, ui.iconSun, ui.obj16});
    addMembers(ui.verticalLayout_2, {ui.horizontalLayout_2, ui.txtMoonRise, ui.txtMoonSet});
    addMembers(ui.horizontalLayout_2, {ui.obj21, ui.iconMoon, ui.obj23});
}

void retranslateUi(Ui_SunMoonScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("SunMoonScreenClass", "Sun and Moon"));
    ui.txtRises->setContent(QCoreApplication::translate("SunMoonScreenClass", "Rises"));
    ui.txtSets->setContent(QCoreApplication::translate("SunMoonScreenClass", "Sets"));
    ui.txtSunRise->setHtml(QCoreApplication::translate("SunMoonScreenClass", kEmptyDocument));
    ui.txtSunSet->setHtml(QCoreApplication::translate("SunMoonScreenClass", kEmptyDocument));
    ui.txtMoonRise->document()->setMetaInformation(QTextDocument::DocumentTitle, QString());
    ui.txtMoonRise->setHtml(QCoreApplication::translate("SunMoonScreenClass", kEmptyDocument));
    ui.txtMoonSet->setHtml(QCoreApplication::translate("SunMoonScreenClass", kEmptyDocument));
}

Form<Ui_SunMoonScreenClass, setupUi, retranslateUi> formSunMoonScreenClass;

} // namespace

FormLayout &SunMoonScreenClass()
{
    return formSunMoonScreenClass;
}

} // namespace quarn::forms
