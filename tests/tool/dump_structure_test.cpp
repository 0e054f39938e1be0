// The parts of the dump that are no properties (layout items, stacked pages,
// buddies, stacking order) checked against the built widget tree itself, and
// the complete dump's report of settings left at their defaults.

#include "dump/form_dumper.h"
#include "common/form_host.h"
#include "common/image_index.h"
#include "json_printers.h"

#include "core/form_layout.h"

#include <QColor>
#include <QFormLayout>
#include <QGridLayout>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSpacerItem>
#include <QStackedWidget>
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

// ---------------------------------------------------------------------------
// Independent walk of a built tree: what the dump's structural keys must say.

QJsonValue nameOfField(const BuiltForm &built, const void *pointer)
{
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
            continue; // spacers; their layouts list them
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

// ---------------------------------------------------------------------------
// A form with every structure the tables use, so each is present whatever
// the module's forms happen to contain.

struct StructureUi : UiRecord {
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
};
constexpr int kStructureFields = 18;

class StructureForm final : public FormLayout
{
public:
    void setupUi(UiRecord *record, QWidget *root) const override
    {
        StructureUi &ui = *static_cast<StructureUi *>(record);
        root->setObjectName(QStringLiteral("StructureFormClass"));
        root->resize(240, 400);
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

    void retranslateUi(UiRecord *, QWidget *) const override {}

private:
    template <typename T>
    static T *named(T *object, const char *name)
    {
        object->setObjectName(QLatin1String(name));
        return object;
    }
};

class StructureDumpTest : public ::testing::Test
{
protected:
    QJsonObject dump(FormDumper::Detail detail)
    {
        FormDumper dumper(m_images, detail);
        return dumper.dump(m_built);
    }

    QJsonObject field(const QJsonObject &dump, int index)
    {
        return dump[QStringLiteral("fields")].toArray().at(index).toObject();
    }

    ImageIndex m_images;
    StructureForm m_form;
    const CatalogueIndexEntry m_entry{1, "StructureFormClass", 240, 400, kStructureFields};
    BuiltForm m_built{m_form, m_entry};
};

} // namespace

TEST_F(StructureDumpTest, PagesBuddiesItemsAndStackingOfEveryKind)
{
    const QJsonObject compact = dump(FormDumper::Detail::Changes);
    expectStructureAgrees(m_built, compact);
    expectStructureAgrees(m_built, dump(FormDumper::Detail::Complete));

    // The walk above agrees with the dump; these pin the walk to what the
    // form did, so that the two cannot agree on nothing.
    EXPECT_EQ(field(compact, 0)[QStringLiteral("pages")].toObject(),
              (QJsonObject{{QStringLiteral("names"), QJsonArray{QStringLiteral("page"), QStringLiteral("page_2")}},
                           {QStringLiteral("currentIndex"), 1}}));
    EXPECT_EQ(field(compact, 3)[QStringLiteral("buddy")].toString(), QLatin1String("cellEdit"));
    EXPECT_TRUE(field(compact, 10)[QStringLiteral("buddy")].isNull());
    const QJsonArray gridItems = field(compact, 5)[QStringLiteral("items")].toArray();
    ASSERT_EQ(gridItems.size(), 2);
    EXPECT_EQ(gridItems[1].toObject()[QStringLiteral("columnSpan")].toInt(), 2);
    EXPECT_TRUE(gridItems[1].toObject()[QStringLiteral("stretch")].isNull());
    const QJsonObject gridSettings = field(compact, 5)[QStringLiteral("settings")].toObject();
    EXPECT_EQ(gridSettings[QStringLiteral("horizontalSpacing")].toInt(), 4);
    EXPECT_EQ(gridSettings[QStringLiteral("verticalSpacing")].toInt(), 2);
    const QJsonArray formItems = field(compact, 9)[QStringLiteral("items")].toArray();
    ASSERT_EQ(formItems.size(), 3);
    EXPECT_EQ(formItems[2].toObject()[QStringLiteral("role")].toString(), QLatin1String("SpanningRole"));
    EXPECT_TRUE(formItems[2].toObject()[QStringLiteral("name")].isNull()) << "a spacer has no name";
    EXPECT_EQ(formItems[2].toObject()[QStringLiteral("index")].toInt(), 12);
    const QJsonArray boxItems = field(compact, 14)[QStringLiteral("items")].toArray();
    ASSERT_EQ(boxItems.size(), 2);
    EXPECT_EQ(boxItems[1].toObject()[QStringLiteral("stretch")].toInt(), 3);
    EXPECT_EQ(compact[QStringLiteral("stacking")][QStringLiteral("Root")].toArray(),
              (QJsonArray{QStringLiteral("gridWidget"), QStringLiteral("formWidget"), QStringLiteral("boxWidget"),
                          QStringLiteral("probe"), QStringLiteral("caption"), QStringLiteral("stack")}));
    EXPECT_EQ(compact[QStringLiteral("stacking")][QStringLiteral("stack")].toArray(),
              (QJsonArray{QStringLiteral("page"), QStringLiteral("page_2")}))
        << "pages sit in the stacked widget itself";
}

TEST_F(StructureDumpTest, CompleteDumpReportsSettingsLeftAtTheirDefaults)
{
    const QJsonObject compactProbe =
        field(dump(FormDumper::Detail::Changes), 17)[QStringLiteral("settings")].toObject();
    const QJsonObject fullProbe = field(dump(FormDumper::Detail::Complete), 17)[QStringLiteral("settings")].toObject();
    const QJsonObject fullLabel = field(dump(FormDumper::Detail::Complete), 3)[QStringLiteral("settings")].toObject();

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
    EXPECT_TRUE(field(dump(FormDumper::Detail::Complete), 17)[QStringLiteral("font")].isNull())
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

#include "dump_structure_test.moc"
