// quarn-layout code on what Designer may hand it: what it refuses, how it says
// so, and a look recognised from its settings alone.

#include "tool_process.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString rect(int x, int y, int width, int height)
{
    return QStringLiteral("<property name=\"geometry\"><rect><x>%1</x><y>%2</y><width>%3</width>"
                          "<height>%4</height></rect></property>")
        .arg(x)
        .arg(y)
        .arg(width)
        .arg(height);
}

// A small form a line at a time, so that a test knows the line of what it adds.
QStringList probeForm()
{
    return {
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"),
        QStringLiteral("<ui version=\"4.0\">"),
        QStringLiteral("<class>Probe</class>"),
        QStringLiteral("<widget class=\"QWidget\" name=\"Probe\">"),
        rect(0, 0, 240, 400),
        QStringLiteral("<widget class=\"QWidget\" name=\"panel\">"),
        rect(10, 20, 200, 100),
        QStringLiteral("<layout class=\"QGridLayout\" name=\"grid\">"),
        QStringLiteral("<item row=\"0\" column=\"0\">"),
        QStringLiteral("<widget class=\"QWidget\" name=\"cell\"/>"),
        QStringLiteral("</item>"),
        QStringLiteral("</layout>"),
        QStringLiteral("</widget>"),
        QStringLiteral("</widget>"),
        QStringLiteral("</ui>"),
    };
}

int lineOf(const QStringList &lines, const QString &text)
{
    return lines.indexOf(text) + 1;
}

struct CodeRun {
    ToolRun run;
    QString source; // the written .cpp, empty when none
};

CodeRun code(const QTemporaryDir &dir, const QString &name, const QByteArray &ui)
{
    const QString file = dir.filePath(name + QStringLiteral(".ui"));
    writeFile(file, ui);
    const QString out = dir.filePath(QStringLiteral("out"));
    CodeRun result;
    result.run = runTool({QStringLiteral("code"), file, QStringLiteral("-o"), out});
    result.source = QString::fromUtf8(readAll(QDir(out).filePath(name + QStringLiteral(".cpp"))));
    return result;
}

// The probe broken in one place, and what the refusal must say.
struct RefusalCase {
    const char *what;
    QString insertBefore; // line of the probe the addition goes before
    QStringList addition;
    QString replace;      // else this line of the probe ...
    QString replacement;  // ... becomes this
    QStringList expected; // in the message, besides the file and "line N"
};

void expectRefused(const QTemporaryDir &dir, const RefusalCase &c)
{
    SCOPED_TRACE(c.what);
    QStringList lines = probeForm();
    int line = 0;
    if (!c.replace.isEmpty()) {
        line = lineOf(lines, c.replace);
        lines[line - 1] = c.replacement;
    } else {
        line = lineOf(lines, c.insertBefore);
        for (int i = 0; i < c.addition.size(); ++i)
            lines.insert(line - 1 + i, c.addition.at(i));
    }
    ASSERT_GT(line, 0);
    QDir(dir.filePath(QStringLiteral("out"))).removeRecursively();
    const CodeRun refused = code(dir, QStringLiteral("Probe"), lines.join(QLatin1Char('\n')).toUtf8());
    const QString message = QString::fromUtf8(refused.run.err);
    EXPECT_TRUE(refused.run.finished);
    EXPECT_EQ(refused.run.exitCode, 1) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Probe.ui"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("line %1:").arg(line))) << message.toStdString();
    EXPECT_EQ(message.trimmed().count(QLatin1Char('\n')), 0) << message.toStdString();
    for (const QString &word : c.expected)
        EXPECT_TRUE(message.contains(word)) << word.toStdString() << " not in " << message.toStdString();
    // Refused means nothing written, not a half form.
    EXPECT_TRUE(refused.source.isEmpty());
}

} // namespace

TEST(ToolCode, RefusesWhatAFormCannotHoldNamingTheElementAndLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The untouched probe is a form; each case below breaks it in one place.
    const CodeRun plain = code(dir, QStringLiteral("Probe"), probeForm().join(QLatin1Char('\n')).toUtf8());
    ASSERT_EQ(plain.run.exitCode, 0) << plain.run.err.toStdString();
    ASSERT_TRUE(plain.source.contains(QStringLiteral("ui.cell"))) << plain.source.toStdString();

    const QString cell = QStringLiteral("<item row=\"0\" column=\"0\">");
    const RefusalCase cases[] = {
        {"a connection",
         QStringLiteral("</ui>"),
         {QStringLiteral("<connections>"),
          QStringLiteral("<connection><sender>cell</sender><signal>destroyed()</signal>"
                         "<receiver>Probe</receiver><slot>close()</slot></connection>"),
          QStringLiteral("</connections>")},
         {},
         {},
         {QStringLiteral("<connections>")}},
        {"a cursor property",
         QStringLiteral("</widget>"),
         {QStringLiteral("<property name=\"cursor\"><cursorShape>PointingHandCursor</cursorShape></property>")},
         {},
         {},
         {QStringLiteral("<cursorShape>")}},
        {"an unknown grid item attribute",
         {},
         {},
         cell,
         QStringLiteral("<item row=\"0\" column=\"0\" weight=\"2\">"),
         {QStringLiteral("<item>"), QStringLiteral("weight")}},
        {"a widget outside any widget",
         QStringLiteral("</ui>"),
         {QStringLiteral("<widget class=\"QWidget\" name=\"stray\"/>")},
         {},
         {},
         {QStringLiteral("name=\"stray\"")}},
    };
    for (const RefusalCase &c : cases)
        expectRefused(dir, c);
}

// What would put the form's text into the source as code, fail to compile or
// overflow is refused at its element, before anything is written.
TEST(ToolCode, RefusesValuesThatWouldBeCodeOrOverflowNamingTheElementAndLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cellWidget = QStringLiteral("<widget class=\"QWidget\" name=\"cell\"/>");
    const QString panelRect = rect(10, 20, 200, 100);
    const QString panel = QStringLiteral("<widget class=\"QWidget\" name=\"panel\">");
    const QString cellWith = QStringLiteral("<widget class=\"QWidget\" name=\"cell\">%1</widget>");
    QString deep;
    for (int i = 0; i < 300; ++i)
        deep += QStringLiteral("<widget class=\"QWidget\" name=\"w%1\">").arg(i);
    for (int i = 0; i < 300; ++i)
        deep += QStringLiteral("</widget>");
    const RefusalCase cases[] = {
        {"code for a number",
         {},
         {},
         panelRect,
         QStringLiteral("<property name=\"geometry\"><rect><x>(std::abort(), 0)</x><y>0</y><width>1</width>"
                        "<height>1</height></rect></property>"),
         {QStringLiteral("<x>"), QStringLiteral("no number")}},
        {"a place past the ends of int", {}, {}, panelRect, rect(-2147483647, 0, 0, 10), {QStringLiteral("<rect>")}},
        {"a comment that closes itself",
         QStringLiteral("<widget class=\"QWidget\" name=\"Probe\">"),
         {QStringLiteral("<comment>ends */ struct Injected {}; /*</comment>")},
         {},
         {},
         {QStringLiteral("<comment>"), QStringLiteral("*/")}},
        {"a keyword as the class name",
         {},
         {},
         QStringLiteral("<class>Probe</class>"),
         QStringLiteral("<class>struct</class>"),
         {QStringLiteral("<class>"), QStringLiteral("struct")}},
        {"a keyword as a name",
         {},
         {},
         cellWidget,
         QStringLiteral("<widget class=\"QWidget\" name=\"virtual\"/>"),
         {QStringLiteral("name=\"virtual\"")}},
        {"a name across two lines",
         {},
         {},
         cellWidget,
         QStringLiteral("<widget class=\"QWidget\" name=\"a&#10;b\"/>"),
         {QStringLiteral("no C++ name")}},
        {"a class no routine makes",
         {},
         {},
         cellWidget,
         QStringLiteral("<widget class=\"QFoo\" name=\"cell\"/>"),
         {QStringLiteral("QFoo"), QStringLiteral("no widget class")}},
        {"a value no enum has",
         {},
         {},
         cellWidget,
         cellWith.arg(QStringLiteral("<property name=\"focusPolicy\"><enum>Qt::NoFocus);abort(</enum></property>")),
         {QStringLiteral("<enum>")}},
        {"a key of another scope",
         {},
         {},
         cellWidget,
         cellWith.arg(QStringLiteral("<property name=\"focusPolicy\"><enum>QSizePolicy::Fixed</enum></property>")),
         {QStringLiteral("<enum>"), QStringLiteral("Qt::FocusPolicy")}},
        {"a setting the class lacks",
         {},
         {},
         cellWidget,
         cellWith.arg(QStringLiteral("<property name=\"buddy\"><cstring>panel</cstring></property>")),
         {QStringLiteral("name=\"buddy\""), QStringLiteral("label")}},
        {"a value of the wrong type",
         {},
         {},
         cellWidget,
         cellWith.arg(QStringLiteral("<property name=\"enabled\"><string>yes</string></property>")),
         {QStringLiteral("<string>"), QStringLiteral("bool")}},
        {"a NUL in a text",
         {},
         {},
         cellWidget,
         cellWith.arg(QStringLiteral("<property name=\"toolTip\"><string>cut") + QChar(0)
                      + QStringLiteral("here</string></property>")),
         {QStringLiteral("not well-formed")}},
        {"stretch factors that are code",
         {},
         {},
         QStringLiteral("<layout class=\"QGridLayout\" name=\"grid\">"),
         QStringLiteral("<layout class=\"QHBoxLayout\" name=\"grid\" stretch=\"1});abort({\">"),
         {QStringLiteral("<layout name=\"grid\">"), QStringLiteral("stretch")}},
        {"nesting deeper than any form", {}, {}, cellWidget, deep, {QStringLiteral("nested deeper than 256")}},
    };
    for (const RefusalCase &c : cases)
        expectRefused(dir, c);

    // A class name that would make a file name too long is refused at <class>.
    QStringList lines = probeForm();
    lines[lineOf(lines, QStringLiteral("<class>Probe</class>")) - 1] =
        QStringLiteral("<class>%1</class>").arg(QString(300, QLatin1Char('a')));
    const CodeRun tooLong = code(dir, QStringLiteral("Long"), lines.join(QLatin1Char('\n')).toUtf8());
    EXPECT_EQ(tooLong.run.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(tooLong.run.err).contains(QStringLiteral("line 3: <class>: a class name of 300")))
        << tooLong.run.err.toStdString();
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("out"))).entryList(QDir::Files).isEmpty());
}

// Texts a source must take care with are written as literals that compile
// to the same text (no trigraph among them), and a translator's note that would close a comment stays text.
TEST(ToolCode, AwkwardTextsBecomeLiterals)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList lines = probeForm();
    lines.insert(lineOf(lines, QStringLiteral("<widget class=\"QWidget\" name=\"cell\"/>")) - 1,
                 QStringLiteral("<widget class=\"QWidget\" name=\"tip\"><property name=\"toolTip\"><string "
                                "notr=\"true\">say \"*/\" C:\\ \t\u00e9 ?\?/</string></property></widget>"));
    const CodeRun accepted = code(dir, QStringLiteral("Probe"), lines.join(QLatin1Char('\n')).toUtf8());
    ASSERT_EQ(accepted.run.exitCode, 0) << accepted.run.err.toStdString();
    EXPECT_TRUE(accepted.source.contains(QString::fromUtf8("\"say \\\"*/\\\" C:\\\\ \\t\u00e9 ?\\?/\"")))
        << accepted.source.toStdString();
}

// Whole or nothing: a formatter that gives back less than it was given, or a
// later form refused, leaves no file written, not even of the forms before.
TEST(ToolCode, WritesNothingUnlessEveryFormIsWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("Probe.ui"));
    ASSERT_TRUE(writeFile(good, probeForm().join(QLatin1Char('\n')).toUtf8()));
    QStringList lines = probeForm();
    lines[lineOf(lines, QStringLiteral("<class>Probe</class>")) - 1] = QStringLiteral("<class>Other</class>");
    lines[lineOf(lines, QStringLiteral("<widget class=\"QWidget\" name=\"cell\"/>")) - 1] =
        QStringLiteral("<widget class=\"QWidget\" name=\"class\"/>");
    const QString bad = dir.filePath(QStringLiteral("Other.ui"));
    ASSERT_TRUE(writeFile(bad, lines.join(QLatin1Char('\n')).toUtf8()));
    const QString out = dir.filePath(QStringLiteral("out"));
    const ToolRun refused = runTool({QStringLiteral("code"), good, bad, QStringLiteral("-o"), out});
    EXPECT_EQ(refused.exitCode, 1) << refused.err.toStdString();
    EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty()) << QDir(out).entryList(QDir::Files).join(' ').toStdString();

    // A clang-format that stops half way, as one does at a NUL.
    const QString bin = dir.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    const QString fake = QDir(bin).filePath(QStringLiteral("clang-format-14"));
    ASSERT_TRUE(writeFile(fake, "#!/bin/sh\nhead -c 200\n"));
    QFile(fake).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), bin + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    const ToolRun cut = runTool({QStringLiteral("code"), good, QStringLiteral("-o"), out}, environment);
    EXPECT_EQ(cut.exitCode, 1) << cut.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(cut.err).contains(QStringLiteral("other code"))) << cut.err.toStdString();
    EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty());
}

TEST(ToolCode, FailsOnBrokenXmlAndOnAMissingFileNamingThem)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList lines = probeForm();
    lines[lineOf(lines, QStringLiteral("</item>")) - 1] = QStringLiteral("</itme>");
    const CodeRun broken = code(dir, QStringLiteral("Broken"), lines.join(QLatin1Char('\n')).toUtf8());
    const QString message = QString::fromUtf8(broken.run.err);
    EXPECT_EQ(broken.run.exitCode, 1) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Broken.ui"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("line %1:").arg(lineOf(lines, QStringLiteral("</itme>")))))
        << message.toStdString();
    EXPECT_TRUE(broken.source.isEmpty());

    const QString missing = dir.filePath(QStringLiteral("nowhere/Missing.ui"));
    const ToolRun absent = runTool({QStringLiteral("code"), missing, QStringLiteral("-o"), dir.path()});
    EXPECT_EQ(absent.exitCode, 1) << absent.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(absent.err).contains(missing)) << absent.err.toStdString();
}

// A caption with exactly the settings an exported setting caption has is
// written as that look; one setting less, and it is not.
TEST(ToolCode, WidgetWithALooksExactSettingsGetsTheLook)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString exportFile = dir.filePath(QStringLiteral("export.ui"));
    const ToolRun exported =
        runTool({QStringLiteral("ui"), QStringLiteral("BarometerCalibScreenClass"), QStringLiteral("-o"), exportFile});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    QDomDocument source;
    ASSERT_TRUE(source.setContent(readAll(exportFile)));
    QDomElement caption;
    const QDomNodeList widgets = source.elementsByTagName(QStringLiteral("widget"));
    for (int i = 0; i < widgets.size() && caption.isNull(); ++i) {
        if (widgets.at(i).toElement().attribute(QStringLiteral("name")) == QLatin1String("lblSeeLevelPress"))
            caption = widgets.at(i).toElement();
    }
    ASSERT_FALSE(caption.isNull());

    QDomDocument probe;
    ASSERT_TRUE(probe.setContent(probeForm().join(QLatin1Char('\n'))));
    QDomElement root = probe.documentElement().firstChildElement(QStringLiteral("widget"));
    QDomElement copy = probe.importNode(caption, true).toElement();
    copy.setAttribute(QStringLiteral("name"), QStringLiteral("caption"));
    root.appendChild(copy);
    probe.documentElement().appendChild(
        probe.importNode(source.documentElement().firstChildElement(QStringLiteral("customwidgets")), true));

    const QString row = QStringLiteral("make(ui.caption, root, \"caption\")");
    const CodeRun look = code(dir, QStringLiteral("Probe"), probe.toByteArray());
    ASSERT_EQ(look.run.exitCode, 0) << look.run.err.toStdString();
    const QString written = look.source.simplified();
    ASSERT_TRUE(written.contains(row)) << look.source.toStdString();
    EXPECT_TRUE(
        written.mid(written.indexOf(row)).section(QLatin1Char(';'), 0, 0).contains(QStringLiteral(".settingCaption()")))
        << look.source.toStdString();

    // Without the last setting that is neither place nor text, the look's
    // settings are no longer all there.
    QDomElement dropped;
    for (QDomElement property = copy.firstChildElement(QStringLiteral("property")); !property.isNull();
         property = property.nextSiblingElement(QStringLiteral("property"))) {
        if (property.attribute(QStringLiteral("name")) != QLatin1String("geometry")
            && property.firstChildElement(QStringLiteral("string")).isNull())
            dropped = property;
    }
    ASSERT_FALSE(dropped.isNull());
    copy.removeChild(dropped);
    const CodeRun plain = code(dir, QStringLiteral("Probe"), probe.toByteArray());
    ASSERT_EQ(plain.run.exitCode, 0) << plain.run.err.toStdString();
    EXPECT_FALSE(plain.source.contains(QStringLiteral(".settingCaption()")))
        << dropped.attribute(QStringLiteral("name")).toStdString() << "\n"
        << plain.source.toStdString();
}

// Designer 6 writes a normal or bold weight as the bold flag alone, Designer 5
// the flag with the weight: both are the same font and the same source, and a
// weight Font has no form for stays refused.
TEST(ToolCode, AFontsBoldFlagWithoutAWeightIsTheWeightItNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cell = QStringLiteral("<widget class=\"QWidget\" name=\"cell\"/>");
    const auto withFont = [&](const QString &font) {
        QStringList lines = probeForm();
        lines[lineOf(lines, cell) - 1] = QStringLiteral("<widget class=\"QWidget\" name=\"cell\">"
                                                        "<property name=\"font\"><font>%1</font></property></widget>")
                                             .arg(font);
        return code(dir, QStringLiteral("Probe"), lines.join(QLatin1Char('\n')).toUtf8());
    };
    for (const bool bold : {true, false}) {
        const QString flag = QStringLiteral("<bold>%1</bold>").arg(bold ? "true" : "false");
        const CodeRun flagAlone = withFont(QStringLiteral("<pointsize>9</pointsize>") + flag);
        const CodeRun withWeight =
            withFont(QStringLiteral("<pointsize>9</pointsize><weight>%1</weight>").arg(bold ? 75 : 50) + flag);
        ASSERT_EQ(flagAlone.run.exitCode, 0) << flagAlone.run.err.toStdString();
        ASSERT_EQ(withWeight.run.exitCode, 0) << withWeight.run.err.toStdString();
        EXPECT_EQ(flagAlone.source, withWeight.source);
        EXPECT_TRUE(flagAlone.source.contains(bold ? QStringLiteral(".bold()") : QStringLiteral(".normalWeight()")))
            << flagAlone.source.toStdString();
    }
    const CodeRun semiBold = withFont(QStringLiteral("<weight>63</weight><bold>false</bold>"));
    EXPECT_EQ(semiBold.run.exitCode, 1);
    EXPECT_TRUE(semiBold.run.err.contains("weight 63")) << semiBold.run.err.toStdString();
}
