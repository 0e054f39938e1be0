// The Designer-form model: every export reads back and writes as the same
// bytes, and what it cannot take, or a form may not hold, is kept with its line.

#include "tool_process.h"
#include "uiform/ui_model.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace quarn::layouttool;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray form(const char *widgetContent, const char *tail = "")
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<ui version=\"4.0\">\n"
                      "<class>Probe</class>\n"
                      "<widget class=\"QWidget\" name=\"Probe\">\n")
        + widgetContent + "</widget>\n" + tail + "</ui>\n";
}

} // namespace

TEST(UiModel, EveryExportReadsBackAndWritesTheSameBytes)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const ToolRun exported =
        runTool({QStringLiteral("ui"), QStringLiteral("--all"), QStringLiteral("-o"), scratch.path()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const QStringList files = QDir(scratch.path()).entryList({QStringLiteral("*.ui")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    QStringList differing;
    for (const QString &file : files) {
        const QByteArray bytes = readAll(scratch.filePath(file));
        UiForm model;
        QString error;
        if (!model.read(bytes, &error)) {
            differing << file + QStringLiteral(": ") + error;
            continue;
        }
        if (!model.root || model.root->className != QLatin1String("QWidget") || model.className.isEmpty())
            differing << file + QStringLiteral(": no root widget or class read");
        else if (model.write() != bytes)
            differing << file + QStringLiteral(": written differently");
    }
    EXPECT_TRUE(differing.isEmpty()) << differing.size() << " of " << files.size() << ":\n"
                                     << differing.join(QLatin1Char('\n')).toStdString();
}

TEST(UiModel, KeepsWhatAFormMayNotHoldWithItsLine)
{
    UiForm model;
    QString error;
    ASSERT_TRUE(model.read(form("<property name=\"cursor\"><cursorShape>PointingHandCursor</cursorShape></property>\n"
                                "<blink/>\n"
                                "<layout class=\"QGridLayout\" name=\"grid\"/>\n"
                                "<layout class=\"QGridLayout\" name=\"second\"/>\n",
                                "<widget class=\"QWidget\" name=\"stray\"/>\n"
                                "<connections>\n"
                                "<connection><sender>a</sender><signal>s()</signal>"
                                "<receiver>b</receiver><slot>t()</slot></connection>\n"
                                "</connections>\n"),
                           &error))
        << error.toStdString();
    ASSERT_TRUE(model.root);
    const UiWidget &root = *model.root;
    ASSERT_EQ(root.properties.size(), 1);
    EXPECT_EQ(root.properties.at(0).value.kind, UiValue::Kind::Unknown);
    EXPECT_EQ(root.properties.at(0).value.tag, QStringLiteral("cursorShape"));
    EXPECT_EQ(root.properties.at(0).line, 5);
    ASSERT_EQ(root.foreign.size(), 2);
    EXPECT_EQ(root.foreign.at(0).quoted(), QStringLiteral("<blink>"));
    EXPECT_EQ(root.foreign.at(0).line, 6);
    EXPECT_EQ(root.foreign.at(1).quoted(), QStringLiteral("<layout name=\"second\">"));
    EXPECT_EQ(root.foreign.at(1).line, 8);
    ASSERT_EQ(model.foreign.size(), 1);
    EXPECT_EQ(model.foreign.at(0).quoted(), QStringLiteral("<widget name=\"stray\">"));
    EXPECT_EQ(model.foreign.at(0).line, 10);
    ASSERT_EQ(model.connections.size(), 1);
    EXPECT_EQ(model.connectionsLine, 11);
    EXPECT_EQ(model.connections.at(0).slot, QStringLiteral("t()"));
}

// Resource files are included by location only; anything else under
// <resources> is kept as foreign, where it is.
TEST(UiModel, ReadsResourceIncludesAndKeepsAnythingElseThereWithItsLine)
{
    UiForm model;
    QString error;
    const QByteArray included = form("",
                                     "<resources>\n"
                                     "<include location=\"quarn-images.qrc\"/>\n"
                                     "<include location=\"../other/more.qrc\"/>\n"
                                     "</resources>\n");
    ASSERT_TRUE(model.read(included, &error)) << error.toStdString();
    EXPECT_EQ(model.resources, (QStringList{QStringLiteral("quarn-images.qrc"), QStringLiteral("../other/more.qrc")}));
    EXPECT_TRUE(model.foreign.isEmpty());
    UiForm again;
    ASSERT_TRUE(again.read(model.write(), &error)) << error.toStdString();
    EXPECT_EQ(again.resources, model.resources);

    UiForm odd;
    ASSERT_TRUE(odd.read(form("",
                              "<resources>\n"
                              "<include location=\"a.qrc\" prefix=\"x\"/>\n"
                              "<include/>\n"
                              "<include location=\"b.qrc\">text</include>\n"
                              "<file>c.png</file>\n"
                              "</resources>\n"),
                         &error))
        << error.toStdString();
    EXPECT_TRUE(odd.resources.isEmpty());
    QVector<int> lines;
    for (const UiElement &element : odd.foreign)
        lines.append(element.line);
    EXPECT_EQ(lines, (QVector<int>{7, 8, 9, 10}));
}

TEST(UiModel, RefusesBrokenTextAndValuesNotWhatTheirElementSaysNamingTheLine)
{
    struct Case {
        const char *what;
        QByteArray ui;
        int line;
    };
    const Case cases[] = {
        {"an unclosed element", form("<property name=\"x\"><number>1</number>\n</propery>\n"), 6},
        {"a number of letters", form("<property name=\"x\">\n<number>twelve</number></property>\n"), 6},
        {"a rect of letters", form("<property name=\"geometry\"><rect>\n<x>a</x><y>0</y></rect></property>\n"), 6},
        {"a rect whose right edge is beyond int",
         form("<property name=\"geometry\">\n<rect><x>2147483647</x><y>0</y><width>121</width><height>1</height>"
              "</rect></property>\n"),
         6},
        {"a point at the least int",
         form("<property name=\"p\">\n<point><x>-2147483648</x><y>0</y></point></property>\n"), 6},
        {"a size of the least int",
         form("<property name=\"s\">\n<size><width>0</width><height>-2147483648</height></size></property>\n"), 6},
        {"no form at all", QByteArray("<?xml version=\"1.0\"?>\n<html/>\n"), 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        UiForm model;
        QString error;
        EXPECT_FALSE(model.read(c.ui, &error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("line %1:").arg(c.line))) << error.toStdString();
    }
}

// Values compare by what they say, not how a file spells them.
TEST(UiModel, ValuesEqualWhateverTheirSpelling)
{
    UiForm spelled, other;
    QString error;
    ASSERT_TRUE(spelled.read(form("<property name=\"c\"><color><red>1</red><green>2</green><blue>3</blue></color>"
                                  "</property>\n<property name=\"d\"><double>0.50</double></property>\n"
                                  "<property name=\"n\"><number> 7 </number></property>\n"),
                             &error))
        << error.toStdString();
    ASSERT_TRUE(other.read(form("<property name=\"c\"><color alpha=\"255\"><blue>3</blue><green>2</green><red>1</red>"
                                "</color></property>\n<property name=\"d\"><double>5e-1</double></property>\n"
                                "<property name=\"n\"><number>7</number></property>\n"),
                           &error))
        << error.toStdString();
    ASSERT_EQ(spelled.root->properties.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(spelled.root->properties.at(i).value, other.root->properties.at(i).value) << i;
    UiValue changed = other.root->properties.at(0).value;
    changed.colour.setAlpha(254);
    EXPECT_NE(spelled.root->properties.at(0).value, changed);
}

// Designer saves some values in its own words: the same value must come back,
// or a row no longer matches its look.
TEST(UiModel, ReadsDesignersSpellingAsTheExportsValue)
{
    UiForm exported, saved;
    QString error;
    ASSERT_TRUE(exported.read(form("<property name=\"a\"><set>Qt::AlignTrailing|Qt::AlignVCenter</set></property>\n"
                                   "<property name=\"b\"><set>Qt::AlignLeading|Qt::AlignTop</set></property>\n"
                                   "<property name=\"t\" stdset=\"0\"><uInt>5</uInt></property>\n"
                                   "<property name=\"font\"><font><bold>true</bold></font></property>\n"),
                              &error))
        << error.toStdString();
    ASSERT_TRUE(saved.read(form("<property name=\"a\"><set>Qt::AlignRight|Qt::AlignTrailing|Qt::AlignVCenter</set>"
                                "</property>\n<property name=\"b\"><set> Qt::AlignTop | Qt::AlignLeading|Qt::AlignLeft"
                                "</set></property>\n<property name=\"t\" stdset=\"0\"><UInt>5</UInt></property>\n"
                                "<property name=\"font\"><font><pointsize>-1</pointsize><bold>true</bold></font>"
                                "</property>\n"),
                           &error))
        << error.toStdString();
    ASSERT_EQ(saved.root->properties.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(saved.root->properties.at(i).value, exported.root->properties.at(i).value) << i;
    EXPECT_EQ(saved.root->properties.at(0).value.text, QLatin1String("Qt::AlignTrailing|Qt::AlignVCenter"));

    // What names no flags of Qt's is left as written, for validation to judge.
    UiForm other;
    ASSERT_TRUE(other.read(form("<property name=\"a\"><set>Qt::AlignNowhere|Qt::AlignTop</set></property>\n"
                                "<property name=\"b\"><set>QFrame::Plain</set></property>\n"),
                           &error))
        << error.toStdString();
    EXPECT_EQ(other.root->properties.at(0).value.text, QLatin1String("Qt::AlignNowhere|Qt::AlignTop"));
    EXPECT_EQ(other.root->properties.at(1).value.text, QLatin1String("QFrame::Plain"));
}
