// quarn-layout fit: texts measured against their widgets, alone and as the
// tool reports them for translated forms.

#include "checks/fit.h"
#include "pseudo_translation.h"
#include "tool_process.h"

#include <QDomDocument>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

using quarn::layouttool::misfitsAddedTo;
using quarn::layouttool::TextMisfit;
using quarn::layouttool::textMisfitsOf;
using quarn::translations::isResourcePath;
using quarn::translations::isStyleSheet;

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

// A label draws rich text's line breaks as breaks: each line is measured on
// its own across, and the lines together down.
TEST(Fit, MeasuresTheLinesALabelDraws)
{
    QLabel label;
    label.setFont(pixelFont(16));
    const QFontMetrics metrics(pixelFont(16));
    const QString first = QStringLiteral("Place the unit");
    const QString second = QStringLiteral("far from metal");
    const int lineWidth = qMax(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
    label.setText(first + QStringLiteral("<br>") + second);
    label.resize(lineWidth + 4, 3 * metrics.height());
    EXPECT_TRUE(textMisfitsOf(label).isEmpty()) << "measured as one line";

    label.resize(lineWidth + 4, metrics.height());
    QList<TextMisfit> misfits = textMisfitsOf(label);
    ASSERT_EQ(misfits.size(), 1);
    EXPECT_TRUE(misfits.at(0).wraps);
    EXPECT_GE(misfits.at(0).needed, 2 * metrics.height());

    // As plain text the markup is drawn as it is, on one line.
    label.setTextFormat(Qt::PlainText);
    label.resize(lineWidth + 4, 3 * metrics.height());
    misfits = textMisfitsOf(label);
    ASSERT_EQ(misfits.size(), 1);
    EXPECT_FALSE(misfits.at(0).wraps);
    EXPECT_EQ(misfits.at(0).needed, metrics.horizontalAdvance(label.text()));
}

TEST(Fit, ATranslationAddsOnlyWhatItMakesOverflow)
{
    const auto misfit = [](int widget, bool wraps, int needed, int available) {
        TextMisfit made;
        made.widget = widget;
        made.wraps = wraps;
        made.needed = needed;
        made.available = available;
        return made;
    };
    const QList<TextMisfit> source = {misfit(1, false, 120, 100), misfit(2, true, 40, 20)};
    const QList<TextMisfit> translated = {misfit(1, false, 110, 100), // less than before
                                          misfit(2, true, 60, 20),    // more than before
                                          misfit(3, false, 90, 80),   // new
                                          misfit(4, false, 90, 80)};  // new
    const QList<TextMisfit> added = misfitsAddedTo(source, translated);
    ASSERT_EQ(added.size(), 3);
    EXPECT_EQ(added.at(0).widget, 2);
    EXPECT_EQ(added.at(0).sourceNeeded, 40);
    EXPECT_EQ(added.at(1).widget, 3);
    EXPECT_EQ(added.at(1).sourceNeeded, -1);
    EXPECT_TRUE(misfitsAddedTo(source, source).isEmpty());
    EXPECT_EQ(misfitsAddedTo({}, translated).size(), translated.size());
    // The other direction in the same widget is another misfit.
    EXPECT_EQ(misfitsAddedTo({misfit(3, true, 90, 80)}, {misfit(3, false, 90, 80)}).size(), 1);
}

TEST(Fit, ReportsTranslatedTextsThatOutgrowTheirWidgets)
{
    ToolRun run = runTool({QStringLiteral("fit"), QStringLiteral("QuarnTitleBar")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.out.constData() << run.err.constData();
    EXPECT_EQ(run.out.toStdString(), "fit: 0 texts do not fit, in 1 forms\n");

    run = runTool({QStringLiteral("--translations"), QStringLiteral(QUARN_TEST_TRANSLATIONS), QStringLiteral("fit"),
                   QStringLiteral("QuarnTitleBar"), QStringLiteral("QuarnMessageBoxClass")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 1) << run.err.constData();
    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList clock = lines.filter(QStringLiteral("QuarnTitleBar txtTime "));
    ASSERT_EQ(clock.size(), 1) << run.out.constData();
    const QRegularExpression line(QStringLiteral("^QuarnTitleBar txtTime \"Stunden und Minuten der Uhrzeit\": "
                                                 "needs (\\d+) px, has 91 px of width$"));
    const QRegularExpressionMatch match = line.match(clock.first());
    ASSERT_TRUE(match.hasMatch()) << clock.first().toStdString();
    EXPECT_GT(match.captured(1).toInt(), 91);
    // The message box title has room for its translation (up to 200 px).
    EXPECT_TRUE(lines.filter(QStringLiteral("QuarnMessageBoxClass txtTitle ")).isEmpty()) << run.out.constData();
    EXPECT_TRUE(lines.constLast().startsWith(QLatin1String("fit: 1 texts overflow with the translation")))
        << lines.constLast().toStdString();
}

namespace {

// "FORM FIELD" of every report line; fails on lines that are no report, and
// unless the last line sums up.
QStringList misfitFields(const ToolRun &run)
{
    EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1) << run.err.constData();
    QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty() || !lines.constLast().startsWith(QLatin1String("fit: "))) {
        ADD_FAILURE() << "no summary line: " << run.out.constData();
        return {};
    }
    lines.removeLast();
    EXPECT_EQ(run.exitCode == 1, !lines.isEmpty());
    const QRegularExpression report(
        QStringLiteral("^(\\w+ \\w+) \".*\": needs (\\d+) px, has (-?\\d+) px of (width|height)"
                       "( \\(untranslated: needs \\d+ px\\))?$"));
    QStringList fields;
    for (const QString &text : qAsConst(lines)) {
        const QRegularExpressionMatch match = report.match(text);
        EXPECT_TRUE(match.hasMatch()) << "not a misfit report: " << text.toStdString();
        EXPECT_GT(match.captured(2).toInt(), match.captured(3).toInt()) << text.toStdString();
        fields.append(match.captured(1));
    }
    return fields;
}

ToolRun fitAll(const QStringList &options)
{
    ToolRun run = runTool(options + QStringList{QStringLiteral("fit"), QStringLiteral("--all")});
    EXPECT_TRUE(run.finished);
    return run;
}

} // namespace

// Pseudo-translated texts are longer than their sources: whatever does not
// fit untranslated does not fit then either, and more joins it. Compared
// with the untranslated forms, only what the translation adds is reported.
TEST(Fit, ThePseudoTranslationOnlyAddsMisfits)
{
    const QString pseudo = QStringLiteral(QUARN_PSEUDO_QM);
    const QStringList before = misfitFields(fitAll({}));
    const QStringList after =
        misfitFields(fitAll({QStringLiteral("--translations"), pseudo, QStringLiteral("--every-misfit")}));
    for (const QString &field : before)
        EXPECT_TRUE(after.contains(field)) << field.toStdString() << " fits once pseudo-translated";
    EXPECT_GT(after.size(), before.size());

    const ToolRun compared = fitAll({QStringLiteral("--translations"), pseudo});
    EXPECT_EQ(compared.exitCode, 1);
    const QStringList added = misfitFields(compared);
    EXPECT_FALSE(added.isEmpty());
    EXPECT_LT(added.size(), after.size()) << "texts no translation touches are left out";
    for (const QString &field : added)
        EXPECT_TRUE(after.contains(field)) << field.toStdString();
}

// A translation that only shortens texts makes nothing overflow, though the
// untranslated forms' sample contents do not fit.
TEST(Fit, ATranslationThatOnlyShortensPasses)
{
    QFile source(QStringLiteral(QUARN_TRANSLATION_TEMPLATE));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QDomDocument ts;
    ASSERT_TRUE(ts.setContent(&source));
    const QDomNodeList messages = ts.elementsByTagName(QStringLiteral("message"));
    ASSERT_GT(messages.size(), 100);
    for (int i = 0; i < messages.size(); ++i) {
        const QDomElement message = messages.at(i).toElement();
        const QString text = message.firstChildElement(QStringLiteral("source")).text();
        QDomElement translation = message.firstChildElement(QStringLiteral("translation"));
        while (translation.hasChildNodes())
            translation.removeChild(translation.firstChild());
        translation.removeAttribute(QStringLiteral("type"));
        // Style sheets, image paths and documents stay whole; texts lose half.
        const bool whole = isStyleSheet(text) || isResourcePath(text) || text.startsWith(QLatin1Char('<'));
        translation.appendChild(ts.createTextNode(whole ? text : text.left(qMax(1, text.size() / 2))));
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString tsFile = dir.filePath(QStringLiteral("short.ts"));
    const QString qmFile = dir.filePath(QStringLiteral("short.qm"));
    ASSERT_TRUE(writeFile(tsFile, ts.toByteArray()));
    QProcess lrelease;
    lrelease.start(QStringLiteral(QUARN_LRELEASE), {QStringLiteral("-silent"), tsFile, QStringLiteral("-qm"), qmFile});
    ASSERT_TRUE(lrelease.waitForFinished(60000));
    ASSERT_EQ(lrelease.exitCode(), 0) << lrelease.readAllStandardError().toStdString();

    const ToolRun untranslated = fitAll({});
    EXPECT_EQ(untranslated.exitCode, 1) << "the sample contents do not fit";
    const ToolRun shortened = fitAll({QStringLiteral("--translations"), qmFile});
    EXPECT_EQ(shortened.exitCode, 0) << shortened.out.constData();
    EXPECT_EQ(misfitFields(shortened), QStringList());
}
