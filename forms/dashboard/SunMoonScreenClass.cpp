#include "forms/dashboard/SunMoonScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_SunMoonScreenClass &ui, QWidget *root)
{
    Root(root, "SunMoonScreenClass").size(240, 400).property("palette", darkPanelPalette());

    titleHeader(ui.icon, root, "icon");
    make(ui.labelName, ui.icon, "labelName")
        .at(50, 10, 140, 26)
        .titleText()
        .locale(QLocale(QLocale::English, QLocale::UnitedStates));
    titleIcon(ui.icon_2, ui.icon, "icon_2", ":/Icons/i_Sun_Moon.mif");
    make(ui.bottomBar, root, "bottomBar").at(0, 350, 240, 50).image(":/Bkgd/bkgd_BottomBar.mif");
    backButton(ui.btnBack, ui.bottomBar);
    make(ui.backing, root, "backing").at(0, 67, 240, 286);
    make(ui.layoutWidget, ui.backing, "layoutWidget").at(0, 191, 241, 91);
    layout(ui.horizontalLayout_3, ui.layoutWidget, "horizontalLayout_3").margins(5, 0, 2, 0);
    layout(ui.verticalLayout_3, nullptr, "verticalLayout_3").spacing(6).margins(0, 0, 0, 3);
    spacer(ui.obj9, 20, 30, QSizePolicy::Minimum, QSizePolicy::Expanding);
    make(ui.txtRises, ui.layoutWidget, "txtRises")
        .palette(Colours().role(QPalette::WindowText, kBlack, kClear).role(QPalette::Shadow, QColor(195, 195, 195)))
        .smallCaption()
        .locale(QLocale(QLocale::English, QLocale::UnitedStates))
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter);
    make(ui.txtSets, ui.layoutWidget, "txtSets")
        .palette(Colours().role(QPalette::WindowText, kBlack, kClear))
        .smallCaption()
        .locale(QLocale(QLocale::English, QLocale::UnitedStates))
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter);
    layout(ui.verticalLayout, nullptr, "verticalLayout").spacing(3);
    layout(ui.horizontalLayout, nullptr, "horizontalLayout").spacing(6);
    spacer(ui.obj14, 12, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.iconSun, ui.layoutWidget, "iconSun").image(":/Icons/i_Sun.mif");
    spacer(ui.obj16, 13, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.txtSunRise, ui.layoutWidget, "txtSunRise").with(sunMoonReadout);
    make(ui.txtSunSet, ui.layoutWidget, "txtSunSet").with(sunMoonReadout);
    layout(ui.verticalLayout_2, nullptr, "verticalLayout_2").spacing(3);
    layout(ui.horizontalLayout_2, nullptr, "horizontalLayout_2").spacing(6);
    spacer(ui.obj21, 13, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.iconMoon, ui.layoutWidget, "iconMoon").image(":/Icons/i_Moon.mif");
    spacer(ui.obj23, 17, 17, QSizePolicy::Expanding, QSizePolicy::Minimum);
    make(ui.txtMoonRise, ui.layoutWidget, "txtMoonRise").with(sunMoonReadout);
    make(ui.txtMoonSet, ui.layoutWidget, "txtMoonSet").with(sunMoonReadout);
    make(ui.calendarWidget, ui.backing, "calendarWidget").at(0, 0, 240, 191).with(standardCalendar);

    addMembers(ui.verticalLayout_3, {ui.obj9, ui.txtRises, ui.txtSets});
    setStretchFactors(ui.verticalLayout_3, {2, 1, 1});
    addMembers(ui.horizontalLayout, {ui.obj14, ui.iconSun, ui.obj16});
    addMembers(ui.verticalLayout, {ui.horizontalLayout, ui.txtSunRise, ui.txtSunSet});
    addMembers(ui.horizontalLayout_2, {ui.obj21, ui.iconMoon, ui.obj23});
    addMembers(ui.verticalLayout_2, {ui.horizontalLayout_2, ui.txtMoonRise, ui.txtMoonSet});
    addMembers(ui.horizontalLayout_3, {ui.verticalLayout_3, ui.verticalLayout, ui.verticalLayout_2});
}

void retranslateUi(Ui_SunMoonScreenClass &ui, QWidget *)
{
    ui.labelName->setContent(QCoreApplication::translate("SunMoonScreenClass", "Sun and Moon"));
    ui.txtRises->setContent(QCoreApplication::translate("SunMoonScreenClass", "Rises"));
    ui.txtSets->setContent(QCoreApplication::translate("SunMoonScreenClass", "Sets"));
    //: Empty rich-text document, not prose; keep it unless the language needs another font.
    ui.txtSunRise->setHtml(QCoreApplication::translate(
        "SunMoonScreenClass",
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" "
        "\"http://www.w3.org/TR/REC-html40/strict.dtd\">\n<html><head><meta name=\"qrichtext\" content=\"1\" /><style "
        "type=\"text/css\">\np, li { white-space: pre-wrap; }\n</style></head><body style=\" font-family:'Arial'; "
        "font-size:10pt; font-weight:600; font-style:normal;\">\n<p style=\"-qt-paragraph-type:empty; margin-top:0px; "
        "margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:'MS "
        "Shell Dlg 2';\"><br /></p></body></html>"));
    //: Empty rich-text document, not prose; keep it unless the language needs another font.
    ui.txtSunSet->setHtml(QCoreApplication::translate(
        "SunMoonScreenClass",
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" "
        "\"http://www.w3.org/TR/REC-html40/strict.dtd\">\n<html><head><meta name=\"qrichtext\" content=\"1\" /><style "
        "type=\"text/css\">\np, li { white-space: pre-wrap; }\n</style></head><body style=\" font-family:'Arial'; "
        "font-size:10pt; font-weight:600; font-style:normal;\">\n<p style=\"-qt-paragraph-type:empty; margin-top:0px; "
        "margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:'MS "
        "Shell Dlg 2';\"><br /></p></body></html>"));
    //: Empty rich-text document, not prose; keep it unless the language needs another font.
    ui.txtMoonRise->setHtml(QCoreApplication::translate(
        "SunMoonScreenClass",
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" "
        "\"http://www.w3.org/TR/REC-html40/strict.dtd\">\n<html><head><meta name=\"qrichtext\" content=\"1\" /><style "
        "type=\"text/css\">\np, li { white-space: pre-wrap; }\n</style></head><body style=\" font-family:'Arial'; "
        "font-size:10pt; font-weight:600; font-style:normal;\">\n<p style=\"-qt-paragraph-type:empty; margin-top:0px; "
        "margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:'MS "
        "Shell Dlg 2';\"><br /></p></body></html>"));
    //: Empty rich-text document, not prose; keep it unless the language needs another font.
    ui.txtMoonSet->setHtml(QCoreApplication::translate(
        "SunMoonScreenClass",
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" "
        "\"http://www.w3.org/TR/REC-html40/strict.dtd\">\n<html><head><meta name=\"qrichtext\" content=\"1\" /><style "
        "type=\"text/css\">\np, li { white-space: pre-wrap; }\n</style></head><body style=\" font-family:'Arial'; "
        "font-size:10pt; font-weight:600; font-style:normal;\">\n<p style=\"-qt-paragraph-type:empty; margin-top:0px; "
        "margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:'MS "
        "Shell Dlg 2';\"><br /></p></body></html>"));
}

Form<Ui_SunMoonScreenClass, setupUi, retranslateUi> formSunMoonScreenClass;

} // namespace

FormLayout &SunMoonScreenClass()
{
    return formSunMoonScreenClass;
}

} // namespace quarn::forms
