// `quarn-layout dump`: one JSON object per form, describing what the form built.

#include "json_printers.h"
#include "tool_process.h"

#include "catalogue/catalogue_index.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>

#include <vector>

#include <gtest/gtest.h>

namespace {

QJsonObject formNamed(const char *name)
{
    for (const QJsonValue &form : dumpOfAllForms()) {
        if (form[QStringLiteral("form")].toString() == QLatin1String(name))
            return form.toObject();
    }
    return QJsonObject();
}

QJsonArray fieldsOf(const char *name)
{
    return formNamed(name)[QStringLiteral("fields")].toArray();
}

QJsonArray ints(std::initializer_list<int> values)
{
    QJsonArray array;
    for (int value : values)
        array.append(value);
    return array;
}

// Every resource path in the image slots of a dumped object: pixmaps mapped
// back to paths, image lists, and image-valued properties.
void collectImagePaths(const QJsonValue &value, QStringList *paths)
{
    if (value.isString()) {
        const QString text = value.toString();
        if (text.startsWith(QLatin1String(":/")) || text.startsWith(QLatin1String("<unknown image")))
            paths->append(text);
    } else if (value.isArray()) {
        for (const QJsonValue &item : value.toArray())
            collectImagePaths(item, paths);
    } else if (value.isObject()) {
        for (const QJsonValue &item : value.toObject())
            collectImagePaths(item, paths);
    }
}

} // namespace

TEST(ToolDump, DescribesEveryCatalogueFormInCatalogueOrder)
{
    const QJsonArray &forms = dumpOfAllForms();
    ASSERT_EQ(forms.size(), int(kCatalogueSize)) << "dump --all failed or gave the wrong number of forms";
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        const CatalogueIndexEntry &entry = kCatalogueIndex[i];
        const QJsonObject form = forms.at(int(i)).toObject();
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(form[QStringLiteral("form")].toString(), QLatin1String(entry.name));
        const QJsonObject root = form[QStringLiteral("root")].toObject();
        EXPECT_EQ(root[QStringLiteral("objectName")].toString(), QLatin1String(entry.name));
        EXPECT_EQ(root[QStringLiteral("size")].toArray(), ints({entry.width, entry.height}));
        EXPECT_TRUE(root[QStringLiteral("properties")].isObject());
        EXPECT_EQ(form[QStringLiteral("fields")].toArray().size(), entry.fieldCount);
    }
}

TEST(ToolDump, EveryFieldIsIdentifiedWithNameAndClass)
{
    int spacers = 0;
    int fields = 0;
    for (const QJsonValue &form : dumpOfAllForms()) {
        const QJsonArray formFields = form[QStringLiteral("fields")].toArray();
        for (int i = 0; i < formFields.size(); ++i) {
            const QJsonObject field = formFields.at(i).toObject();
            SCOPED_TRACE(
                QStringLiteral("%1 field %2").arg(form[QStringLiteral("form")].toString()).arg(i).toStdString());
            ++fields;
            EXPECT_EQ(field[QStringLiteral("index")].toInt(-1), i);
            EXPECT_FALSE(field.contains(QStringLiteral("problem")))
                << field[QStringLiteral("problem")].toString().toStdString();
            const QString className = field[QStringLiteral("class")].toString();
            EXPECT_FALSE(className.isEmpty());
            if (className == QLatin1String("QSpacerItem")) {
                ++spacers;
                EXPECT_TRUE(field[QStringLiteral("name")].isNull());
                EXPECT_TRUE(field[QStringLiteral("parent")].isNull());
                EXPECT_TRUE(field[QStringLiteral("settings")][QStringLiteral("sizeHint")].isArray());
            } else {
                EXPECT_FALSE(field[QStringLiteral("name")].toString().isEmpty());
                EXPECT_TRUE(field[QStringLiteral("settings")].isObject());
            }
        }
    }
    EXPECT_GT(fields, 0);
}

TEST(ToolDump, EveryParentIsRootOrAnEarlierField)
{
    for (const QJsonValue &form : dumpOfAllForms()) {
        QSet<QString> earlier;
        for (const QJsonValue &value : form[QStringLiteral("fields")].toArray()) {
            const QJsonValue parent = value[QStringLiteral("parent")];
            if (parent.isString() && parent.toString() != QLatin1String("Root")) {
                EXPECT_TRUE(earlier.contains(parent.toString()))
                    << form[QStringLiteral("form")].toString().toStdString() << ": "
                    << value[QStringLiteral("name")].toString().toStdString() << " has parent "
                    << parent.toString().toStdString();
            }
            earlier.insert(value[QStringLiteral("name")].toString());
        }
    }
}

TEST(ToolDump, EveryImagePathIsInThePlaceholderBundle)
{
    ASSERT_TRUE(registerPlaceholderBundle());
    QStringList paths;
    for (const QJsonValue &form : dumpOfAllForms()) {
        collectImagePaths(form[QStringLiteral("root")][QStringLiteral("properties")], &paths);
        for (const QJsonValue &field : form[QStringLiteral("fields")].toArray()) {
            collectImagePaths(field[QStringLiteral("images")], &paths);
            collectImagePaths(field[QStringLiteral("properties")], &paths);
        }
    }
    ASSERT_FALSE(paths.isEmpty());
    for (const QString &path : qAsConst(paths))
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
}

TEST(ToolDump, TitleBarClockShowsItsPlaceholderAtItsPlace)
{
    const QJsonObject time = fieldsOf("QuarnTitleBar").at(0).toObject();
    EXPECT_EQ(time[QStringLiteral("name")].toString(), QLatin1String("txtTime"));
    EXPECT_EQ(time[QStringLiteral("text")].toString(), QLatin1String("HH:MM"));
    EXPECT_EQ(time[QStringLiteral("geometry")].toArray(), ints({81, 0, 91, 21}));
    EXPECT_EQ(time[QStringLiteral("parent")].toString(), QLatin1String("Root"));
}

TEST(ToolDump, ScrollButtonsCarryTheirFaces)
{
    const QJsonArray buttons = fieldsOf("ScrollButtonsWidgetClass");
    ASSERT_EQ(buttons.size(), 2);
    for (const QJsonValue &button : buttons) {
        const QJsonObject images = button[QStringLiteral("images")].toObject();
        EXPECT_TRUE(images[QStringLiteral("normal")].toString().startsWith(QLatin1String(":/Buttons/")))
            << button[QStringLiteral("name")].toString().toStdString();
        EXPECT_TRUE(images[QStringLiteral("pressed")].toString().startsWith(QLatin1String(":/Buttons/")));
        EXPECT_NE(images[QStringLiteral("normal")], images[QStringLiteral("pressed")]);
    }
}

TEST(ToolDump, PopupRootPropertiesAreReportedByName)
{
    const QJsonObject properties =
        formNamed("QuarnInfoPopupClass")[QStringLiteral("root")].toObject()[QStringLiteral("properties")].toObject();
    EXPECT_TRUE(properties[QStringLiteral("imageTop")].toString().startsWith(QLatin1String(":/Bkgd/")));
    EXPECT_TRUE(properties[QStringLiteral("clientAreaHeight")].isDouble());
    EXPECT_TRUE(properties.contains(QStringLiteral("windowModality")));
}

TEST(ToolDump, LayoutsListTheirMembersByFieldName)
{
    int layouts = 0;
    for (const QJsonValue &form : dumpOfAllForms()) {
        QSet<QString> names;
        for (const QJsonValue &field : form[QStringLiteral("fields")].toArray())
            names.insert(field[QStringLiteral("name")].toString());
        for (const QJsonValue &field : form[QStringLiteral("fields")].toArray()) {
            const QJsonObject settings = field[QStringLiteral("settings")].toObject();
            if (!settings.contains(QStringLiteral("members")))
                continue;
            ++layouts;
            EXPECT_EQ(settings[QStringLiteral("contentsMargins")].toArray().size(), 4);
            EXPECT_TRUE(settings[QStringLiteral("spacing")].isDouble());
            for (const QJsonValue &member : settings[QStringLiteral("members")].toArray()) {
                // A spacer is named by its field index, anything else by name.
                EXPECT_TRUE(member.isDouble() || names.contains(member.toString()))
                    << field[QStringLiteral("name")].toString().toStdString();
            }
        }
    }
    EXPECT_GT(layouts, 0);
}

TEST(ToolDump, KeepsTheOrderAskedFor)
{
    const ToolRun run = runTool({QStringLiteral("dump"), QStringLiteral("PinClass"), QStringLiteral("QuarnTitleBar")});
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonParseError error;
    const QJsonArray forms = QJsonDocument::fromJson(run.out, &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    ASSERT_EQ(forms.size(), 2);
    EXPECT_EQ(forms.at(0)[QStringLiteral("form")].toString(), QLatin1String("PinClass"));
    EXPECT_EQ(forms.at(1)[QStringLiteral("form")].toString(), QLatin1String("QuarnTitleBar"));
}

TEST(ToolDump, InstallsTheTranslatorBeforeBuilding)
{
    const QString translations = QStringLiteral(QUARN_TEST_TRANSLATIONS);
    const ToolRun run = runTool({QStringLiteral("--translations"), translations, QStringLiteral("dump"),
                                 QStringLiteral("QuarnMessageBoxClass")});
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList texts;
    for (const QJsonValue &field : QJsonDocument::fromJson(run.out).array().at(0)[QStringLiteral("fields")].toArray())
        texts.append(field[QStringLiteral("text")].toString());
    EXPECT_TRUE(texts.contains(QStringLiteral("Nachricht"))) << texts.join(',').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("Message")));
    // Contexts keep forms apart: another form's translation of "OK" is not this one's.
    EXPECT_TRUE(texts.contains(QStringLiteral("OK")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Jawohl")));
}

// Forms share no state and need no other form first: built in the opposite
// order, and a spread of them first thing in a process of their own, every
// form comes out as it does in catalogue order.
TEST(ToolDump, EachFormBuildsTheSameWhateverWasBuiltBefore)
{
    const QJsonArray all = dumpOfAllForms();
    ASSERT_EQ(all.size(), int(kCatalogueSize));

    QStringList reversed;
    for (std::size_t i = kCatalogueSize; i-- > 0;)
        reversed.append(QString::fromLatin1(kCatalogueIndex[i].name));
    const ToolRun backwards = runTool(QStringList{QStringLiteral("dump")} + reversed);
    ASSERT_TRUE(backwards.finished && backwards.exitCode == 0) << backwards.err.constData();
    const QJsonArray inReverse = QJsonDocument::fromJson(backwards.out).array();
    ASSERT_EQ(inReverse.size(), all.size());
    for (std::size_t i = 0; i < kCatalogueSize; ++i)
        EXPECT_EQ(inReverse.at(int(kCatalogueSize - 1 - i)), all.at(int(i))) << kCatalogueIndex[i].name;

    // Every seventh form, so that each subsystem has some, and the last one.
    std::vector<std::size_t> alone;
    for (std::size_t i = 0; i < kCatalogueSize; i += 7)
        alone.push_back(i);
    if (alone.back() != kCatalogueSize - 1)
        alone.push_back(kCatalogueSize - 1);
    for (std::size_t i : alone) {
        const char *name = kCatalogueIndex[i].name;
        const ToolRun run = runTool({QStringLiteral("dump"), QString::fromLatin1(name)});
        ASSERT_TRUE(run.finished && run.exitCode == 0) << name << ": " << run.err.constData();
        const QJsonArray built = QJsonDocument::fromJson(run.out).array();
        ASSERT_EQ(built.size(), 1) << name;
        EXPECT_EQ(built.at(0), all.at(int(i))) << name;
    }
}
