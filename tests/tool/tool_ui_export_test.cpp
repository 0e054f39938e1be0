// quarn-layout ui: Designer forms as a user asks for them, and how it fails.

#include "tool_process.h"

#include "catalogue/catalogue_index.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

constexpr int kUsageError = 2;

QDomDocument readUi(const QString &path)
{
    QFile file(path);
    QDomDocument document;
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

// What the translation template says beside the texts, read on its own here:
// per context its description, per (context, text) the disambiguation and the
// note for translators.
struct TemplateNotes {
    std::map<QString, QString> descriptions;
    std::map<std::pair<QString, QString>, std::pair<QString, QString>> texts;
};

TemplateNotes notesOfTemplate()
{
    TemplateNotes notes;
    QFile file(QStringLiteral(QUARN_TRANSLATION_TEMPLATE));
    QDomDocument ts;
    if (!file.open(QIODevice::ReadOnly) || !ts.setContent(&file))
        return notes;
    const QDomNodeList contexts = ts.elementsByTagName(QStringLiteral("context"));
    for (int i = 0; i < contexts.size(); ++i) {
        const QDomElement context = contexts.at(i).toElement();
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement message = context.firstChildElement(QStringLiteral("message")); !message.isNull();
             message = message.nextSiblingElement(QStringLiteral("message"))) {
            const QString source = message.firstChildElement(QStringLiteral("source")).text();
            const QString comment = message.firstChildElement(QStringLiteral("comment")).text();
            if (source.isEmpty())
                notes.descriptions[name] = comment;
            else
                notes.texts[{name, source}] = {comment,
                                               message.firstChildElement(QStringLiteral("extracomment")).text()};
        }
    }
    return notes;
}

} // namespace

TEST(ToolUiExport, WritesOneFormWithItsClassWidgetsAndCustomWidgets)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("title.ui"));
    const ToolRun run = runTool({QStringLiteral("ui"), QStringLiteral("QuarnTitleBar"), QStringLiteral("-o"), file});
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QDomDocument ui = readUi(file);
    const QDomElement top = ui.documentElement();
    EXPECT_EQ(top.tagName(), QStringLiteral("ui"));
    EXPECT_EQ(top.firstChildElement(QStringLiteral("class")).text(), QStringLiteral("QuarnTitleBar"));
    const QDomElement root = top.firstChildElement(QStringLiteral("widget"));
    EXPECT_EQ(root.attribute(QStringLiteral("name")), QStringLiteral("QuarnTitleBar"));
    EXPECT_FALSE(root.firstChildElement(QStringLiteral("widget")).isNull());

    const QDomNodeList custom = ui.elementsByTagName(QStringLiteral("customwidget"));
    ASSERT_GT(custom.size(), 0);
    for (int i = 0; i < custom.size(); ++i) {
        const QDomElement widget = custom.at(i).toElement();
        EXPECT_FALSE(widget.firstChildElement(QStringLiteral("extends")).text().isEmpty());
        // The header uic's code includes declares the class.
        const QString className = widget.firstChildElement(QStringLiteral("class")).text();
        QFile header(QStringLiteral(QUARN_SOURCE_DIR "/") + widget.firstChildElement(QStringLiteral("header")).text());
        ASSERT_TRUE(header.open(QIODevice::ReadOnly)) << qPrintable(header.fileName());
        EXPECT_TRUE(header.readAll().contains(("class ZEL_EXPORT " + className + " ").toLatin1()))
            << qPrintable(header.fileName()) << " does not declare " << qPrintable(className);
    }
    // Pictures are written as the resource paths they came from.
    EXPECT_GT(ui.elementsByTagName(QStringLiteral("pixmap")).size(), 0);
    for (int i = 0; i < ui.elementsByTagName(QStringLiteral("pixmap")).size(); ++i)
        EXPECT_TRUE(ui.elementsByTagName(QStringLiteral("pixmap")).at(i).toElement().text().startsWith(":/"));
}

// Written to a folder, a form includes the pictures as a resource file beside
// it, which Qt's own rcc reads: every picture of the bundle, each file
// holding the bundle's bytes under the path forms use. On standard output
// there is no folder to put one in.
TEST(ToolUiExport, GivesDesignerThePicturesAsAResourceFileBesideTheForm)
{
    ASSERT_TRUE(registerPlaceholderBundle());
    QStringList bundle;
    for (QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.mif")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        bundle.append(it.next().mid(2));
    bundle.sort();
    ASSERT_GT(bundle.size(), 100);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("design/title.ui"));
    const ToolRun run = runTool({QStringLiteral("ui"), QStringLiteral("QuarnTitleBar"), QStringLiteral("-o"), file});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QDomElement resources = readUi(file).documentElement().firstChildElement(QStringLiteral("resources"));
    const QString location =
        resources.firstChildElement(QStringLiteral("include")).attribute(QStringLiteral("location"));
    ASSERT_EQ(location, QStringLiteral("quarn-images.qrc"));
    const QDir design(dir.filePath(QStringLiteral("design")));

    const ToolRun rcc = runProgram(QStringLiteral(QUARN_RCC), {QStringLiteral("--list"), design.filePath(location)});
    ASSERT_EQ(rcc.exitCode, 0) << rcc.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(rcc.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), bundle.size());

    const QDomDocument qrc = readUi(design.filePath(location));
    const QDomNodeList entries = qrc.elementsByTagName(QStringLiteral("file"));
    QStringList aliases;
    for (int i = 0; i < entries.size(); ++i) {
        const QDomElement entry = entries.at(i).toElement();
        const QString alias = entry.attribute(QStringLiteral("alias"));
        aliases.append(alias);
        QFile written(design.filePath(entry.text()));
        QFile original(QStringLiteral(":/") + alias);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << written.fileName().toStdString();
        ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << alias.toStdString();
        EXPECT_EQ(written.readAll(), original.readAll()) << alias.toStdString();
    }
    aliases.sort();
    EXPECT_EQ(aliases, bundle);

    const ToolRun printed = runTool({QStringLiteral("ui"), QStringLiteral("QuarnTitleBar")});
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    EXPECT_FALSE(printed.out.contains("<include")) << "names a resource file it did not write";
}

// A skeleton has the same objects as the complete export, placed alike,
// and no property besides their geometry.
TEST(ToolUiExport, SkeletonKeepsTheObjectsAndTheirGeometryOnly)
{
    QTemporaryDir dir;
    const QString complete = dir.filePath(QStringLiteral("complete.ui"));
    const QString skeleton = dir.filePath(QStringLiteral("skeleton.ui"));
    const QString form = QStringLiteral("SettingsNavigationScreenClass");
    const QString ui = QStringLiteral("ui"), to = QStringLiteral("-o");
    for (const ToolRun &run :
         {runTool({ui, form, to, complete}), runTool({ui, QStringLiteral("--skeleton"), form, to, skeleton})}) {
        ASSERT_TRUE(run.finished);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
    // Each object as its element, class, name and, where it comes first, geometry.
    const auto objects = [](const QDomDocument &document) {
        QStringList objects;
        for (const QString &tag : {QStringLiteral("widget"), QStringLiteral("layout"), QStringLiteral("spacer")}) {
            const QDomNodeList elements = document.elementsByTagName(tag);
            for (int i = 0; i < elements.size(); ++i) {
                const QDomElement element = elements.at(i).toElement();
                const QDomElement first = element.firstChildElement(QStringLiteral("property"));
                const bool placed = first.attribute(QStringLiteral("name")) == QLatin1String("geometry");
                objects.append(tag + element.attribute(QStringLiteral("class"))
                               + element.attribute(QStringLiteral("name")) + (placed ? first.text() : QString()));
            }
        }
        return objects;
    };
    const QDomDocument completeUi = readUi(complete);
    const QDomDocument skeletonUi = readUi(skeleton);
    EXPECT_GT(objects(skeletonUi).size(), 20);
    EXPECT_EQ(objects(skeletonUi), objects(completeUi));

    const QDomNodeList properties = skeletonUi.elementsByTagName(QStringLiteral("property"));
    for (int i = 0; i < properties.size(); ++i) {
        const QDomElement property = properties.at(i).toElement();
        const bool spacerShape = property.parentNode().toElement().tagName() == QLatin1String("spacer");
        EXPECT_TRUE(spacerShape || property.attribute(QStringLiteral("name")) == QLatin1String("geometry"))
            << property.attribute(QStringLiteral("name")).toStdString();
    }
    EXPECT_GT(completeUi.elementsByTagName(QStringLiteral("property")).size(), properties.size());
}

TEST(ToolUiExport, AllWritesEveryCatalogueFormAndLeavesUnchangedFilesAlone)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("forms"));
    const ToolRun first = runTool({QStringLiteral("ui"), QStringLiteral("--all"), QStringLiteral("-o"), out});
    ASSERT_TRUE(first.finished);
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    for (const CatalogueIndexEntry &entry : kCatalogueIndex)
        EXPECT_TRUE(QFile::exists(QDir(out).filePath(QString::fromLatin1(entry.name) + QStringLiteral(".ui"))))
            << entry.name;

    // The build reruns uic only for files whose time moved.
    const QString pin = QDir(out).filePath(QStringLiteral("PinClass.ui"));
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-3);
    {
        QFile file(pin);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const ToolRun second = runTool({QStringLiteral("ui"), QStringLiteral("--all"), QStringLiteral("-o"), out});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_LT(QFileInfo(pin).lastModified().toUTC(), QDateTime::currentDateTimeUtc().addDays(-2));
}

// What the form's sources say beside its widgets reaches Designer through
// the template: the description as the form's comment, and on each
// translated text its disambiguation and note.
TEST(ToolUiExport, CarriesTheTemplatesDescriptionsAndNotesForTranslators)
{
    const TemplateNotes notes = notesOfTemplate();
    ASSERT_FALSE(notes.descriptions.empty());
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("forms"));
    const ToolRun run = runTool({QStringLiteral("ui"), QStringLiteral("--all"), QStringLiteral("-o"), out});
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("template")) << run.err.toStdString();

    int described = 0, noted = 0;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        const QString form = QString::fromLatin1(entry.name);
        const QDomElement ui = readUi(QDir(out).filePath(form + QStringLiteral(".ui"))).documentElement();
        const auto description = notes.descriptions.find(form);
        const QString expected = description == notes.descriptions.end() ? QString() : description->second;
        EXPECT_EQ(ui.firstChildElement(QStringLiteral("comment")).text().toStdString(), expected.toStdString())
            << entry.name;
        described += !expected.isEmpty();

        const QDomNodeList strings = ui.elementsByTagName(QStringLiteral("string"));
        for (int i = 0; i < strings.size(); ++i) {
            const QDomElement string = strings.at(i).toElement();
            if (string.attribute(QStringLiteral("notr")) == QLatin1String("true"))
                continue;
            const auto text = notes.texts.find({form, string.text()});
            const auto want = text == notes.texts.end() ? std::pair<QString, QString>() : text->second;
            EXPECT_EQ(string.attribute(QStringLiteral("comment")).toStdString(), want.first.toStdString())
                << entry.name << ": " << string.text().toStdString();
            EXPECT_EQ(string.attribute(QStringLiteral("extracomment")).toStdString(), want.second.toStdString())
                << entry.name << ": " << string.text().toStdString();
            noted += !want.second.isEmpty();
        }
    }
    EXPECT_EQ(described, int(notes.descriptions.size()));
    EXPECT_GT(noted, 0);
}

// A template that says nothing leaves the export without notes; one that
// cannot be read stops it, naming the file.
TEST(ToolUiExport, TakesTheTemplateItIsGivenAndFailsOnABrokenOne)
{
    // A form the real template has notes on.
    QString form;
    for (const auto &text : notesOfTemplate().texts) {
        if (!text.second.second.isEmpty()) {
            form = text.first.first;
            break;
        }
    }
    ASSERT_FALSE(form.isEmpty());
    QTemporaryDir dir;
    const QString bare = dir.filePath(QStringLiteral("bare.ts"));
    const QString broken = dir.filePath(QStringLiteral("broken.ts"));
    ASSERT_TRUE(writeFile(bare,
                          "<?xml version=\"1.0\"?>\n<TS version=\"2.1\"><context><name>" + form.toUtf8()
                              + "</name></context></TS>\n"));
    ASSERT_TRUE(writeFile(broken, "<TS><context><name>" + form.toUtf8() + "</name>\n"));
    const QString ui = QStringLiteral("ui"), option = QStringLiteral("--template");

    const ToolRun plain = runTool({ui, option, bare, form});
    ASSERT_TRUE(plain.finished);
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_TRUE(plain.out.contains("<class>" + form.toUtf8() + "</class>"));
    EXPECT_FALSE(plain.out.contains("<comment>")) << plain.out.left(400).toStdString();
    EXPECT_FALSE(plain.out.contains("comment=")) << plain.out.toStdString();

    for (const QString &file : {broken, dir.filePath(QStringLiteral("missing.ts")), dir.path()}) {
        const ToolRun run = runTool({ui, option, file, form});
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 1) << file.toStdString();
        EXPECT_TRUE(run.err.startsWith("quarn-layout: cannot read translation template " + file.toUtf8() + ": "))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(ToolUiExport, RefusesIncompleteRequests)
{
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("ui"), QStringLiteral("--all")},
          QStringList{QStringLiteral("ui"), QStringLiteral("-o"), QStringLiteral("x.ui")},
          QStringList{QStringLiteral("ui"), QStringLiteral("PinClass"), QStringLiteral("--all"), QStringLiteral("-o"),
                      QStringLiteral("d")}}) {
        const ToolRun run = runTool(arguments);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, kUsageError) << arguments.join(QLatin1Char(' ')).toStdString();
    }
    const ToolRun unknown = runTool(
        {QStringLiteral("ui"), QStringLiteral("NoSuchForm"), QStringLiteral("-o"), QStringLiteral("/tmp/never.ui")});
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/never.ui")));
}
