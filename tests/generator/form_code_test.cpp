// quarn-layout code against the tree: every form is what it writes from the
// form's own export (one case per form, a differing one shown as a diff), and
// an edit in Designer comes back as that edit alone.

#include "tool_process.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

namespace {

// One form of the tree: its folder and class.
struct TreeForm {
    QString area;
    QString form;
};

void PrintTo(const TreeForm &form, std::ostream *out)
{
    *out << form.area.toStdString() << "/" << form.form.toStdString();
}

std::vector<TreeForm> formsInTree()
{
    std::vector<TreeForm> forms;
    const QStringList areas = QDir(kFormsDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &area : areas) {
        const QDir tree(kFormsDir + QLatin1Char('/') + area);
        for (const QString &source : tree.entryList({QStringLiteral("*.cpp")}, QDir::Files))
            forms.push_back({area, QFileInfo(source).completeBaseName()});
    }
    return forms;
}

// Every form exported once, and `code` run once per folder on its forms'
// exports, as a user regenerates a folder; each form's case reads its files.
class Regenerated
{
public:
    static Regenerated &instance()
    {
        static Regenerated regenerated;
        return regenerated;
    }

    QString uiFolder() const { return m_scratch.filePath(QStringLiteral("ui")); }
    // Why exporting failed, empty when it worked.
    const QString &exportError() const { return m_exportError; }

    // The folder code wrote the area's sources into, or why it failed.
    QString outputOf(const QString &area, QString *error)
    {
        if (!m_runs.contains(area))
            m_runs.insert(area, run(area));
        *error = m_runs.value(area).second;
        return m_runs.value(area).first;
    }

private:
    Regenerated()
    {
        QDir().mkpath(uiFolder());
        const ToolRun exported =
            runTool({QStringLiteral("ui"), QStringLiteral("--all"), QStringLiteral("-o"), uiFolder()});
        if (!exported.finished || exported.exitCode != 0)
            m_exportError = QStringLiteral("ui --all failed: ") + QString::fromUtf8(exported.err);
    }

    QPair<QString, QString> run(const QString &area) const
    {
        const QString out = m_scratch.filePath(QStringLiteral("forms/") + area);
        if (!copyHeaders(area, out))
            return {out, QStringLiteral("cannot copy the headers of ") + area};
        QStringList arguments{QStringLiteral("code")};
        const QDir tree(kFormsDir + QLatin1Char('/') + area);
        const QSet<QString> selected = formsThisRunChecks();
        for (const QString &source : tree.entryList({QStringLiteral("*.cpp")}, QDir::Files)) {
            const QString form = QFileInfo(source).completeBaseName();
            if (selected.contains(form))
                arguments << QDir(uiFolder()).filePath(form + QStringLiteral(".ui"));
        }
        arguments << QStringLiteral("-o") << out;
        const ToolRun run = runTool(arguments);
        // A run counts only when clang-format laid it out: unformatted text
        // must fail here rather than be compared as if it were the tree's.
        if (!run.finished || run.exitCode != 0 || !run.err.isEmpty())
            return {out, QStringLiteral("code failed (%1): %2").arg(run.exitCode).arg(QString::fromUtf8(run.err))};
        return {out, QString()};
    }

    // The forms whose case this run has, so that a shard or a filter
    // regenerates only those.
    static QSet<QString> formsThisRunChecks()
    {
        QSet<QString> forms;
        const testing::UnitTest &tests = *testing::UnitTest::GetInstance();
        for (int i = 0; i < tests.total_test_suite_count(); ++i) {
            const testing::TestSuite &suite = *tests.GetTestSuite(i);
            if (QLatin1String(suite.name()) != QLatin1String("Tree/FormCode"))
                continue;
            for (int j = 0; j < suite.total_test_count(); ++j) {
                const testing::TestInfo &test = *suite.GetTestInfo(j);
                if (test.should_run())
                    forms.insert(QString::fromLatin1(test.name()).section(QLatin1Char('/'), -1));
            }
        }
        return forms;
    }

    QTemporaryDir m_scratch;
    QString m_exportError;
    QHash<QString, QPair<QString, QString>> m_runs;
};

// A unified diff of the tree's file and the generated one.
QString diffOf(const QString &treeFile, const QString &generatedFile)
{
    QProcess diff;
    diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), treeFile, generatedFile});
    if (!diff.waitForFinished(30000))
        return firstDifference(readAll(treeFile), readAll(generatedFile));
    return QString::fromUtf8(diff.readAllStandardOutput());
}

class FormCode : public testing::TestWithParam<TreeForm>
{
};

} // namespace

TEST_P(FormCode, IsWhatCodeWritesFromItsExport)
{
    Regenerated &regenerated = Regenerated::instance();
    ASSERT_TRUE(regenerated.exportError().isEmpty()) << regenerated.exportError().toStdString();
    const TreeForm &form = GetParam();
    ASSERT_TRUE(QFile::exists(QDir(regenerated.uiFolder()).filePath(form.form + QStringLiteral(".ui"))))
        << form.area.toStdString() << "/" << form.form.toStdString() << " is no registered form";
    QString error;
    const QString out = regenerated.outputOf(form.area, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const QDir tree(kFormsDir + QLatin1Char('/') + form.area);
    for (const QString &suffix : {QStringLiteral(".h"), QStringLiteral(".cpp")}) {
        const QString name = form.form + suffix;
        const QString generated = QDir(out).filePath(name);
        ASSERT_TRUE(QFile::exists(generated)) << "code wrote no " << name.toStdString();
        EXPECT_EQ(readAll(tree.filePath(name)), readAll(generated))
            << "forms/" << form.area.toStdString() << "/" << name.toStdString() << " differs:\n"
            << diffOf(tree.filePath(name), generated).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Tree, FormCode, testing::ValuesIn(formsInTree()),
                         [](const testing::TestParamInfo<TreeForm> &info) { return info.param.form.toStdString(); });

// Every exported form is one of the tree's, so that each has its case above.
TEST(FormCodeTree, EveryExportedFormHasItsSourceInTheTree)
{
    Regenerated &regenerated = Regenerated::instance();
    ASSERT_TRUE(regenerated.exportError().isEmpty()) << regenerated.exportError().toStdString();
    QStringList unclaimed = QDir(regenerated.uiFolder()).entryList({QStringLiteral("*.ui")}, QDir::Files);
    ASSERT_FALSE(unclaimed.isEmpty());
    for (const TreeForm &form : formsInTree())
        unclaimed.removeOne(form.form + QStringLiteral(".ui"));
    EXPECT_TRUE(unclaimed.isEmpty()) << "exported forms with no source in forms/: "
                                     << unclaimed.join(QLatin1Char(' ')).toStdString();
}

// Moving one widget and rewording one text in the export changes that row and
// that translate call, nothing else, and leaves the record as it was.
TEST(FormCodeEdits, AnEditedExportChangesOnlyTheEditedLines)
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
TEST(FormCodeEdits, AFieldEditedAwayFromARoutineThatMakesSeveralComesBackAsRows)
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
