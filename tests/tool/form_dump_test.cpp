// The dump of a form built by hand here, so every case the describer tells
// apart is present whatever the module's forms happen to use: settings,
// pictures, fonts and palettes, and the parts that are no properties (layout
// items, stacked pages, buddies, stacking order), the latter checked against
// the built widget tree itself.

#include "json_printers.h"
#include "dump/form_dumper.h"
#include "common/form_host.h"
#include "common/image_index.h"

#include "core/form_layout.h"
#include "core/qt_compat.h"

#include <QColor>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollArea>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using namespace quarn::layouttool;

// A widget with one property of each kind a form sets, none of them touched.
class DefaultsProbe : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor tint MEMBER tint)
    // Not MEMBER: Qt 6's moc compares a member's old and new values, and
    // pixmaps cannot be compared.
    Q_PROPERTY(QPixmap picture READ getPicture WRITE setPicture)
    Q_PROPERTY(QSize cell MEMBER cell)

public:
    // Invokable, so that the compact dump can make a default one to compare with.
    Q_INVOKABLE explicit DefaultsProbe(QWidget *parent = nullptr)
        : QWidget(parent)
    {
    }

    QPixmap getPicture() const { return picture; }
    void setPicture(const QPixmap &value) { picture = value; }

    QColor tint = QColor(12, 34, 56);
    QPixmap picture;
    QSize cell = QSize(7, 9);
};

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
    QStackedWidget *stack;
    QWidget *page;
    QWidget *page_2;
    QLabel *caption;
    QWidget *gridWidget;
    QGridLayout *grid;
    QLabel *cellLabel;
    QLineEdit *cellEdit;
    QWidget *formWidget;
    QFormLayout *form;
    QLabel *formLabel;
    QLineEdit *formField;
    QSpacerItem *formSpacer;
    QWidget *boxWidget;
    QVBoxLayout *box;
    QLabel *top;
    QSpacerItem *boxSpacer;
    DefaultsProbe *probe;
    QObject *stray;
    QWidget *unset;
};
constexpr int kTestFields = 29;
constexpr int kSpacer = 3;
constexpr int kFormSpacer = 21;
constexpr int kStray = 27;
constexpr int kUnset = 28;

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

        ui.stack = named(new QStackedWidget(root), "stack");
        ui.stack->setGeometry(0, 0, 240, 40);
        ui.page = named(new QWidget(), "page");
        ui.page_2 = named(new QWidget(), "page_2");
        ui.caption = named(new QLabel(root), "caption");
        ui.caption->setGeometry(0, 30, 100, 20);
        ui.gridWidget = named(new QWidget(root), "gridWidget");
        ui.gridWidget->setGeometry(0, 50, 240, 60);
        ui.grid = named(new QGridLayout(ui.gridWidget), "grid");
        ui.grid->setHorizontalSpacing(4);
        ui.grid->setVerticalSpacing(2);
        ui.cellLabel = named(new QLabel(ui.gridWidget), "cellLabel");
        ui.cellEdit = named(new QLineEdit(ui.gridWidget), "cellEdit");
        ui.formWidget = named(new QWidget(root), "formWidget");
        ui.formWidget->setGeometry(0, 120, 240, 60);
        ui.form = named(new QFormLayout(ui.formWidget), "form");
        ui.formLabel = named(new QLabel(ui.formWidget), "formLabel");
        ui.formField = named(new QLineEdit(ui.formWidget), "formField");
        ui.formSpacer = new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Expanding);
        ui.boxWidget = named(new QWidget(root), "boxWidget");
        ui.boxWidget->setGeometry(0, 200, 240, 100);
        ui.box = named(new QVBoxLayout(ui.boxWidget), "box");
        ui.top = named(new QLabel(ui.boxWidget), "top");
        ui.boxSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
        ui.probe = named(new DefaultsProbe(root), "probe");
        ui.probe->setGeometry(0, 300, 20, 20);

        ui.stray = reinterpret_cast<QObject *>(&notAnObject);
        ui.unset = nullptr;

        ui.row->addWidget(ui.label);
        ui.row->addItem(ui.spacer);
        ui.row->addLayout(ui.nested);
        ui.nested->addWidget(ui.picture);
        ui.area->setWidget(ui.content);
        ui.stack->addWidget(ui.page);
        ui.stack->addWidget(ui.page_2);
        ui.stack->setCurrentIndex(1);
        ui.caption->setBuddy(ui.cellEdit);
        ui.cellLabel->setBuddy(ui.cellEdit);
        ui.grid->addWidget(ui.cellLabel, 0, 1);
        ui.grid->addWidget(ui.cellEdit, 1, 0, 1, 2);
        ui.form->setWidget(0, QFormLayout::LabelRole, ui.formLabel);
        ui.form->setWidget(0, QFormLayout::FieldRole, ui.formField);
        ui.form->setItem(1, QFormLayout::SpanningRole, ui.formSpacer);
        ui.box->addWidget(ui.top);
        ui.box->addItem(ui.boxSpacer);
        ui.box->setStretch(1, 3);
        ui.caption->raise();
        ui.stack->raise();
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

// ---------------------------------------------------------------------------
// Independent walk of a built tree: what the dump's structural keys must say.

QJsonValue nameOfField(const BuiltForm &built, const void *pointer)
{
    if (!pointer)
        return QJsonValue::Null; // a field left unset is no name for nothing
    for (int i = 0; i < built.fieldCount(); ++i) {
        if (built.field(i) == pointer)
            return static_cast<QObject *>(built.field(i))->objectName();
    }
    return QJsonValue::Null;
}

int indexOfField(const BuiltForm &built, const void *pointer)
{
    for (int i = 0; i < built.fieldCount(); ++i) {
        if (built.field(i) == pointer)
            return i;
    }
    return -1;
}

// The object each field holds, found among the root's objects (never by
// following a field pointer that is not among them).
QObject *objectOfField(const BuiltForm &built, int index)
{
    QList<QObject *> objects = built.root()->findChildren<QObject *>();
    for (QObject *object : qAsConst(objects)) {
        if (object == built.field(index))
            return object;
    }
    return nullptr;
}

void expectStructureAgrees(const BuiltForm &built, const QJsonObject &dump)
{
    const QString form = QString::fromLatin1(built.entry().name);
    const QJsonArray fields = dump[QStringLiteral("fields")].toArray();
    ASSERT_EQ(fields.size(), built.fieldCount()) << form.toStdString();

    QJsonObject stacking;
    auto addStacking = [&](const QWidget *parent, const QString &parentName) {
        QJsonArray children;
        for (const QObject *child : parent->children()) {
            const QJsonValue name = nameOfField(built, child);
            if (child->isWidgetType() && name.isString())
                children.append(name);
        }
        if (!children.isEmpty())
            stacking.insert(parentName, children);
    };
    addStacking(built.root(), QStringLiteral("Root"));

    for (int i = 0; i < built.fieldCount(); ++i) {
        const QJsonObject field = fields.at(i).toObject();
        QObject *object = objectOfField(built, i);
        if (!object)
            continue; // spacers, and pointers to nothing built
        SCOPED_TRACE((form + QLatin1Char('.') + object->objectName()).toStdString());

        if (auto *widget = qobject_cast<QWidget *>(object))
            addStacking(widget, object->objectName());

        if (auto *label = qobject_cast<QLabel *>(object))
            EXPECT_EQ(field[QStringLiteral("buddy")], nameOfField(built, label->buddy()));
        else
            EXPECT_FALSE(field.contains(QStringLiteral("buddy")));

        if (auto *stack = qobject_cast<QStackedWidget *>(object)) {
            const QJsonObject pages = field[QStringLiteral("pages")].toObject();
            QJsonArray names;
            for (int page = 0; page < stack->count(); ++page)
                names.append(nameOfField(built, stack->widget(page)));
            EXPECT_EQ(pages[QStringLiteral("names")], QJsonValue(names));
            EXPECT_EQ(pages[QStringLiteral("currentIndex")], QJsonValue(stack->currentIndex()));
        } else {
            EXPECT_FALSE(field.contains(QStringLiteral("pages")));
        }

        auto *layout = qobject_cast<QLayout *>(object);
        if (!layout) {
            EXPECT_FALSE(field.contains(QStringLiteral("items")));
            continue;
        }
        const QJsonArray items = field[QStringLiteral("items")].toArray();
        ASSERT_EQ(items.size(), layout->count());
        for (int item = 0; item < layout->count(); ++item) {
            QLayoutItem *member = layout->itemAt(item);
            const QJsonObject json = items.at(item).toObject();
            const void *pointer = member->widget() ? static_cast<const void *>(member->widget())
                : member->layout()                 ? static_cast<const void *>(static_cast<QObject *>(member->layout()))
                                                   : static_cast<const void *>(member->spacerItem());
            EXPECT_EQ(json[QStringLiteral("index")].toInt(-1), indexOfField(built, pointer)) << item;
            EXPECT_EQ(json[QStringLiteral("name")],
                      member->spacerItem() ? QJsonValue(QJsonValue::Null) : nameOfField(built, pointer))
                << item;
            if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
                EXPECT_EQ(json[QStringLiteral("stretch")], QJsonValue(box->stretch(item))) << item;
            }
            if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
                int row = -1, column = -1, rowSpan = -1, columnSpan = -1;
                grid->getItemPosition(item, &row, &column, &rowSpan, &columnSpan);
                EXPECT_EQ(json[QStringLiteral("row")], QJsonValue(row)) << item;
                EXPECT_EQ(json[QStringLiteral("column")], QJsonValue(column)) << item;
                EXPECT_EQ(json[QStringLiteral("rowSpan")], QJsonValue(rowSpan)) << item;
                EXPECT_EQ(json[QStringLiteral("columnSpan")], QJsonValue(columnSpan)) << item;
            }
            if (auto *formLayout = qobject_cast<QFormLayout *>(layout)) {
                int row = -1;
                QFormLayout::ItemRole role = QFormLayout::LabelRole;
                formLayout->getItemPosition(item, &row, &role);
                EXPECT_EQ(json[QStringLiteral("row")], QJsonValue(row)) << item;
                static const char *const roleNames[] = {"LabelRole", "FieldRole", "SpanningRole"};
                EXPECT_EQ(json[QStringLiteral("role")], QJsonValue(QLatin1String(roleNames[role]))) << item;
            }
        }
    }
    EXPECT_EQ(dump[QStringLiteral("stacking")].toObject(), stacking) << form.toStdString();
}

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

        m_form = std::make_unique<TestForm>(m_picturePath);
        m_built = std::make_unique<BuiltForm>(*m_form, m_entry);
        m_dump = dump(FormDumper::Detail::Changes);
        m_fields = m_dump[QStringLiteral("fields")].toArray();
        ASSERT_EQ(m_fields.size(), kTestFields);
    }

    QJsonObject dump(FormDumper::Detail detail) const
    {
        FormDumper dumper(m_index, detail);
        return dumper.dump(*m_built);
    }

    const QJsonObject field(int index) const { return m_fields.at(index).toObject(); }

    // Fields by name, so the cases do not hang on the record's order.
    static const QJsonObject field(const QJsonObject &dump, const char *name)
    {
        const QJsonArray fields = dump[QStringLiteral("fields")].toArray();
        for (const QJsonValue &field : fields) {
            if (field.toObject()[QStringLiteral("name")] == QJsonValue(QLatin1String(name)))
                return field.toObject();
        }
        ADD_FAILURE() << "no field " << name;
        return {};
    }
    const QJsonObject field(const char *name) const { return field(m_dump, name); }

    QTemporaryDir m_images;
    QString m_picturePath;
    ImageIndex m_index;
    const CatalogueIndexEntry m_entry{1, "TestFormClass", 240, 400, kTestFields};
    std::unique_ptr<TestForm> m_form;
    std::unique_ptr<BuiltForm> m_built;
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
    EXPECT_EQ(field("layoutWidget")[QStringLiteral("parent")].toString(), QLatin1String("Root"));
    EXPECT_EQ(field("row")[QStringLiteral("parent")].toString(), QLatin1String("layoutWidget")) << "a layout's host";
    EXPECT_EQ(field("nested")[QStringLiteral("parent")].toString(), QLatin1String("row")) << "a nested layout's layout";
    EXPECT_EQ(field("picture")[QStringLiteral("parent")].toString(), QLatin1String("layoutWidget"));
    EXPECT_TRUE(field("content")[QStringLiteral("parent")].isNull()) << "scroll-area content is made without a parent";
    EXPECT_EQ(field("styled")[QStringLiteral("parent")].toString(), QLatin1String("content"));
}

TEST_F(FormDumpTest, GeometryOnlyWhereTheFormSetOne)
{
    EXPECT_EQ(field("layoutWidget")[QStringLiteral("geometry")].toArray(), ints({10, 20, 200, 50}));
    EXPECT_TRUE(field("row")[QStringLiteral("geometry")].isNull());
    EXPECT_TRUE(field("label")[QStringLiteral("geometry")].isNull()) << "placed by a layout";
    EXPECT_EQ(field("content")[QStringLiteral("geometry")].toArray(), ints({0, 0, 220, 400}));
    EXPECT_EQ(field("styled")[QStringLiteral("geometry")].toArray(), ints({5, 6, 100, 20}));
}

TEST_F(FormDumpTest, SpacersAreFoundAmongTheLayoutItems)
{
    const QJsonObject spacer = field(kSpacer);
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
    const QJsonObject row = field("row")[QStringLiteral("settings")].toObject();
    EXPECT_EQ(row[QStringLiteral("spacing")].toInt(), 3);
    EXPECT_EQ(row[QStringLiteral("contentsMargins")].toArray(), ints({0, 0, 0, 0}));
    EXPECT_EQ(row[QStringLiteral("members")].toArray(),
              (QJsonArray{QStringLiteral("label"), kSpacer, QStringLiteral("nested")}));
    EXPECT_EQ(field("nested")[QStringLiteral("settings")][QStringLiteral("members")].toArray(),
              QJsonArray{QStringLiteral("picture")});
    const QJsonObject grid = field("grid")[QStringLiteral("settings")].toObject();
    EXPECT_EQ(grid[QStringLiteral("horizontalSpacing")].toInt(), 4);
    EXPECT_EQ(grid[QStringLiteral("verticalSpacing")].toInt(), 2);
}

TEST_F(FormDumpTest, SettingsHoldOnlyWhatDiffersFromADefaultObject)
{
    const QJsonObject label = field("label");
    EXPECT_EQ(label[QStringLiteral("text")].toString(), QLatin1String("Hello"));
    EXPECT_EQ(label[QStringLiteral("settings")].toObject(), (QJsonObject{{QStringLiteral("indent"), 4}}));
    EXPECT_TRUE(label[QStringLiteral("font")].isNull());
    EXPECT_TRUE(label[QStringLiteral("palette")].isNull());
    EXPECT_TRUE(label[QStringLiteral("properties")].toObject().isEmpty());
}

TEST_F(FormDumpTest, ImagesAreNamedByTheirPath)
{
    EXPECT_EQ(field("picture")[QStringLiteral("images")].toObject(),
              (QJsonObject{{QStringLiteral("pixmap"), m_picturePath}}));
    EXPECT_TRUE(field("label")[QStringLiteral("images")].toObject().isEmpty());
}

TEST_F(FormDumpTest, FontPaletteAndDynamicPropertiesWhereSet)
{
    const QJsonObject styled = field("styled");
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
    for (int pointer : {kStray, kUnset}) {
        EXPECT_TRUE(field(pointer)[QStringLiteral("class")].isNull()) << pointer;
        EXPECT_TRUE(field(pointer)[QStringLiteral("problem")].isString()) << pointer;
    }
    for (int i = 0; i < kStray; ++i)
        EXPECT_FALSE(field(i).contains(QStringLiteral("problem"))) << i;
}

TEST_F(FormDumpTest, PagesBuddiesItemsAndStackingOfEveryKind)
{
    expectStructureAgrees(*m_built, m_dump);
    expectStructureAgrees(*m_built, dump(FormDumper::Detail::Complete));

    // The walk above agrees with the dump; these pin the walk to what the
    // form did, so that the two cannot agree on nothing.
    EXPECT_EQ(field("stack")[QStringLiteral("pages")].toObject(),
              (QJsonObject{{QStringLiteral("names"), QJsonArray{QStringLiteral("page"), QStringLiteral("page_2")}},
                           {QStringLiteral("currentIndex"), 1}}));
    EXPECT_EQ(field("caption")[QStringLiteral("buddy")].toString(), QLatin1String("cellEdit"));
    EXPECT_TRUE(field("formLabel")[QStringLiteral("buddy")].isNull());
    const QJsonArray gridItems = field("grid")[QStringLiteral("items")].toArray();
    ASSERT_EQ(gridItems.size(), 2);
    EXPECT_EQ(gridItems[1].toObject()[QStringLiteral("columnSpan")].toInt(), 2);
    EXPECT_TRUE(gridItems[1].toObject()[QStringLiteral("stretch")].isNull());
    const QJsonArray formItems = field("form")[QStringLiteral("items")].toArray();
    ASSERT_EQ(formItems.size(), 3);
    EXPECT_EQ(formItems[2].toObject()[QStringLiteral("role")].toString(), QLatin1String("SpanningRole"));
    EXPECT_TRUE(formItems[2].toObject()[QStringLiteral("name")].isNull()) << "a spacer has no name";
    EXPECT_EQ(formItems[2].toObject()[QStringLiteral("index")].toInt(), kFormSpacer);
    const QJsonArray boxItems = field("box")[QStringLiteral("items")].toArray();
    ASSERT_EQ(boxItems.size(), 2);
    EXPECT_EQ(boxItems[1].toObject()[QStringLiteral("stretch")].toInt(), 3);
    const QJsonObject stacking = m_dump[QStringLiteral("stacking")].toObject();
    EXPECT_EQ(stacking[QStringLiteral("Root")].toArray(),
              (QJsonArray{QStringLiteral("layoutWidget"), QStringLiteral("area"), QStringLiteral("gridWidget"),
                          QStringLiteral("formWidget"), QStringLiteral("boxWidget"), QStringLiteral("probe"),
                          QStringLiteral("caption"), QStringLiteral("stack")}));
    EXPECT_EQ(stacking[QStringLiteral("stack")].toArray(),
              (QJsonArray{QStringLiteral("page"), QStringLiteral("page_2")}))
        << "pages sit in the stacked widget itself";
}

TEST_F(FormDumpTest, CompleteDumpReportsSettingsLeftAtTheirDefaults)
{
    const QJsonObject complete = dump(FormDumper::Detail::Complete);
    const QJsonObject compactProbe = field("probe")[QStringLiteral("settings")].toObject();
    const QJsonObject fullProbe = field(complete, "probe")[QStringLiteral("settings")].toObject();
    const QJsonObject fullLabel = field(complete, "caption")[QStringLiteral("settings")].toObject();

    struct Case {
        const char *kind;
        const QJsonObject &settings;
        const char *name;
        QJsonValue value;
    };
    const Case cases[] = {
        {"bool", fullLabel, "wordWrap", false},
        {"int", fullLabel, "indent", -1},
        {"enum", fullProbe, "focusPolicy", QStringLiteral("NoFocus")},
        {"size", fullProbe, "cell", QJsonArray{7, 9}},
        {"colour", fullProbe, "tint", QJsonArray{12, 34, 56, 255}},
        {"pixmap path", fullProbe, "picture", QJsonValue::Null},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.settings[QLatin1String(c.name)], c.value) << c.kind << " " << c.name;
        EXPECT_FALSE(compactProbe.contains(QLatin1String(c.name))) << c.kind << " is left out of the compact dump";
    }

    // The font in full, though the form never set one.
    const QJsonObject font = fullProbe[QStringLiteral("font")].toObject();
    for (const char *attribute : {"family", "bold", "weight", "italic", "kerning", "antialias"})
        EXPECT_TRUE(font.contains(QLatin1String(attribute))) << attribute;
    EXPECT_TRUE(font.contains(QStringLiteral("pointSize")) || font.contains(QStringLiteral("pixelSize")));
    EXPECT_EQ(font[QStringLiteral("kerning")], QJsonValue(true));
    EXPECT_FALSE(compactProbe.contains(QStringLiteral("font")));
    EXPECT_TRUE(field(complete, "probe")[QStringLiteral("font")].isNull())
        << "the field's own font key still tells that none was set";
}

TEST(ModuleStructureDump, EveryRegisteredFormAgreesWithItsTree)
{
    QString error;
    const std::unique_ptr<LayoutModule> module = LayoutModule::load(QStringLiteral(QUARN_LAYOUT_MODULE), &error);
    ASSERT_TRUE(module) << error.toStdString();
    const ImageIndex images;
    FormDumper dumper(images);
    int checked = 0;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        const FormLayout *form = module->find(QString::fromLatin1(entry.name));
        if (!form)
            continue;
        const BuiltForm built(*form, entry);
        expectStructureAgrees(built, dumper.dump(built));
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

#include "form_dump_test.moc"
