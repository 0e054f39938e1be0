#include "forms/frame/StartupScreen.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

// White text on black, under the splash picture.
const Colours kSplashColours = Colours()
                                   .role(QPalette::WindowText, kWhite, kDisabledText)
                                   .role(QPalette::Base, kWhite, kBlack)
                                   .role(QPalette::Window, kBlack);
// White text over a black base; disabled, the text disappears.
const Colours kCopyrightColours = Colours()
                                      .role(QPalette::WindowText, kWhite, kClear)
                                      .role(QPalette::Text, kWhite, kClear)
                                      .role(QPalette::Base, kBlack);

// The owner panel is blue in every role but its white text and the lighter
// shades of its bevel.
QPalette ownerPanelPalette()
{
    const QColor blue(0, 0, 255);
    const QColor lightBlue(127, 127, 255);
    Colours colours;
    for (int role = QPalette::WindowText; role <= QPalette::ToolTipText; ++role) {
        if (role != QPalette::NoRole)
            colours.role(QPalette::ColorRole(role), blue);
    }
    return colours.role(QPalette::WindowText, kWhite, blue)
        .role(QPalette::Light, lightBlue)
        .role(QPalette::Midlight, QColor(63, 63, 255))
        .role(QPalette::AlternateBase, lightBlue, blue);
}

void setupUi(Ui_StartupScreen &ui, QWidget *root)
{
    Root(root, "StartupScreen")
        .size(240, 400)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .minimumSize(240, 400)
        .maximumSize(240, 400)
        .property("palette", kSplashColours.palette())
        .property("contextMenuPolicy", 0)
        .property("autoFillBackground", false);

    make(ui.iconLogo, root, "iconLogo").at(0, 0, 240, 400).image(":/bkgd_Splash.mif");
    make(ui.txtCopyright, ui.iconLogo, "txtCopyright")
        .at(0, 265, 240, 135)
        .palette(kCopyrightColours)
        .font(boldAA())
        .noAutoFillBackground()
        .verticalScrollBar(Qt::ScrollBarAlwaysOff)
        .pixelSize(10);
    make(ui.txtVersion, ui.iconLogo, "txtVersion")
        .at(0, 244, 240, 20)
        .font(aaFont())
        .plainText()
        .alignment(align::Centre)
        .pixelSize(12)
        .content("v0.01");
    make(ui.pAnimationCtrl, ui.iconLogo, "pAnimationCtrl")
        .at(80, 138, 85, 87)
        .animationImages({":/i_SplashStopwatch01.mif", ":/i_SplashStopwatch02.mif", ":/i_SplashStopwatch03.mif",
                          ":/i_SplashStopwatch04.mif", ":/i_SplashStopwatch05.mif", ":/i_SplashStopwatch06.mif",
                          ":/i_SplashStopwatch07.mif", ":/i_SplashStopwatch08.mif", ":/i_SplashStopwatch09.mif",
                          ":/i_SplashStopwatch10.mif", ":/i_SplashStopwatch11.mif", ":/i_SplashStopwatch12.mif",
                          ":/i_SplashStopwatch13.mif", ":/i_SplashStopwatch14.mif", ":/i_SplashStopwatch15.mif",
                          ":/i_SplashStopwatch16.mif"});
    make(ui.ownerInfoContainer, ui.iconLogo, "ownerInfoContainer").at(0, 265, 240, 135).palette(ownerPanelPalette());
    make(ui.txtOwnerName, ui.ownerInfoContainer, "txtOwnerName")
        .at(0, 15, 240, 20)
        .font(normalWeightAA())
        .plainText()
        .alignment(align::Centre)
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("");
    make(ui.txtOwnerPhone, ui.ownerInfoContainer, "txtOwnerPhone")
        .at(0, 40, 240, 20)
        .font(normalWeightAA())
        .plainText()
        .alignment(align::Centre)
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("");
    make(ui.txtStatus, ui.ownerInfoContainer, "txtStatus")
        .at(0, 110, 240, 20)
        .font(normalWeightAA())
        .plainText()
        .alignment(align::Centre)
        .pixelSize(14)
        .textBoxFlags(TextBoxFlags::FirstOn)
        .content("");
    make(ui.txtProductName, ui.iconLogo, "txtProductName")
        .at(0, 220, 240, 28)
        .alignment(align::Centre)
        .pixelSize(18)
        .content("Velmora® 510");
}

void retranslateUi(Ui_StartupScreen &ui, QWidget *root)
{
    root->setProperty("windowTitle", QString());
    ui.txtCopyright->setPlainText(QString());
}

Form<Ui_StartupScreen, setupUi, retranslateUi> formStartupScreen;

} // namespace

FormLayout &StartupScreen()
{
    return formStartupScreen;
}

} // namespace quarn::forms
