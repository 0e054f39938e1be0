// What Designer does not keep as a form has it (the geometry of what it sizes
// itself, a rich text it writes again in its own font) comes back from the
// export's second copy, and only while Designer's value says no more than
// Designer's own sizing or rewriting.

#include "tool_process.h"

#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

const char kRect[] = "<rect><x>%1</x><y>%2</y><width>%3</width><height>%4</height></rect>";

QString rect(int x, int y, int width, int height)
{
    return QString::fromLatin1(kRect).arg(x).arg(y).arg(width).arg(height);
}

QString property(const char *name, const QString &value, bool byName = false)
{
    return QStringLiteral("<property name=\"%1\"%2>%3</property>\n")
        .arg(QLatin1String(name), byName ? QStringLiteral(" stdset=\"0\"") : QString(), value);
}

QString kept(const char *name, const QString &value)
{
    return property(name, value, true);
}

// A text box in a layout and one added there, one placed freely, a scroll area's contents and a
// text editor, each with what Designer wrote and what the export kept.
QByteArray probe(const QString &laidOut, const QString &free, bool resizable, const QString &contents,
                 const QString &notes = QString())
{
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n<class>Probe</class>\n"
                           "<widget class=\"QWidget\" name=\"Probe\">\n")
            + property("geometry", rect(0, 0, 240, 320))
            + QStringLiteral("<widget class=\"QWidget\" name=\"box\" native=\"true\">\n")
            + property("geometry", rect(0, 0, 100, 50))
            + QStringLiteral("<layout class=\"QVBoxLayout\" name=\"column\">\n"
                             "<item><widget class=\"ZelTextBox\" name=\"laidOut\">\n%1</widget></item>\n"
                             "<item><widget class=\"ZelTextBox\" name=\"added\"/></item>\n"
                             "</layout>\n</widget>\n"
                             "<widget class=\"ZelTextBox\" name=\"free\">\n%2</widget>\n"
                             "<widget class=\"ZelScrollArea\" name=\"area\">\n")
                  .arg(laidOut, free)
            + property("geometry", rect(0, 100, 200, 100))
            + property("widgetResizable",
                       resizable ? QStringLiteral("<bool>true</bool>") : QStringLiteral("<bool>false</bool>"))
            + QStringLiteral("<widget class=\"QWidget\" name=\"contents\">\n%1</widget>\n</widget>\n"
                             "<widget class=\"QTextEdit\" name=\"notes\">\n%2</widget>\n</widget>\n"
                             "<customwidgets>"
                             "<customwidget><class>ZelScrollArea</class><extends>QScrollArea</extends>"
                             "<header>controls/zel_scroll_area.h</header></customwidget>"
                             "<customwidget><class>ZelTextBox</class><extends>QLabel</extends>"
                             "<header>controls/zel_text_box.h</header></customwidget>"
                             "</customwidgets>\n</ui>\n")
                  .arg(contents, notes))
        .toUtf8();
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// What Designer writes for an html: the document as its widget, in its own
// font, writes it again.
QString rewrittenByDesigner(const QString &html, const QString &family, int pixelSize)
{
    QTextEdit edit;
    QFont font(family);
    font.setPixelSize(pixelSize);
    edit.setFont(font);
    edit.setHtml(html);
    return edit.toHtml();
}

const char kFormsHtml[] =
    "<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" font-family:'Arial'; "
    "font-size:10pt; font-weight:600; font-style:normal;\"><p>Sunrise <span style=\" font-style:italic;\">at "
    "six</span></p></body></html>";

} // namespace

TEST(ToolCodeKept, TheFormsGeometryStandsWhereDesignerSizesTheWidget)
{
    // Designer writes no geometry in a layout and fits resizable contents to
    // the viewport; a widget it places freely keeps Designer's.
    const ProbeCode resizable =
        codeOfProbe(probe(kept("quarnGeometry", rect(1, 2, 30, 40)),
                          property("geometry", rect(10, 60, 50, 20)) + kept("quarnGeometry", rect(0, 0, 1, 1)), true,
                          property("geometry", rect(0, 0, 197, 312)) + kept("quarnGeometry", rect(0, -78, 194, 312))));
    ASSERT_EQ(resizable.run.exitCode, 0) << resizable.run.err.toStdString();
    EXPECT_TRUE(resizable.source.contains(QLatin1String("\"laidOut\").at(1, 2, 30, 40)")))
        << resizable.source.toStdString();
    // One a designer adds to the layout has none: the layout places it.
    EXPECT_TRUE(resizable.source.contains(QLatin1String("make(ui.added, ui.box, \"added\");")));
    EXPECT_TRUE(resizable.source.contains(QLatin1String("\"free\").at(10, 60, 50, 20)")));
    EXPECT_TRUE(resizable.source.contains(QLatin1String("\"contents\").at(0, -78, 194, 312)")));
    EXPECT_FALSE(resizable.source.contains(QLatin1String("quarnGeometry")));

    // Contents the scroll area does not resize are sized by the designer.
    const ProbeCode fixed =
        codeOfProbe(probe(QString(), QString(), false,
                          property("geometry", rect(0, 0, 197, 312)) + kept("quarnGeometry", rect(0, -78, 194, 312))));
    ASSERT_EQ(fixed.run.exitCode, 0) << fixed.run.err.toStdString();
    EXPECT_TRUE(fixed.source.contains(QLatin1String("\"contents\").at(0, 0, 197, 312)"))) << fixed.source.toStdString();
}

TEST(ToolCodeKept, DesignersRewriteOfAnHtmlGivesTheFormsText)
{
    const QString formsHtml = QString::fromLatin1(kFormsHtml);
    const QString rewritten = rewrittenByDesigner(formsHtml, QStringLiteral("DejaVu Sans"), 14);
    ASSERT_NE(rewritten, formsHtml);
    const auto codeOf = [&](const QString &written) {
        return codeOfProbe(probe(
            QString(), QString(), true, QString(),
            property("html", QStringLiteral("<string>%1</string>").arg(escaped(written)))
                + kept("quarnHtml", QStringLiteral("<string notr=\"true\">%1</string>").arg(escaped(formsHtml)))));
    };
    const ProbeCode unedited = codeOf(rewritten);
    ASSERT_EQ(unedited.run.exitCode, 0) << unedited.run.err.toStdString();
    EXPECT_TRUE(unedited.source.contains(QLatin1String("font-family:'Arial'"))) << unedited.source.toStdString();
    EXPECT_FALSE(unedited.source.contains(QLatin1String("DejaVu")));
    EXPECT_FALSE(unedited.source.contains(QLatin1String("quarnHtml")));

    // An edit in Designer is the designer's text, in Designer's spelling.
    QString edited = rewritten;
    edited.replace(QLatin1String("Sunrise"), QLatin1String("Dawn"));
    const ProbeCode changed = codeOf(edited);
    ASSERT_EQ(changed.run.exitCode, 0) << changed.run.err.toStdString();
    EXPECT_TRUE(changed.source.contains(QLatin1String("Dawn"))) << changed.source.toStdString();
    EXPECT_TRUE(changed.source.contains(QLatin1String("DejaVu")));
}

TEST(ToolCodeKept, AKeptValueOfAnotherKindOrTwiceIsRefusedAtItsLine)
{
    const QString twice = kept("quarnGeometry", rect(1, 2, 3, 4)) + kept("quarnGeometry", rect(1, 2, 3, 4));
    const struct {
        QString laidOut;
        const char *why;
    } cases[] = {
        {kept("quarnGeometry", QStringLiteral("<string>0,0,1,1</string>")), "not a <string>"},
        {kept("quarnHtml", rect(1, 2, 3, 4)), "not a <rect>"},
        {twice, "set twice"},
    };
    for (const auto &c : cases) {
        const ProbeCode refused = codeOfProbe(probe(c.laidOut, QString(), true, QString()));
        EXPECT_NE(refused.run.exitCode, 0) << c.why;
        EXPECT_TRUE(refused.source.isEmpty()) << c.why;
        const QString err = QString::fromUtf8(refused.run.err);
        EXPECT_TRUE(err.contains(QLatin1String(c.why)) && err.contains(QLatin1String("<property name=\"quarn")))
            << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("line %1:").arg(c.laidOut == twice ? 11 : 10))) << err.toStdString();
    }
}
