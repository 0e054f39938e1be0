// quarn-layout code writing into a project: the Ui record a host compiled
// against keeps its fields, the catalogue follows the record, and a form goes
// where it lives. Each test works on a copy of one form in a project of its own.

#include "tool_process.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kForm = QStringLiteral("QuarnTitleBar");
const QString kArea = QStringLiteral("frame");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool copyFile(const QString &from, const QString &to)
{
    QFile::remove(to);
    return QDir().mkpath(QFileInfo(to).path()) && QFile::copy(from, to);
}

// A project with the catalogue and the form's two files, and the form's
// export saved under another name, as a designer does.
class Project : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString source = QStringLiteral(QUARN_SOURCE_DIR);
        ASSERT_TRUE(copyFile(source + QStringLiteral("/catalogue/forms.def"), path("catalogue/forms.def")));
        for (const QString &suffix : {QStringLiteral(".h"), QStringLiteral(".cpp")})
            ASSERT_TRUE(copyFile(QStringLiteral("%1/forms/%2/%3%4").arg(source, kArea, kForm, suffix),
                                 path(formFile(kArea, suffix))));
        const ToolRun exported = runTool({QStringLiteral("ui"), kForm, QStringLiteral("-o"), path("pin.ui")});
        ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        QFile ui(path("pin.ui"));
        ASSERT_TRUE(ui.open(QIODevice::ReadOnly));
        ASSERT_TRUE(m_ui.setContent(&ui));
        m_header = readAll(path(formFile(kArea, QStringLiteral(".h"))));
        m_catalogue = readAll(path("catalogue/forms.def"));
    }

    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    QString path(const char *relative) const { return path(QString::fromLatin1(relative)); }
    static QString formFile(const QString &area, const QString &suffix)
    {
        return QStringLiteral("forms/%1/%2%3").arg(area, kForm, suffix);
    }

    // code on the edited export, from inside the project.
    ToolRun code(QStringList options = {})
    {
        QFile out(path("pin.ui"));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(m_ui.toByteArray()) > 0);
        out.close();
        options.prepend(path("pin.ui"));
        options.prepend(QStringLiteral("code"));
        return runTool(options, QProcessEnvironment::systemEnvironment(), path("forms"));
    }

    // The root's child widgets in the export, in their order.
    QList<QDomElement> rootChildren() const
    {
        QList<QDomElement> children;
        const QDomElement root = m_ui.documentElement().firstChildElement(QStringLiteral("widget"));
        for (QDomElement child = root.firstChildElement(QStringLiteral("widget")); !child.isNull();
             child = child.nextSiblingElement(QStringLiteral("widget")))
            children.append(child);
        return children;
    }

    int cataloguedFields() const
    {
        const QRegularExpression line(QStringLiteral("QUARN_FORM\\(\\d+, %1, \\d+, \\d+, (\\d+)\\)").arg(kForm));
        const QRegularExpressionMatch match = line.match(QString::fromUtf8(readAll(path("catalogue/forms.def"))));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    QByteArray header() const { return readAll(path(formFile(kArea, QStringLiteral(".h")))); }

    QTemporaryDir m_dir;
    QDomDocument m_ui;
    QByteArray m_header;
    QByteArray m_catalogue;
};

} // namespace

TEST_F(Project, RecordKeepsItsOrderWhenTheFileHasAnotherNameAndTheWidgetsMove)
{
    const QList<QDomElement> children = rootChildren();
    ASSERT_GE(children.size(), 2);
    // The last widget created first: the record keeps the order hosts know.
    children.first().parentNode().insertBefore(children.last(), children.first());
    const ToolRun run = code();
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(header(), m_header);
    EXPECT_EQ(readAll(path("catalogue/forms.def")), m_catalogue);
}

TEST_F(Project, DeletingARecordFieldIsRefusedUnlessTheRecordMayChange)
{
    QDomElement gone = rootChildren().last();
    const QString field = gone.attribute(QStringLiteral("name"));
    gone.parentNode().removeChild(gone);
    const int fields = cataloguedFields();

    const ToolRun refused = code();
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(field.toUtf8())) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("rebuild every host")) << refused.err.toStdString();
    EXPECT_EQ(header(), m_header) << "a refused form writes nothing";

    const ToolRun allowed = code({QStringLiteral("--record-change")});
    ASSERT_EQ(allowed.exitCode, 0) << allowed.err.toStdString();
    EXPECT_FALSE(header().contains(" *" + field.toUtf8() + ";"));
    EXPECT_EQ(cataloguedFields(), fields - 1);
}

TEST_F(Project, AnAddedWidgetEndsTheRecordAndTheCatalogueCountsIt)
{
    QDomElement added = rootChildren().first().cloneNode(true).toElement();
    added.setAttribute(QStringLiteral("name"), QStringLiteral("lblAdded"));
    for (QDomElement inner = added.firstChildElement(QStringLiteral("widget")); !inner.isNull();
         inner = added.firstChildElement(QStringLiteral("widget")))
        added.removeChild(inner);
    rootChildren().first().parentNode().appendChild(added);
    const int fields = cataloguedFields();

    const ToolRun run = code();
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray now = header();
    const int end = now.lastIndexOf("};");
    EXPECT_TRUE(now.left(end).trimmed().endsWith(" *lblAdded;")) << now.toStdString();
    EXPECT_EQ(cataloguedFields(), fields + 1);
}

TEST_F(Project, AFormTheCatalogueLacksIsAddedOnlyWhenAskedFor)
{
    const QString name = QStringLiteral("QuarnTitleBarCopy");
    m_ui.documentElement().firstChildElement(QStringLiteral("class")).firstChild().setNodeValue(name);
    m_ui.documentElement().firstChildElement(QStringLiteral("widget")).setAttribute(QStringLiteral("name"), name);

    const ToolRun first = code({QStringLiteral("-o"), path("forms/frame")});
    EXPECT_EQ(first.exitCode, 1);
    EXPECT_TRUE(first.err.contains("--new-form")) << first.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("forms/frame/QuarnTitleBarCopy.cpp")));

    const ToolRun added = code({QStringLiteral("-o"), path("forms/frame"), QStringLiteral("--new-form")});
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_TRUE(QFile::exists(path("forms/frame/QuarnTitleBarCopy.cpp")));
    const QString catalogue = QString::fromUtf8(readAll(path("catalogue/forms.def")));
    const QRegularExpression line(QStringLiteral("QUARN_FORM\\((\\d+), QuarnTitleBarCopy, 240, 28, (\\d+)\\)\\n?$"));
    const QRegularExpressionMatch match = line.match(catalogue);
    ASSERT_TRUE(match.hasMatch()) << catalogue.right(200).toStdString();
    EXPECT_EQ(match.captured(1).toInt(), 245) << "the next position, after the last";
    EXPECT_EQ(match.captured(2).toInt(), cataloguedFields());
}

TEST_F(Project, AFormGoesWhereItLivesAndMovesOnlyWhenAskedTo)
{
    const ToolRun refused = code({QStringLiteral("-o"), path("forms/map")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("--move-form")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(formFile(QStringLiteral("map"), QStringLiteral(".cpp")))));

    const ToolRun moved = code({QStringLiteral("-o"), path("forms/map"), QStringLiteral("--move-form")});
    ASSERT_EQ(moved.exitCode, 0) << moved.err.toStdString();
    EXPECT_TRUE(QFile::exists(path(formFile(QStringLiteral("map"), QStringLiteral(".cpp")))));
    EXPECT_FALSE(QFile::exists(path(formFile(kArea, QStringLiteral(".cpp")))));
    EXPECT_FALSE(QFile::exists(path(formFile(kArea, QStringLiteral(".h")))));
    EXPECT_TRUE(readAll(path(formFile(QStringLiteral("map"), QStringLiteral(".cpp"))))
                    .contains("#include \"forms/map/QuarnTitleBar.h\""));
}

TEST_F(Project, WithoutAFolderOutsideAProjectNothingIsWritten)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const ToolRun run =
        runTool({QStringLiteral("code"), path("pin.ui")}, QProcessEnvironment::systemEnvironment(), elsewhere.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("-o")) << run.err.toStdString();
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}
