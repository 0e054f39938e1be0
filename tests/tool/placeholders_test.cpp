// The placeholder generator's parts: reading the image catalogue, and painting
// a stand-in per path.

#include "image_catalogue.h"
#include "image_digest.h"
#include "placeholder_painter.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace quarn::placeholders;

TEST(ImageCatalogue, ReadsPathsWithTheirFormsOrWhyUnused)
{
    QString error;
    const QList<CatalogueImage> catalogue = readImageCatalogue(R"json({"images": [
        {"path": ":/Icons/i_home phone.mif", "forms": ["AbContactItem", "AbAddressScreenClass"]},
        {"path": ":/Icons/i_spare.mif", "unused": "kept for the host's own screens"}]})json",
                                                               &error);
    ASSERT_EQ(catalogue.size(), 2) << error.toStdString();
    EXPECT_EQ(catalogue.at(0).path, ":/Icons/i_home phone.mif");
    EXPECT_EQ(catalogue.at(0).forms, (QStringList{"AbContactItem", "AbAddressScreenClass"}));
    EXPECT_EQ(catalogue.at(1).unused, "kept for the host's own screens");
    EXPECT_EQ(imagesOfForm(catalogue, "AbAddressScreenClass"), QStringList{":/Icons/i_home phone.mif"});
    EXPECT_TRUE(imagesOfForm(catalogue, "PinClass").isEmpty());
}

TEST(ImageCatalogue, RejectsWhatCannotBeAnEntry)
{
    const char *const broken[] = {
        R"json({"images": [{"path": ":/Icons/i_a.mif", "forms": ["PinClass"]},)json", // not JSON
        R"json({"pictures": []})json",
        R"json({"images": [{"path": "Icons/i_a.mif", "forms": ["PinClass"]}]})json",
        R"json({"images": [{"path": ":/Icons/i_a.png", "forms": ["PinClass"]}]})json",
        R"json({"images": [{"path": ":/Icons/i_a.mif", "forms": ["PinClass"]},
                           {"path": ":/Icons/i_a.mif", "forms": ["QuarnTitleBar"]}]})json",
        R"json({"images": [{"path": ":/Icons/i_a.mif"}]})json",
        R"json({"images": [{"path": ":/Icons/i_a.mif", "forms": ["PinClass"], "unused": "both"}]})json",
    };
    for (const char *json : broken) {
        QString error;
        EXPECT_TRUE(readImageCatalogue(json, &error).isEmpty()) << json;
        EXPECT_FALSE(error.isEmpty()) << json;
    }
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
    const QStringList paths = {":/Buttons/b_Back.mif",           ":/Buttons/b_Back_h.mif",
                               ":/Buttons/b_list_f.mif",         ":/Icons/i_home phone.mif",
                               ":/Icons/i_work phone.mif",       ":/Icons/i_Man_01.mif",
                               ":/maneuvers/Icons/i_Man_01.mif", ":/Bkgd/shadow_brush.mif",
                               ":/Bkgd/bkgd_BottomBar.mif",      ":/bkgd_Splash.mif",
                               ":/i_SplashStopwatch01.mif",      ":/i_SplashStopwatch02.mif"};
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
