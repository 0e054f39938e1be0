// How forms meet the translator: only retranslateUi asks it, always in the
// form's own context, and what it answers is what the screen shows.

#include "form_harness.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class FormTexts : public ::testing::TestWithParam<std::size_t>
{
protected:
    const CatalogueEntry &entry() const { return kCatalogue[GetParam()]; }
};

TEST_P(FormTexts, SetupSetsNoTranslatedText)
{
    InstalledTranslator installed;
    BuiltForm built = buildForm(entry());
    EXPECT_TRUE(installed.translator.contexts.isEmpty());
    for (const QString &text : textsOf(built.root()))
        EXPECT_FALSE(text.contains(QStringLiteral("<<"))) << text.toStdString();
}

TEST_P(FormTexts, RetranslateShowsTheTranslatorsAnswersInTheFormsContext)
{
    BuiltForm plain = buildForm(entry(), true);
    const QStringList sources = textsOf(plain.root());

    InstalledTranslator installed;
    BuiltForm translated = buildForm(entry(), true);
    for (const QString &context : installed.translator.contexts)
        EXPECT_EQ(context, QString::fromUtf8(entry().name));

    // Each text is either untranslated content, kept as is, or its source as
    // the translator answered it; nothing is lost or added.
    const QStringList texts = textsOf(translated.root());
    ASSERT_EQ(texts.size(), sources.size());
    int translatedCount = 0;
    for (int i = 0; i < texts.size(); ++i) {
        const QString key = sources[i].section('=', 0, 0);
        const QString source = sources[i].section('=', 1);
        ASSERT_EQ(texts[i].section('=', 0, 0), key);
        const QString shown = texts[i].section('=', 1);
        if (shown != source) {
            EXPECT_EQ(shown, "<<" + source + ">>") << key.toStdString();
            ++translatedCount;
        }
    }
    EXPECT_EQ(translatedCount, installed.translator.contexts.size());
}

// A host that switches its language back retranslates the same screen; every
// text must return to its source, none may keep the translation.
TEST_P(FormTexts, SwitchingBackFromATranslationRestoresEverySource)
{
    BuiltForm built = buildForm(entry(), true);
    const QStringList sources = textsOf(built.root());
    {
        InstalledTranslator installed;
        entry().form().retranslateUi(built.record(), built.root());
    }
    entry().form().retranslateUi(built.record(), built.root());
    EXPECT_EQ(textsOf(built.root()), sources);
}

std::string formName(const ::testing::TestParamInfo<std::size_t> &info)
{
    return kCatalogue[info.param].name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, FormTexts, ::testing::Range<std::size_t>(0, kCatalogueSize), formName);

} // namespace
