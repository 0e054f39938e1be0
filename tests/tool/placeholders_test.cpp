// The placeholder generator's parts: finding image paths in sources, and
// painting a stand-in per path.

#include "image_digest.h"
#include "placeholder_painter.h"
#include "source_scanner.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace quarn::placeholders;

TEST(SourceScanner, FindsPathsInLiteralsWhereverTheyAre)
{
    const QByteArray source = R"cpp(
        make(ui.btnBack, bar, "btnBack").faces(":/Buttons/b_Back.mif", ":/Buttons/b_Back_h.mif");
        icon->setImage(QPixmap(QStringLiteral(":/Icons/i_home phone.mif")));
        splash(":/bkgd_Splash.mif");
        turn(u8":/maneuvers/Icons/i_Man_01.mif");
        const char kCfg[] = "<FIELD image = \":/Bkgd/bkgd_Dashboard_Field_230x91.mif\" image_pressed = \":/Bkgd/bkgd_Dashboard_Field_230x91_h.mif\"/>";
    )cpp";
    EXPECT_EQ(imagePathsInSource(source),
              (QStringList{":/Buttons/b_Back.mif", ":/Buttons/b_Back_h.mif", ":/Icons/i_home phone.mif",
                           ":/bkgd_Splash.mif", ":/maneuvers/Icons/i_Man_01.mif",
                           ":/Bkgd/bkgd_Dashboard_Field_230x91.mif", ":/Bkgd/bkgd_Dashboard_Field_230x91_h.mif"}));
}

TEST(SourceScanner, JoinsAdjacentLiteralsAsTheCompilerDoes)
{
    EXPECT_EQ(imagePathsInSource("image(\":/Icons/\"\n   \"i_Sun.mif\");"), QStringList{":/Icons/i_Sun.mif"});
    EXPECT_EQ(imagePathsInSource("image(\":/Icons/\" /* between */ \"i_Moon.mif\");"), QStringList{":/Icons/i_Moon.mif"});
    // A prefix does not end the run of literals.
    EXPECT_EQ(imagePathsInSource("f(\":/Icons/\" L\"i_W.mif\");"), QStringList{":/Icons/i_W.mif"});
    // Anything else between two literals does.
    EXPECT_TRUE(imagePathsInSource("f(\":/Icons/\", \"i_x.mif\");").isEmpty());
}

TEST(SourceScanner, SkipsCommentsAndCharacterLiterals)
{
    const QByteArray source = R"cpp(
        // setImage(":/Icons/i_commented.mif");
        /* ":/Icons/i_block.mif" */
        const char quote = '"'; const char other = '\'';
        f(":/Icons/i_real.mif"); int n = 1'000;
        g(":/Icons/i_after.mif");
    )cpp";
    EXPECT_EQ(imagePathsInSource(source), (QStringList{":/Icons/i_real.mif", ":/Icons/i_after.mif"}));
}

TEST(SourceScanner, ReadsEscapesAndRawLiterals)
{
    EXPECT_EQ(imagePathsInSource(R"src(f(":/Icons/i_\"q\".mif"); )src").size(), 0)
        << "a quote cannot be part of a path";
    EXPECT_EQ(imagePathsInSource(R"src(f(R"x(:/Icons/i_raw.mif)x");)src"), QStringList{":/Icons/i_raw.mif"});
    EXPECT_EQ(imagePathsInSource(R"src(f(":/Icons/i_tab\\x.mif");)src"), QStringList{":/Icons/i_tab\\x.mif"});
    EXPECT_TRUE(imagePathsInSource("f(\"Icons/i_no_prefix.mif\", \":/Icons/i_no_suffix.png\");").isEmpty());
}

TEST(PlaceholderPainter, SizesFollowTheNameThenTheFolder)
{
    EXPECT_EQ(placeholderSize(":/Bkgd/bkgd_Dashboard_Field_113x45.mif"), QSize(113, 45));
    EXPECT_EQ(placeholderSize(":/Bkgd/bkgd_Dashboard_Field_230x91_h.mif"), QSize(230, 91));
    EXPECT_EQ(placeholderSize(":/bkgd_Splash.mif"), QSize(240, 400));

    const QSize background = placeholderSize(":/Bkgd/bkgd_BottomBar.mif");
    EXPECT_GT(background.width(), 2 * background.height());
    const QSize button = placeholderSize(":/Buttons/b_Back.mif");
    EXPECT_GT(button.width(), button.height());
    EXPECT_LT(button.width(), background.width());
    const QSize icon = placeholderSize(":/Icons/i_home phone.mif");
    EXPECT_EQ(icon.width(), icon.height());
    const QSize maneuver = placeholderSize(":/maneuvers/Icons/i_Man_01.mif");
    EXPECT_EQ(maneuver.width(), maneuver.height());
}

TEST(PlaceholderPainter, PicturesHaveTheirSizeAndAreAllDistinct)
{
    const QStringList paths = {":/Buttons/b_Back.mif", ":/Buttons/b_Back_h.mif", ":/Buttons/b_list_f.mif",
                               ":/Icons/i_home phone.mif", ":/Icons/i_work phone.mif", ":/Icons/i_Man_01.mif",
                               ":/maneuvers/Icons/i_Man_01.mif", ":/Bkgd/shadow_brush.mif", ":/Bkgd/bkgd_BottomBar.mif",
                               ":/bkgd_Splash.mif", ":/i_SplashStopwatch01.mif", ":/i_SplashStopwatch02.mif"};
    QSet<QByteArray> digests;
    for (const QString &path : paths) {
        const QImage image = paintPlaceholder(path);
        EXPECT_EQ(image.size(), placeholderSize(path)) << path.toStdString();
        digests.insert(imageDigest(image));
    }
    EXPECT_EQ(digests.size(), paths.size());
}

TEST(PlaceholderPainter, BackgroundsLetWhatIsOnThemShowThrough)
{
    const QImage background = paintPlaceholder(":/Bkgd/bkgd_TitleAreaIndicator_big.mif");
    const QImage icon = paintPlaceholder(":/Icons/i_Sun.mif");
    const QPoint middle(background.width() / 2, background.height() / 3);
    EXPECT_LT(qAlpha(background.pixel(middle)), 200);
    EXPECT_GT(qAlpha(icon.pixel(icon.width() / 2, 2)), qAlpha(background.pixel(middle)));
}

TEST(PlaceholderPainter, IsTheSameEveryTime)
{
    EXPECT_EQ(imageDigest(paintPlaceholder(":/Icons/i_Sun.mif")), imageDigest(paintPlaceholder(":/Icons/i_Sun.mif")));
}
