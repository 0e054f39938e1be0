// The translation template in translations/ against what the forms really
// translate and against what lupdate finds in the sources today.

#include "form_harness.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace {

using Message = std::pair<QString, QString>; // context, source
using Messages = std::set<Message>;
using Descriptions = std::map<QString, QString>; // context, its TRANSLATOR comment

const char kRefresh[] = "refresh it with: cmake --build build --target translations_update";

// The texts; a message without one is its context's TRANSLATOR comment, the
// form's description.
Messages messagesOfTs(const QString &path, QString *error, Descriptions *descriptions = nullptr)
{
    Messages messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + ": " + file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            source.clear();
        else if (xml.name() == QLatin1String("source") && !(source = xml.readElementText()).isEmpty())
            messages.emplace(context, source);
        else if (xml.name() == QLatin1String("comment") && source.isEmpty() && descriptions)
            (*descriptions)[context] = xml.readElementText();
    }
    if (xml.hasError())
        *error = path + ": " + xml.errorString();
    return messages;
}

std::string listed(const Messages &messages)
{
    std::string text;
    for (const Message &message : messages)
        text += "\n  " + message.first.toStdString() + ": \"" + message.second.toStdString() + "\"";
    return text;
}

Messages without(const Messages &all, const Messages &these)
{
    Messages rest;
    for (const Message &message : all) {
        if (!these.count(message))
            rest.insert(message);
    }
    return rest;
}

// Answers nothing and records every text the forms ask for.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        asked.emplace(QString::fromUtf8(context), QString::fromUtf8(source));
        return QString();
    }
    bool isEmpty() const override { return false; }

    mutable Messages asked;
};

// What the registered forms translate; lupdate never records the empty text a
// few screens pass through the translator as their window title.
Messages textsTheFormsTranslate()
{
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    translator.asked.clear(); // Qt asks for its layout direction on installing
    for (const CatalogueEntry &entry : kCatalogue)
        buildForm(entry, true);
    QCoreApplication::removeTranslator(&translator);
    // Qt's own classes ask too (an image reader's error text, for one): only the
    // forms' contexts are the forms' texts.
    std::set<QString> formContexts;
    for (const CatalogueEntry &entry : kCatalogue)
        formContexts.insert(QString::fromLatin1(entry.name));
    Messages texts;
    for (const Message &message : translator.asked) {
        if (!message.second.isEmpty() && formContexts.count(message.first))
            texts.insert(message);
    }
    return texts;
}

TEST(TranslationTemplate, HoldsEveryTextTheFormsTranslateAndNothingElse)
{
    QString error;
    Descriptions descriptions;
    const Messages kept = messagesOfTs(QStringLiteral(QUARN_TRANSLATION_TEMPLATE), &error, &descriptions);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const Messages translated = textsTheFormsTranslate();
    ASSERT_FALSE(translated.empty());

    EXPECT_TRUE(without(translated, kept).empty())
        << "texts the forms translate that the template lacks (write them as "
           "QCoreApplication::translate(\"FormName\", \"text\") in retranslateUi, then "
        << kRefresh << "):" << listed(without(translated, kept));
    EXPECT_TRUE(without(kept, translated).empty()) << "texts in the template that no registered form translates ("
                                                   << kRefresh << "):" << listed(without(kept, translated));

    // Translators see what each screen is: the TRANSLATOR comment above the
    // form's Ui record.
    for (const CatalogueEntry &entry : kCatalogue) {
        const auto description = descriptions.find(QString::fromLatin1(entry.name));
        EXPECT_TRUE(description != descriptions.end() && !description->second.trimmed().isEmpty())
            << entry.name << " has no description for translators: write /* TRANSLATOR " << entry.name
            << " ... */ above its Ui record, then " << kRefresh;
        if (description != descriptions.end())
            descriptions.erase(description);
    }
    for (const auto &description : descriptions)
        ADD_FAILURE() << "a description for " << description.first.toStdString()
                      << ", which is no registered form's context";
}

TEST(TranslationTemplate, IsWhatLupdateFindsInTheSourcesToday)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QStringList arguments = QStringLiteral(QUARN_LUPDATE_OPTIONS).split(QLatin1Char('|'));
    arguments << QStringLiteral(QUARN_TRANSLATION_SOURCES).split(QLatin1Char('|')) << QStringLiteral("-ts") << fresh;
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUARN_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    QString error;
    Descriptions foundDescriptions, keptDescriptions;
    const Messages found = messagesOfTs(fresh, &error, &foundDescriptions);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const Messages kept = messagesOfTs(QStringLiteral(QUARN_TRANSLATION_TEMPLATE), &error, &keptDescriptions);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    EXPECT_TRUE(without(found, kept).empty())
        << "the template is out of date, " << kRefresh << "; missing:" << listed(without(found, kept));
    EXPECT_TRUE(without(kept, found).empty())
        << "the template is out of date, " << kRefresh << "; no longer in the sources:" << listed(without(kept, found));
    for (const auto &description : foundDescriptions) {
        EXPECT_EQ(keptDescriptions[description.first].toStdString(), description.second.toStdString())
            << "the template has an old description of " << description.first.toStdString() << ", " << kRefresh;
    }
    EXPECT_EQ(keptDescriptions.size(), foundDescriptions.size()) << kRefresh;
}

} // namespace
