// The generator reads a data-field bar's document back into the table that
// writes it, and leaves any other document as text.

#include "generator/nav_field_table.h"

#include "core/construction/map_furniture.h"

#include <gtest/gtest.h>

namespace {

using namespace quarn::layouttool;
using namespace quarn::navfields;

} // namespace

TEST(NavFieldTable, ReadsBackTheTableThatWroteTheDocument)
{
    const std::vector<Configuration> written = {
        {{satellite()}},
        {{half(60), half(60)}},
        {{full(91, 16, 28)}, {full(45, 12, 20)}, {half(45), half(45)}},
    };
    NavFieldTable table;
    ASSERT_TRUE(navFieldTable(document(written), &table));
    EXPECT_TRUE(table.configurations == written);
    EXPECT_EQ(table.rows,
              QStringList({QStringLiteral("{{satellite()}},"), QStringLiteral("{{half(60), half(60)}},"),
                           QStringLiteral("{{full(91, 16, 28)}, {full(45, 12, 20)}, {half(45), half(45)}},")}));
    EXPECT_TRUE(table.shared.isEmpty());

    ASSERT_TRUE(navFieldTable(document(quarn::vehicleModeDataFields()), &table));
    EXPECT_EQ(table.shared, QStringLiteral("vehicleModeDataFields()"));
}

TEST(NavFieldTable, LeavesADocumentNoTableWritesAsText)
{
    const QByteArray pair = document({{{half(45), half(45)}}});
    const QByteArray field = "\t\t<FIELD row = \"1\" col = \"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" "
                             "image_pressed = \":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n";
    ASSERT_TRUE(pair.contains(field));
    NavFieldTable table;
    EXPECT_TRUE(navFieldTable(pair, &table));

    const auto without = [&](const QByteArray &from, const QByteArray &to) {
        return QByteArray(pair).replace(from, to);
    };
    // A width no constructor makes, a third field in a row, the host's spelling changed.
    EXPECT_FALSE(navFieldTable(without("113x45.mif", "100x45.mif"), &table));
    EXPECT_FALSE(
        navFieldTable(without(field, field + QByteArray(field).replace("col = \"2\"", "col = \"3\"")), &table));
    EXPECT_FALSE(navFieldTable(without("row = ", "row="), &table));
    EXPECT_FALSE(navFieldTable(without("\t</CONFIGURATION_1>", "\t</CONFIGURATION_1>\t"), &table));
    EXPECT_FALSE(navFieldTable(QByteArray(), &table));
    EXPECT_FALSE(navFieldTable("<NAV_FIELDS_CONFIGURATION/>", &table));

    // Eight rows are a screen's worth; a ninth is refused, not a stop of the program.
    const QByteArray one = document({{{full(45, 16, 24)}}});
    const int start = one.indexOf("\t\t<FIELD");
    const QByteArray row = one.mid(start, one.indexOf("</FIELD>\n") + 9 - start);
    QByteArray rows;
    QByteArray tall;
    for (int i = 2; i <= 9; ++i) {
        rows += QByteArray(row).replace("row = \"1\"", "row = \"" + QByteArray::number(i) + '"');
        tall = QByteArray(one).replace("\t</CONFIGURATION_1>", rows + "\t</CONFIGURATION_1>");
        EXPECT_EQ(navFieldTable(tall, &table), i <= 8) << i << " rows";
    }
}
