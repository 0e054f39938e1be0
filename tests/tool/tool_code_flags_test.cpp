// A text box's flags through code: as Designer edits them (displayFlags) and
// as older exports listed them (textBoxFlags), each to the same row setting;
// a combination the routines have no name for is refused at its line.

#include "tool_process.h"

#include <gtest/gtest.h>

namespace {

QByteArray textBoxForm(const QString &flagsProperty)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<ui version=\"4.0\">\n"
                          "<class>Probe</class>\n"
                          "<widget class=\"QWidget\" name=\"Probe\">\n"
                          "<widget class=\"ZelTextBox\" name=\"caption\">\n"
                          "%1\n"
                          "</widget>\n"
                          "</widget>\n"
                          "<customwidgets><customwidget><class>ZelTextBox</class><extends>QLabel</extends>"
                          "<header>controls/zel_text_box.h</header></customwidget></customwidgets>\n"
                          "</ui>\n")
        .arg(flagsProperty)
        .toUtf8();
}

} // namespace

TEST(ToolCodeFlags, DesignersFlagsAndTheOlderListGiveTheSameSetting)
{
    const struct {
        const char *displayFlags;
        const char *list;
        const char *setting;
    } cases[] = {
        {"ZelTextBox::FirstFlag|ZelTextBox::TwoFlags", "true false", ".textBoxFlags(TextBoxFlags::FirstOn)"},
        {"ZelTextBox::TwoFlags", "false false", ".textBoxFlags(TextBoxFlags::AllOff)"},
        {"ZelTextBox::ThreeFlags|ZelTextBox::FirstFlag", "true false false",
         ".textBoxFlags(TextBoxFlags::FirstOnOfThree)"},
    };
    for (const auto &c : cases) {
        QString list;
        for (const QString &flag : QString::fromLatin1(c.list).split(QLatin1Char(' ')))
            list += QStringLiteral("<string>%1</string>").arg(flag);
        const ProbeCode designer =
            codeOfProbe(textBoxForm(QStringLiteral("<property name=\"displayFlags\"><set>%1</set></property>")
                                        .arg(QLatin1String(c.displayFlags))));
        const ProbeCode older = codeOfProbe(textBoxForm(
            QStringLiteral("<property name=\"textBoxFlags\" stdset=\"0\"><stringlist notr=\"true\">%1</stringlist>"
                           "</property>")
                .arg(list)));
        ASSERT_EQ(designer.run.exitCode, 0) << designer.run.err.toStdString();
        ASSERT_EQ(older.run.exitCode, 0) << older.run.err.toStdString();
        EXPECT_TRUE(designer.source.contains(QLatin1String(c.setting))) << designer.source.toStdString();
        EXPECT_EQ(designer.source, older.source);
    }
}

TEST(ToolCodeFlags, FlagsWithNoNameAreRefusedAtTheirProperty)
{
    for (const char *flags : {"ZelTextBox::SecondFlag|ZelTextBox::TwoFlags", "ZelTextBox::FirstFlag",
                              "ZelTextBox::ThirdFlag|ZelTextBox::TwoFlags", "ZelTextBox::NoSuchFlag"}) {
        const ProbeCode written = codeOfProbe(textBoxForm(
            QStringLiteral("<property name=\"displayFlags\"><set>%1</set></property>").arg(QLatin1String(flags))));
        EXPECT_NE(written.run.exitCode, 0) << flags;
        EXPECT_TRUE(written.source.isEmpty()) << flags;
        EXPECT_TRUE(written.run.err.contains("line 6")) << flags << ": " << written.run.err.toStdString();
    }
}
