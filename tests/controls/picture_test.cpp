// Pictures given by path: decoded the first time they are painted or asked
// for, once, and then the same picture every time.

#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_check_box.h"

#include <QImage>
#include <QMap>
#include <QVariant>
#include <gtest/gtest.h>

namespace {

// Every path decodes to a 4×4 picture of its own colour; the test counts the decodes.
QMap<QByteArray, int> g_decodes;

QPixmap decodeCounted(const char *path)
{
    ++g_decodes[path];
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(QColor::fromRgb(qHash(QByteArray(path)) | 0xff000000u));
    return QPixmap::fromImage(picture);
}

ZelPicture counted(const char *path)
{
    return ZelPicture(path, &decodeCounted);
}

class Pictures : public ::testing::Test
{
protected:
    void SetUp() override { g_decodes.clear(); }
    void TearDown() override { ZelPicture::setDeferredDecoding(true); }
};

TEST_F(Pictures, AButtonDecodesTheFaceItPaintsAndTheOthersWhenAskedFor)
{
    ZelPushCheckBox button;
    button.setGeometry(0, 0, 20, 20);
    button.setNormal(counted("normal"));
    button.setPressed(counted("pressed"));
    button.setFocused(counted("focused"));
    button.setCheckedImg(counted("checked"));
    button.setUncheckedImg(counted("unchecked"));
    EXPECT_TRUE(g_decodes.isEmpty()) << "nothing decoded before the first paint";

    const QImage shown = button.grab().toImage();
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"normal", 1}, {"unchecked", 1}}));
    EXPECT_EQ(shown.pixelColor(10, 10), button.normal().toImage().pixelColor(0, 0));

    // The getters (and so the properties a dump reads) decode the rest, once.
    const QPixmap pressed = button.pressed();
    EXPECT_EQ(button.property("pressed").value<QPixmap>().cacheKey(), pressed.cacheKey());
    EXPECT_EQ(button.pressed().cacheKey(), pressed.cacheKey());
    button.grab();
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"normal", 1}, {"unchecked", 1}, {"pressed", 1}}));
    EXPECT_FALSE(button.focused().isNull());
    EXPECT_EQ(g_decodes.value("focused"), 1);
}

TEST_F(Pictures, AComboBoxDecodesItsItemFacesOnlyWhenAskedFor)
{
    ZelComboBox box;
    box.setGeometry(0, 0, 60, 20);
    box.setNormal(counted("normal"));
    box.setPressed(counted("pressed"));
    box.setArrowNormal(counted("arrow"));
    box.setArrowPressed(counted("arrow_h"));
    box.setItemNormal(counted("item"));
    box.setItemFocused(counted("item_f"));
    box.setItemPressed(counted("item_h"));
    box.grab();
    EXPECT_EQ(g_decodes, (QMap<QByteArray, int>{{"normal", 1}, {"arrow", 1}}));
    EXPECT_EQ(box.itemNormal().size(), QSize(4, 4));
    EXPECT_EQ(g_decodes.size(), 3);
}

TEST_F(Pictures, APictureGivenDecodedOrDecodedUpFrontIsThePictureGiven)
{
    QPixmap given(3, 3);
    given.fill(Qt::red);
    ZelIcon icon;
    icon.setImage(given);
    EXPECT_EQ(icon.image().cacheKey(), given.cacheKey());
    EXPECT_EQ(ZelPicture(given).path(), nullptr);

    ZelPicture::setDeferredDecoding(false);
    icon.setImage(counted("up front"));
    EXPECT_EQ(g_decodes.value("up front"), 1);
    EXPECT_EQ(icon.image().size(), QSize(4, 4));
    EXPECT_EQ(g_decodes.value("up front"), 1);

    // A path that gives no picture is a null picture, asked for once.
    const ZelPicture missing("missing", [](const char *path) {
        ++g_decodes[path];
        return QPixmap();
    });
    EXPECT_TRUE(missing.isNull());
    EXPECT_TRUE(missing.pixmap().isNull());
    EXPECT_EQ(g_decodes.value("missing"), 1);
}

} // namespace

TEST_F(Pictures, APathFromTextThatGoesIsDecodedAsItWas)
{
    // The form generator hands controls paths out of a form's text, which is
    // gone or reused by the time the picture is painted.
    QByteArray text(":/Icons/i_Transient.mif");
    ZelIcon icon;
    icon.setImage(counted(text.constData()));
    text.fill('x');
    EXPECT_EQ(icon.image().size(), QSize(4, 4));
    EXPECT_EQ(g_decodes.value(":/Icons/i_Transient.mif"), 1);
    EXPECT_EQ(g_decodes.value(text), 0);
}
