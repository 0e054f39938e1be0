// The dump of a form built by hand here, so every case the describer tells
// apart is present whatever the module's forms happen to use.

#include "json_printers.h"
#include "dump/form_dumper.h"
#include "common/form_host.h"
#include "common/image_index.h"

#include "core/form_layout.h"
#include "core/qt_compat.h"

#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QScrollArea>
#include <QSpacerItem>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace quarn::layouttool;

namespace {

struct TestUi : UiRecord {
    QWidget *layoutWidget;
    QHBoxLayout *row;
    QLabel *label;
    QSpacerItem *spacer;
    QVBoxLayout *nested;
    QLabel *picture;
    QScrollArea *area;
    QWidget *content;
    QLabel *styled;
    QObject *stray;
    QWidget *unset;
};
constexpr int kTestFields = 11;

// Anything the dump reads through this would be a fault: it is no object.
int notAnObject = 0;

class TestForm final : public FormLayout
{
public:
    explicit TestForm(const QString &picturePath)
        : m_picturePath(picturePath)
    {
    }

    void setupUi(UiRecord *record, QWidget *root) const override
    {
        TestUi &ui = *static_cast<TestUi *>(record);
        root->setObjectName(QStringLiteral("TestFormClass"));
        root->resize(240, 400);
        root->setProperty("minimumSize", QSize(240, 400));
        root->setProperty("clientAreaHeight", 60);
        root->setProperty("imageTop", QPixmap(m_picturePath));

        ui.layoutWidget = named(new QWidget(root), "layoutWidget");
        ui.layoutWidget->setGeometry(10, 20, 200, 50);
        ui.row = named(new QHBoxLayout(ui.layoutWidget), "row");
        ui.row->setSpacing(3);
        ui.row->setContentsMargins(0, 0, 0, 0);
        ui.label = named(new QLabel(ui.layoutWidget), "label");
        ui.label->setIndent(4);
        ui.spacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        ui.nested = named(new QVBoxLayout(), "nested");
        ui.picture = named(new QLabel(ui.layoutWidget), "picture");
        ui.picture->setPixmap(QPixmap(m_picturePath));

        ui.area = named(new QScrollArea(root), "area");
        ui.area->setGeometry(0, 100, 240, 200);
        ui.content = named(new QWidget(), "content");
        ui.content->setGeometry(0, 0, 220, 400);
        ui.styled = named(new QLabel(ui.content), "styled");
        ui.styled->setGeometry(5, 6, 100, 20);
        QFont font;
        font.setBold(true);
        font.setPixelSize(14);
        ui.styled->setFont(font);
        QPalette palette;
        quarn::qt::clearPaletteResolveMask(palette);
        palette.setColor(QPalette::Active, QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(118, 116, 108));
        ui.styled->setPalette(palette);
        ui.styled->setProperty("eventPropagation", true);
        ui.stray = reinterpret_cast<QObject *>(&notAnObject);
        ui.unset = nullptr;

        ui.row->addWidget(ui.label);
        ui.row->addItem(ui.spacer);
        ui.row->addLayout(ui.nested);
        ui.nested->addWidget(ui.picture);
        ui.area->setWidget(ui.content);
    }

    void retranslateUi(UiRecord *record, QWidget *) const override
    {
        static_cast<TestUi *>(record)->label->setText(QStringLiteral("Hello"));
    }

private:
    template <typename T>
    static T *named(T *object, const char *name)
    {
        object->setObjectName(QLatin1String(name));
        return object;
    }

    QString m_picturePath;
};

class FormDumpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_images.isValid());
        QImage picture(30, 20, QImage::Format_ARGB32);
        picture.fill(QColor(10, 120, 200, 160));
        m_picturePath = m_images.filePath(QStringLiteral("i_picture.mif"));
        ASSERT_TRUE(picture.save(m_picturePath, "PNG"));
        m_index = ImageIndex::scan(m_images.path());

        const TestForm form(m_picturePath);
        const BuiltForm built(form, m_entry);
        FormDumper dumper(m_index);
        m_dump = dumper.dump(built);
        m_fields = m_dump[QStringLiteral("fields")].toArray();
        ASSERT_EQ(m_fields.size(), kTestFields);
    }

    const QJsonObject field(int index) const { return m_fields.at(index).toObject(); }

    QTemporaryDir m_images;
    QString m_picturePath;
    ImageIndex m_index;
    const CatalogueIndexEntry m_entry{1, "TestFormClass", 240, 400, kTestFields};
    QJsonObject m_dump;
    QJsonArray m_fields;
};

QJsonArray ints(std::initializer_list<int> values)
{
    QJsonArray array;
    for (int value : values)
        array.append(value);
    return array;
}

} // namespace

TEST_F(FormDumpTest, RootTellsNameSizeAndWhatWasSetByName)
{
    EXPECT_EQ(m_dump[QStringLiteral("form")].toString(), QLatin1String("TestFormClass"));
    const QJsonObject root = m_dump[QStringLiteral("root")].toObject();
    EXPECT_EQ(root[QStringLiteral("objectName")].toString(), QLatin1String("TestFormClass"));
    EXPECT_EQ(root[QStringLiteral("size")].toArray(), ints({240, 400}));
    const QJsonObject properties = root[QStringLiteral("properties")].toObject();
    EXPECT_EQ(properties[QStringLiteral("clientAreaHeight")].toInt(), 60);
    EXPECT_EQ(properties[QStringLiteral("imageTop")].toString(), m_picturePath);
    EXPECT_EQ(properties[QStringLiteral("minimumSize")].toArray(), ints({240, 400}));
    for (const char *unset : {"size", "geometry", "maximumSize", "enabled", "palette", "font"})
        EXPECT_FALSE(properties.contains(QLatin1String(unset))) << unset;
}

TEST_F(FormDumpTest, ParentsAreTheObjectsTheFormGave)
{
    EXPECT_EQ(field(0)[QStringLiteral("parent")].toString(), QLatin1String("Root"));
    EXPECT_EQ(field(1)[QStringLiteral("parent")].toString(), QLatin1String("layoutWidget")) << "a layout's host";
    EXPECT_EQ(field(4)[QStringLiteral("parent")].toString(), QLatin1String("row")) << "a nested layout's layout";
    EXPECT_EQ(field(5)[QStringLiteral("parent")].toString(), QLatin1String("layoutWidget"));
    EXPECT_TRUE(field(7)[QStringLiteral("parent")].isNull()) << "scroll-area content is made without a parent";
    EXPECT_EQ(field(8)[QStringLiteral("parent")].toString(), QLatin1String("content"));
}

TEST_F(FormDumpTest, GeometryOnlyWhereTheFormSetOne)
{
    EXPECT_EQ(field(0)[QStringLiteral("geometry")].toArray(), ints({10, 20, 200, 50}));
    EXPECT_TRUE(field(1)[QStringLiteral("geometry")].isNull());
    EXPECT_TRUE(field(2)[QStringLiteral("geometry")].isNull()) << "placed by a layout";
    EXPECT_EQ(field(7)[QStringLiteral("geometry")].toArray(), ints({0, 0, 220, 400}));
    EXPECT_EQ(field(8)[QStringLiteral("geometry")].toArray(), ints({5, 6, 100, 20}));
}

TEST_F(FormDumpTest, SpacersAreFoundAmongTheLayoutItems)
{
    const QJsonObject spacer = field(3);
    EXPECT_EQ(spacer[QStringLiteral("class")].toString(), QLatin1String("QSpacerItem"));
    EXPECT_TRUE(spacer[QStringLiteral("name")].isNull());
    EXPECT_TRUE(spacer[QStringLiteral("parent")].isNull());
    const QJsonObject settings = spacer[QStringLiteral("settings")].toObject();
    EXPECT_EQ(settings[QStringLiteral("sizeHint")].toArray(), ints({40, 20}));
    EXPECT_EQ(settings[QStringLiteral("horizontalPolicy")].toString(), QLatin1String("Expanding"));
    EXPECT_EQ(settings[QStringLiteral("verticalPolicy")].toString(), QLatin1String("Minimum"));
}

TEST_F(FormDumpTest, LayoutsTellSpacingMarginsAndMembers)
{
    const QJsonObject row = field(1)[QStringLiteral("settings")].toObject();
    EXPECT_EQ(row[QStringLiteral("spacing")].toInt(), 3);
    EXPECT_EQ(row[QStringLiteral("contentsMargins")].toArray(), ints({0, 0, 0, 0}));
    EXPECT_EQ(row[QStringLiteral("members")].toArray(),
              (QJsonArray{QStringLiteral("label"), 3, QStringLiteral("nested")}));
    EXPECT_EQ(field(4)[QStringLiteral("settings")][QStringLiteral("members")].toArray(),
              QJsonArray{QStringLiteral("picture")});
}

TEST_F(FormDumpTest, SettingsHoldOnlyWhatDiffersFromADefaultObject)
{
    const QJsonObject label = field(2);
    EXPECT_EQ(label[QStringLiteral("text")].toString(), QLatin1String("Hello"));
    EXPECT_EQ(label[QStringLiteral("settings")].toObject(), (QJsonObject{{QStringLiteral("indent"), 4}}));
    EXPECT_TRUE(label[QStringLiteral("font")].isNull());
    EXPECT_TRUE(label[QStringLiteral("palette")].isNull());
    EXPECT_TRUE(label[QStringLiteral("properties")].toObject().isEmpty());
}

TEST_F(FormDumpTest, ImagesAreNamedByTheirPath)
{
    EXPECT_EQ(field(5)[QStringLiteral("images")].toObject(), (QJsonObject{{QStringLiteral("pixmap"), m_picturePath}}));
    EXPECT_TRUE(field(2)[QStringLiteral("images")].toObject().isEmpty());
}

TEST_F(FormDumpTest, FontPaletteAndDynamicPropertiesWhereSet)
{
    const QJsonObject styled = field(8);
    const QJsonObject font = styled[QStringLiteral("font")].toObject();
    EXPECT_EQ(font[QStringLiteral("bold")], QJsonValue(true));
    EXPECT_EQ(font[QStringLiteral("pixelSize")], QJsonValue(14));
    EXPECT_FALSE(font.contains(QStringLiteral("family")));
    const QJsonObject palette = styled[QStringLiteral("palette")].toObject();
    EXPECT_EQ(palette.keys(), QStringList{QStringLiteral("WindowText")});
    EXPECT_EQ(palette[QStringLiteral("WindowText")][QStringLiteral("disabled")].toArray(), ints({118, 116, 108, 255}));
    EXPECT_EQ(styled[QStringLiteral("properties")].toObject(),
              (QJsonObject{{QStringLiteral("eventPropagation"), true}}));
}

TEST_F(FormDumpTest, PointersToNothingBuiltAreReportedNotFollowed)
{
    EXPECT_TRUE(field(9)[QStringLiteral("class")].isNull());
    EXPECT_TRUE(field(9)[QStringLiteral("problem")].isString());
    EXPECT_TRUE(field(10)[QStringLiteral("class")].isNull());
    EXPECT_TRUE(field(10)[QStringLiteral("problem")].isString());
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(field(i).contains(QStringLiteral("problem"))) << i;
}
