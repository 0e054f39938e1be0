// quarn-layout code against the tree: every form is what it writes from the
// form's own export, and an edit in Designer comes back as that edit alone.

#include "tool_process.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString kFormsDir = QStringLiteral(QUARN_SOURCE_DIR "/forms");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Empty when equal, else where the two first part.
QString firstDifference(const QByteArray &expected, const QByteArray &actual)
{
    if (expected == actual)
        return QString();
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = actual.split('\n');
    for (int i = 0; i < std::max(want.size(), got.size()); ++i) {
        const QByteArray a = want.value(i), b = got.value(i);
        if (a != b || i >= want.size() || i >= got.size())
            return QStringLiteral("line %1: tree \"%2\", generated \"%3\"")
                .arg(i + 1)
                .arg(QString::fromUtf8(a), QString::fromUtf8(b));
    }
    return QStringLiteral("differs");
}

// Copies the tree's headers of an area to folder, so the records keep their order.
bool copyHeaders(const QString &area, const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    const QDir source(kFormsDir + QLatin1Char('/') + area);
    for (const QString &header : source.entryList({QStringLiteral("*.h")}, QDir::Files)) {
        if (!QFile::copy(source.filePath(header), folder + QLatin1Char('/') + header))
            return false;
    }
    return true;
}

// A run of `code` counts only when clang-format laid it out: unformatted text
// must fail here rather than be compared as if it were the tree's.
void expectClean(const ToolRun &run)
{
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

// The form exported into scratch as FORM.ui: the file's path, or empty.
QString exportedInto(const QTemporaryDir &scratch, const QString &form)
{
    const QString uiFile = scratch.filePath(form + QStringLiteral(".ui"));
    const ToolRun exported = runTool({QStringLiteral("ui"), form, QStringLiteral("-o"), uiFile});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    return exported.exitCode == 0 ? uiFile : QString();
}

// Lines of one text absent from the other, each as often as it is missing.
QStringList linesMissingFrom(const QByteArray &text, const QByteArray &other)
{
    QStringList rest = QString::fromUtf8(other).split(QLatin1Char('\n'));
    QStringList missing;
    for (const QString &line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        if (!rest.removeOne(line))
            missing << line;
    }
    return missing;
}

} // namespace

TEST(FormCode, EveryFormInTheTreeIsWhatCodeWritesFromItsExport)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString uiDir = scratch.filePath(QStringLiteral("ui"));
    ASSERT_TRUE(QDir().mkpath(uiDir));
    const ToolRun exported = runTool({QStringLiteral("ui"), QStringLiteral("--all"), QStringLiteral("-o"), uiDir});
    ASSERT_TRUE(exported.finished);
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    QStringList unclaimed = QDir(uiDir).entryList({QStringLiteral("*.ui")}, QDir::Files);
    ASSERT_FALSE(unclaimed.isEmpty());

    QStringList differing;
    int compared = 0;
    const QStringList areas = QDir(kFormsDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &area : areas) {
        const QString out = scratch.filePath(QStringLiteral("forms/") + area);
        ASSERT_TRUE(copyHeaders(area, out)) << area.toStdString();
        const QDir tree(kFormsDir + QLatin1Char('/') + area);
        QStringList arguments{QStringLiteral("code")};
        for (const QString &source : tree.entryList({QStringLiteral("*.cpp")}, QDir::Files)) {
            const QString ui = QFileInfo(source).completeBaseName() + QStringLiteral(".ui");
            EXPECT_TRUE(unclaimed.removeOne(ui))
                << area.toStdString() << "/" << source.toStdString() << " is no registered form";
            arguments << QDir(uiDir).filePath(ui);
        }
        arguments << QStringLiteral("-o") << out;
        const ToolRun run = runTool(arguments);
        SCOPED_TRACE(area.toStdString());
        expectClean(run);
        if (HasFatalFailure())
            return;

        // Both ways round, so that a file only one side has counts too.
        QStringList names = tree.entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
        names += QDir(out).entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
        names.removeDuplicates();
        for (const QString &name : names) {
            ++compared;
            const QString why = firstDifference(readAll(tree.filePath(name)), readAll(QDir(out).filePath(name)));
            if (!why.isEmpty())
                differing << QStringLiteral("forms/%1/%2 %3").arg(area, name, why);
        }
    }
    EXPECT_TRUE(unclaimed.isEmpty()) << "exported forms with no source in forms/: "
                                     << unclaimed.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(differing.isEmpty()) << differing.size() << " of " << compared << " files differ:\n"
                                     << differing.join(QLatin1Char('\n')).toStdString();
}

// Moving one widget and rewording one text in the export changes that row and
// that translate call, nothing else, and leaves the record as it was.
TEST(FormCode, AnEditedExportChangesOnlyTheEditedLines)
{
    const QString form = QStringLiteral("SettingsNavigationScreenClass");
    const QString area = QStringLiteral("settings");
    // A plain row: furniture moved off its place comes back as a plain row.
    const QString moved = QStringLiteral("labelName_5");
    const QString reworded = QStringLiteral("lblPrimCoordSys");

    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString uiFile = exportedInto(scratch, form);
    ASSERT_FALSE(uiFile.isEmpty());

    QDomDocument ui;
    {
        QFile file(uiFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ASSERT_TRUE(ui.setContent(&file));
    }
    QString oldRect, newRect, oldText, newText;
    const QDomNodeList widgets = ui.elementsByTagName(QStringLiteral("widget"));
    for (int i = 0; i < widgets.size(); ++i) {
        const QDomElement widget = widgets.at(i).toElement();
        const QString name = widget.attribute(QStringLiteral("name"));
        for (QDomElement property = widget.firstChildElement(QStringLiteral("property")); !property.isNull();
             property = property.nextSiblingElement(QStringLiteral("property"))) {
            if (name == moved && property.attribute(QStringLiteral("name")) == QLatin1String("geometry")) {
                QDomElement x = property.firstChildElement().firstChildElement(QStringLiteral("x"));
                QDomElement y = property.firstChildElement().firstChildElement(QStringLiteral("y"));
                const QString w = property.firstChildElement().firstChildElement(QStringLiteral("width")).text();
                const QString h = property.firstChildElement().firstChildElement(QStringLiteral("height")).text();
                oldRect = QStringLiteral("%1, %2, %3, %4").arg(x.text(), y.text(), w, h);
                x.firstChild().setNodeValue(QString::number(x.text().toInt() + 5));
                y.firstChild().setNodeValue(QString::number(y.text().toInt() + 3));
                newRect = QStringLiteral("%1, %2, %3, %4").arg(x.text(), y.text(), w, h);
            }
            QDomElement string = property.firstChildElement(QStringLiteral("string"));
            if (name == reworded && oldText.isEmpty() && !string.isNull()) {
                oldText = string.text();
                // Same length, so clang-format breaks the call where it did.
                newText = oldText.toUpper();
                string.firstChild().setNodeValue(newText);
            }
        }
    }
    ASSERT_FALSE(oldRect.isEmpty()) << "no geometry of " << moved.toStdString();
    ASSERT_FALSE(oldText.isEmpty()) << "no text of " << reworded.toStdString();
    ASSERT_NE(oldText, newText);
    ASSERT_TRUE(writeFile(uiFile, ui.toByteArray()));

    const QString out = scratch.filePath(area);
    ASSERT_TRUE(copyHeaders(area, out));
    expectClean(runTool({QStringLiteral("code"), uiFile, QStringLiteral("-o"), out}));
    if (HasFatalFailure())
        return;

    const QString treeBase = kFormsDir + QLatin1Char('/') + area + QLatin1Char('/') + form;
    EXPECT_EQ(readAll(out + QLatin1Char('/') + form + QStringLiteral(".h")), readAll(treeBase + QStringLiteral(".h")));
    const QByteArray before = readAll(treeBase + QStringLiteral(".cpp"));
    const QByteArray after = readAll(out + QLatin1Char('/') + form + QStringLiteral(".cpp"));
    const QStringList removed = linesMissingFrom(before, after);
    const QStringList added = linesMissingFrom(after, before);

    const QString row = QStringLiteral("make(ui.%1, ").arg(moved);
    const QString quoted = QLatin1Char('"') + oldText + QLatin1Char('"');
    const QString requoted = QLatin1Char('"') + newText + QLatin1Char('"');
    ASSERT_EQ(removed.size(), 2) << removed.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(added.size(), 2) << added.join(QLatin1Char('\n')).toStdString();
    const int rowLine = removed.at(0).contains(row) ? 0 : 1;
    EXPECT_TRUE(removed.at(rowLine).contains(row) && removed.at(rowLine).contains(oldRect))
        << removed.at(rowLine).toStdString();
    EXPECT_TRUE(removed.at(1 - rowLine).contains(quoted)) << removed.at(1 - rowLine).toStdString();
    // The new lines are the old ones with the edit made, nothing else.
    QString rowAfter = removed.at(rowLine), textAfter = removed.at(1 - rowLine);
    rowAfter.replace(oldRect, newRect);
    textAfter.replace(quoted, requoted);
    EXPECT_TRUE(added.contains(rowAfter)) << added.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(added.contains(textAfter)) << added.join(QLatin1Char('\n')).toStdString();
}

// navigationPanels makes fifteen fields: one of them moved in Designer, the
// routine would put it back, so the form spells its rows out instead.
TEST(FormCode, AFieldEditedAwayFromARoutineThatMakesSeveralComesBackAsRows)
{
    const QString form = QStringLiteral("NavCurrentsScreenClass");
    const QString area = QStringLiteral("dashboard");
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString uiFile = exportedInto(scratch, form);
    ASSERT_FALSE(uiFile.isEmpty());

    QByteArray ui = readAll(uiFile);
    const QByteArray flag = "name=\"iconFlag\"";
    const int at = ui.indexOf(flag);
    ASSERT_GE(at, 0);
    const int x = ui.indexOf("<x>10</x>", at);
    ASSERT_GT(x, at);
    ASSERT_LT(x, ui.indexOf("</widget>", at)) << "iconFlag's geometry is not where it was";
    ui.replace(x, 9, "<x>12</x>");
    ASSERT_TRUE(writeFile(uiFile, ui));

    const QString out = scratch.filePath(area);
    ASSERT_TRUE(copyHeaders(area, out));
    expectClean(runTool({QStringLiteral("code"), uiFile, QStringLiteral("-o"), out}));
    if (HasFatalFailure())
        return;
    const QByteArray before = readAll(kFormsDir + QLatin1Char('/') + area + QLatin1Char('/') + form + ".cpp");
    const QByteArray after = readAll(out + QLatin1Char('/') + form + QStringLiteral(".cpp"));
    ASSERT_TRUE(before.contains("navigationPanels(ui, root);"));
    EXPECT_FALSE(after.contains("navigationPanels(")) << after.constData();
    EXPECT_TRUE(after.contains("make(ui.iconFlag, ui.btnDDE, \"iconFlag\").at(12, 9, 25, 25)")) << after.constData();
    EXPECT_TRUE(after.contains("backButton(ui.btnBack, ui.statusBar);")) << after.constData();
}
