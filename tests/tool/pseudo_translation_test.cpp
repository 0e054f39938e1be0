// The pseudo-translation: longer, accented texts that still read as their
// source, style sheets left alone, and the file in translations/ up to date.

#include "pseudo_translation.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <utility>

using namespace quarn::translations;

namespace {

// The letters without their accents, brackets and padding.
QString plainLetters(const QString &pseudo)
{
    QString text = pseudo.normalized(QString::NormalizationForm_D);
    text.remove(QRegularExpression(QStringLiteral("[\\x{0300}-\\x{036f}]")));
    text.remove(QChar(0x00B7));
    return text.mid(1, text.size() - 2);
}

using Translations = std::map<std::pair<QString, QString>, QString>; // (context, source) -> translation

Translations translationsOf(const QByteArray &ts)
{
    Translations translations;
    QXmlStreamReader xml(ts);
    QString context, source;
    while (!xml.atEnd()) {
        if (!xml.readNext() || !xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            translations[{context, source}] = xml.attributes().hasAttribute(QLatin1String("type"))
                ? QStringLiteral("<unfinished>")
                : xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return translations;
}

QByteArray contentsOf(const char *path)
{
    QFile file(QString::fromUtf8(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

} // namespace

TEST(PseudoTranslation, TextsGrowByAboutFortyPercentAndStayReadable)
{
    for (const QString &source : {QStringLiteral("OK"), QStringLiteral("Waypoints"), QStringLiteral("Please Wait..."),
                                  QStringLiteral("CURRENT STREET NAME"), QStringLiteral("Lat:")}) {
        const QString pseudo = pseudoTranslated(source);
        EXPECT_GE(pseudo.size(), int(source.size() * 1.4)) << pseudo.toStdString();
        EXPECT_LE(pseudo.size(), int(source.size() * 1.4) + 3) << pseudo.toStdString();
        EXPECT_EQ(plainLetters(pseudo), source) << pseudo.toStdString();
        EXPECT_NE(pseudo.mid(1, source.size()), source) << "no letter accented: " << pseudo.toStdString();
    }
    EXPECT_EQ(pseudoTranslated(QString()), QString());
}

TEST(PseudoTranslation, StyleSheetsAreNotTexts)
{
    EXPECT_TRUE(isStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);")));
    EXPECT_TRUE(isStyleSheet(QStringLiteral("QLabel { color: white }")));
    EXPECT_FALSE(isStyleSheet(QStringLiteral("HH:MM")));
    EXPECT_FALSE(isStyleSheet(QStringLiteral("Current:")));
    EXPECT_FALSE(isStyleSheet(QStringLiteral("Note: see the map; then go")));
    EXPECT_TRUE(isResourcePath(QStringLiteral(":/Bkgd/bkgd_KB_EntryField_01.mif")));
    EXPECT_FALSE(isResourcePath(QStringLiteral("Waypoints")));
}

TEST(PseudoTranslation, TranslatesEveryMessageOfATemplate)
{
    const QByteArray ts = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en_GB">
<context>
    <name>MapAreaScreenClass</name>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background-color: rgba(0, 0, 0, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/Icons/i_Area.mif</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
)";
    QString error;
    const QByteArray translated = pseudoTranslatedTs(ts, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    // The same order every run, so the file in the tree only changes with its texts.
    EXPECT_TRUE(translated.contains(R"(<TS version="2.1" language="en" sourcelanguage="en_GB">)"))
        << translated.constData();
    const Translations pseudo = translationsOf(translated);
    ASSERT_EQ(pseudo.size(), 3u);
    EXPECT_EQ(pseudo.at({"MapAreaScreenClass", ":/Icons/i_Area.mif"}), QStringLiteral(":/Icons/i_Area.mif"));
    EXPECT_EQ(pseudo.at({"MapAreaScreenClass", "Area"}), pseudoTranslated(QStringLiteral("Area")));
    EXPECT_EQ(pseudo.at({"MapAreaScreenClass", "background-color: rgba(0, 0, 0, 0);"}),
              QStringLiteral("background-color: rgba(0, 0, 0, 0);"));

    EXPECT_TRUE(pseudoTranslatedTs("<TS><context>", &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(pseudoTranslatedTs("<html/>", &error).isEmpty());
}

TEST(PseudoTranslation, TheFileInTheTreeMatchesTheTemplate)
{
    QString error;
    const Translations expected = translationsOf(pseudoTranslatedTs(contentsOf(QUARN_TRANSLATION_TEMPLATE), &error));
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(translationsOf(contentsOf(QUARN_PSEUDO_TRANSLATION)) == expected)
        << "the pseudo-translation is out of date; refresh it with: "
           "cmake --build build --target translations_update";
}
