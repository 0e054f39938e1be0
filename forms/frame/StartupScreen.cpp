#include "forms/frame/StartupScreen.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_StartupScreen &ui, QWidget *root)
{
    Root(root, "StartupScreen")
        .size(240, 400)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minimumSize(240, 400)
        .maximumSize(240, 400)
        .property("contextMenuPolicy", Qt::NoContextMenu)
        .property("palette",
                  QPalette(Colours()
                               .role(QPalette::WindowText, kWhite, kDisabledText)
                               .role(QPalette::Base, kWhite, kBlack)
                               .role(QPalette::Window, kBlack)));

    make(ui.iconLogo, root, "iconLogo").at(0, 0, 240, 400).image(":/bkgd_Splash.mif");
    make(ui.txtCopyright, ui.iconLogo, "txtCopyright")
        .at(0, 265, 240, 135)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kClear)
                     .role(QPalette::Text, kWhite, kClear)
                     .role(QPalette::Base, kBlack))
        .font(boldAA())
        .verticalScrollBar(Qt::ScrollBarAlwaysOff)
        .pixelSize(10);
    make(ui.txtVersion, ui.iconLogo, "txtVersion")
        .at(0, 244, 240, 20)
        .font(aaFont())
        .textFormat(Qt::PlainText)
        .alignment(Qt::AlignCenter)
        .content("v0.01")
        .pixelSize(12);
    make(ui.pAnimationCtrl, ui.iconLogo, "pAnimationCtrl")
        .at(80, 138, 85, 87)
        .animationImages({":/i_SplashStopwatch01.mif", ":/i_SplashStopwatch02.mif", ":/i_SplashStopwatch03.mif",
                          ":/i_SplashStopwatch04.mif", ":/i_SplashStopwatch05.mif", ":/i_SplashStopwatch06.mif",
                          ":/i_SplashStopwatch07.mif", ":/i_SplashStopwatch08.mif", ":/i_SplashStopwatch09.mif",
                          ":/i_SplashStopwatch10.mif", ":/i_SplashStopwatch11.mif", ":/i_SplashStopwatch12.mif",
                          ":/i_SplashStopwatch13.mif", ":/i_SplashStopwatch14.mif", ":/i_SplashStopwatch15.mif",
                          ":/i_SplashStopwatch16.mif"});
    make(ui.ownerInfoContainer, ui.iconLogo, "ownerInfoContainer")
        .at(0, 265, 240, 135)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, QColor(0, 0, 255))
                     .role(QPalette::Button, QColor(0, 0, 255))
                     .role(QPalette::Light, QColor(127, 127, 255))
                     .role(QPalette::Midlight, QColor(63, 63, 255))
                     .role(QPalette::Dark, QColor(0, 0, 255))
                     .role(QPalette::Mid, QColor(0, 0, 255))
                     .role(QPalette::Text, QColor(0, 0, 255))
                     .role(QPalette::BrightText, QColor(0, 0, 255))
                     .role(QPalette::ButtonText, QColor(0, 0, 255))
                     .role(QPalette::Base, QColor(0, 0, 255))
                     .role(QPalette::Window, QColor(0, 0, 255))
                     .role(QPalette::Shadow, QColor(0, 0, 255))
                     .role(QPalette::Highlight, QColor(0, 0, 255))
                     .role(QPalette::HighlightedText, QColor(0, 0, 255))
                     .role(QPalette::Link, QColor(0, 0, 255))
                     .role(QPalette::LinkVisited, QColor(0, 0, 255))
                     .role(QPalette::AlternateBase, QColor(127, 127, 255), QColor(0, 0, 255))
                     .role(QPalette::ToolTipBase, QColor(0, 0, 255))
                     .role(QPalette::ToolTipText, QColor(0, 0, 255)));
    make(ui.txtOwnerName, ui.ownerInfoContainer, "txtOwnerName")
        .at(0, 15, 240, 20)
        .font(normalWeightAA())
        .textFormat(Qt::PlainText)
        .alignment(Qt::AlignCenter)
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtOwnerPhone, ui.ownerInfoContainer, "txtOwnerPhone")
        .at(0, 40, 240, 20)
        .font(normalWeightAA())
        .textFormat(Qt::PlainText)
        .alignment(Qt::AlignCenter)
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtStatus, ui.ownerInfoContainer, "txtStatus")
        .at(0, 110, 240, 20)
        .font(normalWeightAA())
        .textFormat(Qt::PlainText)
        .alignment(Qt::AlignCenter)
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn);
    make(ui.txtProductName, ui.iconLogo, "txtProductName")
        .at(0, 220, 240, 28)
        .alignment(Qt::AlignCenter)
        .content("Velmora® 510")
        .pixelSize(18);
}

void retranslateUi(Ui_StartupScreen &, QWidget *root)
{
    root->setWindowTitle(QString());
}

Form<Ui_StartupScreen, setupUi, retranslateUi> formStartupScreen;

} // namespace

FormLayout &StartupScreen()
{
    return formStartupScreen;
}

} // namespace quarn::forms
