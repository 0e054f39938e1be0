#include "generator/nav_field_table.h"

#include "core/construction/map_furniture.h"

#include <QRegularExpression>

namespace quarn::layouttool {

namespace {

QString fieldText(const navfields::Field &field)
{
    if (field == navfields::satellite())
        return QStringLiteral("satellite()");
    if (field == navfields::half(field.height))
        return QStringLiteral("half(%1)").arg(field.height);
    return QStringLiteral("full(%1, %2, %3)").arg(field.height).arg(field.headerFontSize).arg(field.dataFontSize);
}

// The field an element stands for, where one of the constructors makes it.
bool fieldOf(const QRegularExpressionMatch &element, navfields::Field *field)
{
    static const QRegularExpression size(QStringLiteral("_(\\d+)x(\\d+)\\.mif$"));
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    const QString image = element.captured(QStringLiteral("image"));
    const QRegularExpressionMatch match = size.match(image);
    if (!match.hasMatch())
        return false;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (image.contains(QLatin1String("Satellite"))) {
        *field = navfields::satellite();
    } else if (width == navfields::half(height).width) {
        *field = navfields::half(height);
    } else {
        const QString header = element.captured(QStringLiteral("header"));
        const QString data = element.captured(QStringLiteral("data"));
        if (!number.match(header).hasMatch() || !number.match(data).hasMatch())
            return false;
        *field = navfields::full(height, header.toInt(), data.toInt());
    }
    return true;
}

} // namespace

bool navFieldTable(const QByteArray &document, NavFieldTable *table)
{
    static const QRegularExpression configuration(QStringLiteral("<CONFIGURATION_(\\d+)>(.*?)</CONFIGURATION_\\1>"),
                                                  QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression fieldElement(
        QStringLiteral("<FIELD row = \"(?<row>\\d+)\" col = \"(?<col>\\d+)\" image = \"(?<image>[^\"]*)\"[^>]*?"
                       "(fontSizeHeader=\"(?<header>[^\"]*)\" fontSizeData=\"(?<data>[^\"]*)\")?>"));
    const QString text = QString::fromUtf8(document);
    std::vector<navfields::Configuration> configurations;
    for (auto blocks = configuration.globalMatch(text); blocks.hasNext();) {
        navfields::Configuration shown;
        std::vector<navfields::Row> rows;
        for (auto fields = fieldElement.globalMatch(blocks.next().captured(2)); fields.hasNext();) {
            const QRegularExpressionMatch element = fields.next();
            navfields::Field field;
            const int row = element.captured(QStringLiteral("row")).toInt();
            const int column = element.captured(QStringLiteral("col")).toInt();
            if (!fieldOf(element, &field) || row < 1 || row > int(rows.size()) + 1 || row > 8 || column < 1
                || column > 2)
                return false;
            if (row > int(rows.size()))
                rows.emplace_back();
            if (rows.back().size() == 2)
                return false;
            rows.back().append(field);
        }
        for (const navfields::Row &fields : rows)
            shown.append(fields);
        configurations.push_back(shown);
    }
    // Whatever was read, only a table that writes the very same text stands for it.
    if (configurations.empty() || navfields::document(configurations) != document)
        return false;
    table->configurations = configurations;
    table->rows.clear();
    for (const navfields::Configuration &shown : configurations) {
        QStringList rows;
        for (const navfields::Row &fields : shown) {
            QStringList texts;
            for (const navfields::Field &field : fields)
                texts.append(fieldText(field));
            rows.append(QLatin1Char('{') + texts.join(QLatin1String(", ")) + QLatin1Char('}'));
        }
        table->rows.append(QLatin1Char('{') + rows.join(QLatin1String(", ")) + QLatin1String("},"));
    }
    table->shared = configurations == vehicleModeDataFields() ? QStringLiteral("vehicleModeDataFields()") : QString();
    return true;
}

QString navFieldTableDefinition(const QString &name, const NavFieldTable &table)
{
    QString text = QStringLiteral("const std::vector<navfields::Configuration> %1 = [] {\n"
                                  "    using namespace navfields;\n"
                                  "    return std::vector<Configuration>{\n")
                       .arg(name);
    for (const QString &row : table.rows)
        text += QStringLiteral("        ") + row + QLatin1Char('\n');
    text += QStringLiteral("    };\n}();\n");
    return text;
}

} // namespace quarn::layouttool
