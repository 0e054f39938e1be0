// Turning the values forms set into plain JSON, and writing it for reading.

#include "json_printers.h"
#include "common/image_index.h"
#include "dump/json_values.h"
#include "dump/json_writer.h"
#include "core/qt_compat.h"

#include <QBrush>
#include <QFont>
#include <QIcon>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMetaProperty>
#include <QPalette>
#include <QPixmap>
#include <QSizePolicy>
#include <QTemporaryDir>

#include <utility>

#include <gtest/gtest.h>

using namespace quarn::layouttool;

namespace {

QJsonArray ints(std::initializer_list<int> values)
{
    QJsonArray array;
    for (int value : values)
        array.append(value);
    return array;
}

QJsonValue plain(const QVariant &value)
{
    static const ImageIndex noImages;
    return jsonValue(value, noImages);
}

QJsonValue propertyOf(const QObject &object, const char *name)
{
    const QMetaProperty property = object.metaObject()->property(object.metaObject()->indexOfProperty(name));
    static const ImageIndex noImages;
    return jsonPropertyValue(property, property.read(&object), noImages);
}

} // namespace

TEST(JsonValues, GeometryAndColoursBecomeArrays)
{
    EXPECT_EQ(plain(QSize(240, 400)), ints({240, 400}));
    EXPECT_EQ(plain(QSize(0, 0)), ints({0, 0})) << "an empty size is still a size";
    EXPECT_EQ(plain(QPoint(-3, 7)), ints({-3, 7}));
    EXPECT_EQ(plain(QRect(81, 0, 91, 21)), ints({81, 0, 91, 21}));
    EXPECT_EQ(plain(QColor(118, 116, 108)), ints({118, 116, 108, 255}));
    EXPECT_EQ(plain(QColor(0, 0, 0, 127)), ints({0, 0, 0, 127}));
    EXPECT_EQ(plain(QBrush(QColor(1, 2, 3))), ints({1, 2, 3, 255}));
}

TEST(JsonValues, TextsListsAndNumbersStayPlain)
{
    EXPECT_EQ(plain(QByteArray("<NAV_FIELDS_CONFIGURATION/>")),
              QJsonValue(QStringLiteral("<NAV_FIELDS_CONFIGURATION/>")));
    EXPECT_EQ(plain(QString()), QJsonValue(QString()));
    EXPECT_EQ(plain(QStringList{QStringLiteral(":/a.mif"), QStringLiteral(":/b.mif")}),
              (QJsonArray{QStringLiteral(":/a.mif"), QStringLiteral(":/b.mif")}));
    EXPECT_EQ(plain(QVariantList{1, QSize(2, 3), true}), (QJsonArray{1, ints({2, 3}), true}));
    EXPECT_EQ(plain(60), QJsonValue(60));
    EXPECT_EQ(plain(0.5), QJsonValue(0.5));
    EXPECT_EQ(plain(false), QJsonValue(false));
    EXPECT_TRUE(plain(QVariant()).isNull());
}

TEST(JsonValues, PixmapsBecomeTheirResourcePath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage face(30, 10, QImage::Format_ARGB32);
    face.fill(QColor(200, 10, 10, 128));
    const QString path = dir.filePath(QStringLiteral("b_Back.mif"));
    ASSERT_TRUE(face.save(path, "PNG"));
    const ImageIndex index = ImageIndex::scan(dir.path());

    EXPECT_EQ(jsonValue(QPixmap(path), index), QJsonValue(path));
    EXPECT_EQ(jsonValue(QBrush(QPixmap(path)), index), QJsonValue(path)) << "a textured brush is its texture";
    EXPECT_TRUE(jsonValue(QPixmap(), index).isNull());
    QImage other(4, 4, QImage::Format_ARGB32);
    other.fill(Qt::cyan);
    EXPECT_EQ(jsonValue(QPixmap::fromImage(other), index), QJsonValue(QStringLiteral("<unknown image 4x4>")));

    // An icon names the picture of each mode and state it was given, whether
    // it was filled from files or from pixmaps.
    QIcon fromFile;
    fromFile.addFile(path, QSize(), QIcon::Normal, QIcon::Off);
    fromFile.addFile(path, QSize(), QIcon::Disabled, QIcon::On);
    QIcon fromPixmaps;
    fromPixmaps.addPixmap(QPixmap(path), QIcon::Normal, QIcon::Off);
    fromPixmaps.addPixmap(QPixmap(path), QIcon::Disabled, QIcon::On);
    const QJsonObject expected{{QStringLiteral("normaloff"), path}, {QStringLiteral("disabledon"), path}};
    EXPECT_EQ(jsonValue(fromFile, index), expected);
    EXPECT_EQ(jsonValue(fromPixmaps, index), expected);
    EXPECT_TRUE(jsonValue(QIcon(), index).isNull());
}

TEST(JsonValues, EnumerationsAndFlagsByName)
{
    QLabel label;
    label.setFocusPolicy(Qt::NoFocus);
    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label.setTextFormat(Qt::PlainText);
    EXPECT_EQ(propertyOf(label, "focusPolicy"), QJsonValue(QStringLiteral("NoFocus")));
    EXPECT_EQ(propertyOf(label, "textFormat"), QJsonValue(QStringLiteral("PlainText")));
    // Flags by their plain names, not by aliases or composites.
    EXPECT_EQ(propertyOf(label, "alignment"), QJsonValue(QStringLiteral("AlignRight|AlignVCenter")));
    label.setAlignment(Qt::AlignCenter);
    EXPECT_EQ(propertyOf(label, "alignment"), QJsonValue(QStringLiteral("AlignHCenter|AlignVCenter")));
    label.setTextInteractionFlags(Qt::NoTextInteraction);
    EXPECT_EQ(propertyOf(label, "textInteractionFlags"), QJsonValue(QStringLiteral("NoTextInteraction")));

    bool ok = false;
    EXPECT_EQ(enumValue(label.property("alignment"), &ok), int(Qt::AlignCenter));
    EXPECT_TRUE(ok);
    enumValue(QVariant(), &ok);
    EXPECT_FALSE(ok);
}

TEST(JsonValues, SizePolicyNamesItsParts)
{
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::MinimumExpanding);
    policy.setHorizontalStretch(2);
    const QJsonObject json = plain(policy).toObject();
    EXPECT_EQ(json[QStringLiteral("horizontal")], QJsonValue(QStringLiteral("Fixed")));
    EXPECT_EQ(json[QStringLiteral("vertical")], QJsonValue(QStringLiteral("MinimumExpanding")));
    EXPECT_EQ(json[QStringLiteral("horizontalStretch")], QJsonValue(2));
    EXPECT_EQ(json[QStringLiteral("verticalStretch")], QJsonValue(0));
}

// Weights on Qt 6's 100–900 scale whichever Qt built the font: Qt 5 counts
// them from 0 to 99.
TEST(JsonValues, FontWeightsOnOneScale)
{
    const std::pair<QFont::Weight, int> weights[] = {
        {QFont::Thin, 100},   {QFont::ExtraLight, 200}, {QFont::Light, 300},
        {QFont::Normal, 400}, {QFont::Medium, 500},     {QFont::DemiBold, 600},
        {QFont::Bold, 700},   {QFont::ExtraBold, 800},  {QFont::Black, 900}};
    for (const auto &[weight, expected] : weights) {
        QFont font;
        font.setWeight(weight);
        EXPECT_EQ(jsonFont(font)[QStringLiteral("weight")], QJsonValue(expected));
        EXPECT_EQ(jsonCompleteFont(font)[QStringLiteral("weight")], QJsonValue(expected));
    }
}

TEST(JsonValues, FontTellsOnlyWhatWasSet)
{
    QFont font;
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    QJsonObject json = jsonFont(font);
    EXPECT_FALSE(json.contains(QStringLiteral("family")));
    EXPECT_FALSE(json.contains(QStringLiteral("pointSize")));
    EXPECT_FALSE(json.contains(QStringLiteral("pixelSize")));
    EXPECT_EQ(json[QStringLiteral("bold")], QJsonValue(true));
    EXPECT_EQ(json[QStringLiteral("weight")], QJsonValue(700));
    EXPECT_EQ(json[QStringLiteral("antialias")], QJsonValue(true));

    font.setFamily(QStringLiteral("MS Shell Dlg 2"));
    font.setPointSize(9);
    json = jsonFont(font);
    EXPECT_EQ(json[QStringLiteral("family")], QJsonValue(QStringLiteral("MS Shell Dlg 2")));
    EXPECT_EQ(json[QStringLiteral("pointSize")], QJsonValue(9));

    QFont pixels;
    pixels.setPixelSize(14);
    json = jsonFont(pixels);
    EXPECT_EQ(json[QStringLiteral("pixelSize")], QJsonValue(14));
    EXPECT_FALSE(json.contains(QStringLiteral("pointSize")));
    EXPECT_EQ(json[QStringLiteral("antialias")], QJsonValue(false));
}

TEST(JsonValues, PaletteTellsOnlyTheRolesSet)
{
    QPalette palette;
    quarn::qt::clearPaletteResolveMask(palette);
    EXPECT_TRUE(jsonPalette(palette).isEmpty());

    palette.setBrush(QPalette::Active, QPalette::WindowText, QColor(255, 255, 255));
    palette.setBrush(QPalette::Inactive, QPalette::WindowText, QColor(255, 255, 255));
    palette.setBrush(QPalette::Disabled, QPalette::WindowText, QColor(118, 116, 108));
    const QJsonObject json = jsonPalette(palette);
    EXPECT_EQ(json.keys(), QStringList{QStringLiteral("WindowText")});
    const QJsonObject windowText = json[QStringLiteral("WindowText")].toObject();
    EXPECT_EQ(windowText[QStringLiteral("active")], ints({255, 255, 255, 255}));
    EXPECT_EQ(windowText[QStringLiteral("inactive")], ints({255, 255, 255, 255}));
    EXPECT_EQ(windowText[QStringLiteral("disabled")], ints({118, 116, 108, 255}));
}

TEST(JsonWriter, OrdersKeysAndStaysValidJson)
{
    const QJsonObject object{
        {QStringLiteral("zeta"), 1},
        {QStringLiteral("fields"),
         QJsonArray{QJsonObject{{QStringLiteral("b"), 2}, {QStringLiteral("a"), QString("x\"y")}}}},
        {QStringLiteral("form"), QStringLiteral("PinClass")},
        {QStringLiteral("size"), ints({78, 53})},
        {QStringLiteral("empty"), QJsonObject()}};
    const QByteArray text = toReadableJson(object, {QStringLiteral("form"), QStringLiteral("fields")});

    QJsonParseError error;
    EXPECT_EQ(QJsonDocument::fromJson(text, &error).object(), object) << error.errorString().toStdString();
    const int form = text.indexOf("\"form\"");
    const int fields = text.indexOf("\"fields\"");
    const int empty = text.indexOf("\"empty\"");
    const int zeta = text.indexOf("\"zeta\"");
    EXPECT_TRUE(form < fields && fields < empty && empty < zeta) << text.toStdString();
    EXPECT_TRUE(text.contains("[78, 53]")) << "plain arrays stay on one line";
}
