// quarn-layout fit: texts measured against their widgets, alone and as the
// tool reports them for translated forms.

#include "fit.h"
#include "tool_process.h"

#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

using quarn::layouttool::TextMisfit;
using quarn::layouttool::textMisfitsOf;

namespace {

QFont pixelFont(int pixels)
{
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

} // namespace

TEST(Fit, MeasuresWidthOrForWrappedTextHeightInTheWidgetsFont)
{
    QLabel label;
    label.setObjectName(QStringLiteral("txtName"));
    label.setFont(pixelFont(16));
    label.setText(QStringLiteral("A caption far too long for forty pixels"));
    label.resize(40, 20);
    QList<TextMisfit> misfits = textMisfitsOf(label);
    ASSERT_EQ(misfits.size(), 1);
    EXPECT_EQ(misfits.at(0).field, QLatin1String("txtName"));
    EXPECT_FALSE(misfits.at(0).wraps);
    EXPECT_EQ(misfits.at(0).available, 40);
    EXPECT_EQ(misfits.at(0).needed, QFontMetrics(pixelFont(16)).horizontalAdvance(label.text()));

    label.resize(1000, 20);
    EXPECT_TRUE(textMisfitsOf(label).isEmpty());

    // Wrapped, it needs several lines of height instead.
    label.setWordWrap(true);
    label.resize(120, 20);
    misfits = textMisfitsOf(label);
    ASSERT_EQ(misfits.size(), 1);
    EXPECT_TRUE(misfits.at(0).wraps);
    EXPECT_EQ(misfits.at(0).available, 20);
    EXPECT_GE(misfits.at(0).needed, 2 * QFontMetrics(pixelFont(16)).height());
    label.resize(120, 400);
    EXPECT_TRUE(textMisfitsOf(label).isEmpty());

    // The library's own pixel size is what it draws with.
    label.setWordWrap(false);
    label.setText(QStringLiteral("Wide"));
    label.resize(QFontMetrics(pixelFont(16)).horizontalAdvance(label.text()) + 1, 30);
    EXPECT_TRUE(textMisfitsOf(label).isEmpty());
    label.setProperty("fontPixelSize", 28);
    EXPECT_EQ(textMisfitsOf(label).size(), 1);

    label.setText(QString());
    EXPECT_TRUE(textMisfitsOf(label).isEmpty());
}

TEST(Fit, ReportsTranslatedTextsThatOutgrowTheirWidgets)
{
    ToolRun run = runTool({QStringLiteral("fit"), QStringLiteral("QuarnTitleBar")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.out.constData() << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();

    run = runTool({QStringLiteral("--translations"), QStringLiteral(QUARN_TEST_TRANSLATIONS), QStringLiteral("fit"),
                   QStringLiteral("QuarnTitleBar"), QStringLiteral("QuarnMessageBoxClass")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 1) << run.err.constData();
    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList clock = lines.filter(QStringLiteral("QuarnTitleBar txtTime "));
    ASSERT_EQ(clock.size(), 1) << run.out.constData();
    const QRegularExpression line(
        QStringLiteral("^QuarnTitleBar txtTime \"Stunden und Minuten der Uhrzeit\": needs (\\d+) px, has 91 px of width$"));
    const QRegularExpressionMatch match = line.match(clock.first());
    ASSERT_TRUE(match.hasMatch()) << clock.first().toStdString();
    EXPECT_GT(match.captured(1).toInt(), 91);
    // The message box title has room for its translation (up to 200 px).
    EXPECT_TRUE(lines.filter(QStringLiteral("QuarnMessageBoxClass txtTitle ")).isEmpty()) << run.out.constData();
}

namespace {

// "FORM FIELD" of every report line; fails on lines that are no report.
QStringList misfitFields(const ToolRun &run)
{
    EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1) << run.err.constData();
    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(run.exitCode == 1, !lines.isEmpty());
    const QRegularExpression report(
        QStringLiteral("^(\\w+ \\w+) \".*\": needs (\\d+) px, has (-?\\d+) px of (width|height)$"));
    QStringList fields;
    for (const QString &text : lines) {
        const QRegularExpressionMatch match = report.match(text);
        EXPECT_TRUE(match.hasMatch()) << "not a misfit report: " << text.toStdString();
        EXPECT_GT(match.captured(2).toInt(), match.captured(3).toInt()) << text.toStdString();
        fields.append(match.captured(1));
    }
    return fields;
}

} // namespace

// Pseudo-translated texts are longer than their sources: whatever does not
// fit untranslated does not fit then either, and more joins it.
TEST(Fit, ThePseudoTranslationOnlyAddsMisfits)
{
    const ToolRun plain = runTool({QStringLiteral("fit"), QStringLiteral("--all")});
    ASSERT_TRUE(plain.finished);
    const ToolRun pseudo = runTool({QStringLiteral("--translations"), QStringLiteral(QUARN_PSEUDO_QM),
                                    QStringLiteral("fit"), QStringLiteral("--all")});
    ASSERT_TRUE(pseudo.finished);
    const QStringList before = misfitFields(plain);
    const QStringList after = misfitFields(pseudo);
    for (const QString &field : before)
        EXPECT_TRUE(after.contains(field)) << field.toStdString() << " fits once pseudo-translated";
}
