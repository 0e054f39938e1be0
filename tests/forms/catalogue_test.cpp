// Every catalogued form, built the way a host builds it.

#include "form_harness.h"

#include <QLayout>
#include <QSet>
#include <QSpacerItem>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

TEST(Catalogue, NamesAreUniqueAndPositionsAscend)
{
    std::set<std::string> names;
    int previous = 0;
    for (const CatalogueEntry &entry : kCatalogue) {
        EXPECT_TRUE(names.insert(entry.name).second) << "duplicate " << entry.name;
        EXPECT_GT(entry.position, previous) << entry.name << " is out of catalogue order";
        previous = entry.position;
    }
}

TEST(Catalogue, IndexAgreesWithTheModuleTable)
{
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        EXPECT_STREQ(kCatalogue[i].name, kCatalogueIndex[i].name);
        EXPECT_EQ(kCatalogue[i].fieldCount, kCatalogueIndex[i].fieldCount);
    }
}

class EveryForm : public ::testing::TestWithParam<std::size_t>
{
protected:
    const CatalogueEntry &entry() const { return kCatalogue[GetParam()]; }
};

TEST_P(EveryForm, BuildsWithItsCataloguedSizeAndFields)
{
    BuiltForm built = buildForm(entry());
    EXPECT_EQ(built.root()->objectName(), QString::fromUtf8(entry().name));
    EXPECT_EQ(built.root()->size(), QSize(entry().width, entry().height));
    EXPECT_FALSE(built.overranRecord()) << "wrote past its Ui record";

    const FormCensus census(built);
    for (int i = 0; i < entry().fieldCount; ++i) {
        const void *field = built.field(i);
        ASSERT_NE(field, nullptr) << "field " << i;
        EXPECT_EQ(census.fieldIndexOf(field), i) << "field " << i << " repeats an earlier field";
        EXPECT_TRUE(field != built.root() && census.isField(field))
            << "field " << i << " is not an object of this form's tree";
    }
}

TEST_P(EveryForm, ObjectNamesAreTheUiRecordFieldNames)
{
    const QStringList names = uiFieldNamesFromHeader(entry().name);
    ASSERT_EQ(names.size(), entry().fieldCount) << "Ui record header of " << entry().name;

    BuiltForm built = buildForm(entry());
    const FormCensus census(built);
    for (int i = 0; i < entry().fieldCount; ++i) {
        if (census.spacer(i))
            continue; // spacers are no Qt objects and carry no name
        ASSERT_NE(census.object(i), nullptr) << "field " << i;
        EXPECT_EQ(census.object(i)->objectName(), names[i]) << "field " << i;
    }
}

TEST_P(EveryForm, KeepsAHostGivenRootName)
{
    BuiltForm built = buildForm(entry(), true, QStringLiteral("hostScreen"));
    EXPECT_EQ(built.root()->objectName(), QStringLiteral("hostScreen"));
}

TEST_P(EveryForm, TwoRootsGetIndependentTrees)
{
    BuiltForm first = buildForm(entry(), true);
    BuiltForm second = buildForm(entry(), true);
    for (int i = 0; i < entry().fieldCount; ++i)
        EXPECT_NE(first.field(i), second.field(i)) << "field " << i;
    const QStringList texts = textsOf(second.root());
    EXPECT_EQ(textsOf(first.root()), texts);
    // The second tree must live on unchanged without the first one.
    first.destroyRoot();
    entry().form().retranslateUi(second.record(), second.root());
    EXPECT_EQ(textsOf(second.root()), texts);
}

TEST_P(EveryForm, RetranslatingAgainGivesTheSameTexts)
{
    BuiltForm built = buildForm(entry(), true);
    const QStringList once = textsOf(built.root());
    entry().form().retranslateUi(built.record(), built.root());
    EXPECT_EQ(textsOf(built.root()), once);
}

std::string formName(const ::testing::TestParamInfo<std::size_t> &info)
{
    return kCatalogue[info.param].name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryForm, ::testing::Range<std::size_t>(0, kCatalogueSize), formName);

} // namespace
