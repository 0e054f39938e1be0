// The translation template as the Designer export reads it: descriptions and
// notes where lupdate puts them, nothing where a text is ambiguous.

#include "uiform/translation_template.h"

#include <gtest/gtest.h>

using quarn::layouttool::TranslationTemplate;

TEST(TemplateNotes, ReadsDescriptionsAndNotesAndLeavesAmbiguousTextsBare)
{
    const QByteArray ts = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>MapAreaScreenClass</name>
    <message>
        <source>Area</source>
        <extracomment>A surface, not a region.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The area screen.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Detail</source>
        <comment>ComboBox Caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Open</source>
        <comment>verb</comment>
        <translation type="unfinished"><numerusform></numerusform></translation>
    </message>
    <message>
        <source>Open</source>
        <comment>adjective</comment>
        <extracomment>Of a gate.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
)";
    TranslationTemplate translations;
    QString error;
    ASSERT_TRUE(translations.parse(ts, &error)) << error.toStdString();
    const QString context = QStringLiteral("MapAreaScreenClass");
    EXPECT_EQ(translations.formDescription(context), QStringLiteral("The area screen."));
    EXPECT_EQ(translations.formDescription(QStringLiteral("Other")), QString());
    EXPECT_EQ(translations.notesFor(context, QStringLiteral("Area")).extraComment,
              QStringLiteral("A surface, not a region."));
    EXPECT_EQ(translations.notesFor(context, QStringLiteral("Area")).disambiguation, QString());
    EXPECT_EQ(translations.notesFor(context, QStringLiteral("Detail")).disambiguation,
              QStringLiteral("ComboBox Caption"));
    EXPECT_EQ(translations.notesFor(QStringLiteral("Other"), QStringLiteral("Area")).extraComment, QString());
    // Which of the two is meant cannot be told from the text.
    EXPECT_EQ(translations.notesFor(context, QStringLiteral("Open")).disambiguation, QString());
    EXPECT_EQ(translations.notesFor(context, QStringLiteral("Open")).extraComment, QString());

    for (const QByteArray &bad : {QByteArray(), QByteArray("<html/>"), QByteArray("<TS><context><name>X</name>")}) {
        error.clear();
        EXPECT_FALSE(translations.parse(bad, &error)) << bad.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}
