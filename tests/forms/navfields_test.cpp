// The navigation-field layout documents: the writer's exact text, every document
// a catalogued form carries as the host's reader sees it, and the dashboard
// settings a host relies on beyond what the generic form tests check.

#include "form_harness.h"

#include "catalogue/catalogue.h"
#include "controls/zel_compass.h"
#include "controls/zel_strip_compass.h"
#include "core/construction/nav_fields.h"
#include "forms/dashboard/DashboardCompassScrClass.h"
#include "forms/dashboard/DashboardScrClass.h"
#include "forms/dashboard/DashboardStripCompassScrClass.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

using namespace quarn::navfields;

// One data-field host found in a built form.
struct CarriedDocument {
    QString form;
    QString widget;
    QVariant document;
    QVariant minimum;
    QVariant maximum;

    QString where() const { return form + "." + widget; }
};

const std::vector<CarriedDocument> &carriedDocuments()
{
    static const std::vector<CarriedDocument> documents = [] {
        std::vector<CarriedDocument> found;
        for (const CatalogueEntry &entry : kCatalogue) {
            BuiltForm built = buildForm(entry);
            QList<QWidget *> widgets = built.root()->findChildren<QWidget *>();
            widgets.prepend(built.root());
            for (QWidget *widget : widgets) {
                const QVariant document = widget->property("navFieldsCfg");
                if (!document.isValid())
                    continue;
                found.push_back({QString::fromLatin1(entry.name), widget->objectName(), document,
                                 widget->property("minNumberOfDataFields"), widget->property("maxNumberOfDataFields")});
            }
        }
        return found;
    }();
    return documents;
}

// The host reads the bytes as 8-bit text and never trusts the declared UTF-16.
QDomDocument parsed(const QByteArray &bytes, QString *error)
{
    QDomDocument document;
    int line = 0;
    if (!document.setContent(QString::fromLatin1(bytes), error, &line))
        *error += QStringLiteral(" at line %1").arg(line);
    return document;
}

QList<QDomElement> childElements(const QDomElement &parent)
{
    QList<QDomElement> children;
    for (QDomElement child = parent.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        children << child;
    return children;
}

// --- the writer --------------------------------------------------------------

TEST(NavFieldsWriter, WritesTheDocumentTextToTheCharacter)
{
    const QByteArray text = document({{{full(91, 16, 24)}}, {{half(45), half(45)}}});

    const QByteArray expected =
        "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"no\"?>\n"
        "<NAV_FIELDS_CONFIGURATION>\n"
        "\t<CONFIGURATION_1>\n"
        "\t\t<FIELD row = \"1\" col = \"1\" image = \":/Bkgd/bkgd_Dashboard_Field_230x91.mif\" "
        "image_pressed = \":/Bkgd/bkgd_Dashboard_Field_230x91_h.mif\" colspan = \"\" fontSizeHeader=\"16\" "
        "fontSizeData=\"24\"></FIELD>\n"
        "\t</CONFIGURATION_1>\n"
        "\n"
        "\t<CONFIGURATION_2>\n"
        "\t\t<FIELD row = \"1\" col = \"1\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" "
        "image_pressed = \":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n"
        "\t\t<FIELD row = \"1\" col = \"2\" image = \":/Bkgd/bkgd_Dashboard_Field_113x45.mif\" "
        "image_pressed = \":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif\"></FIELD>\n"
        "\t</CONFIGURATION_2>\n"
        "</NAV_FIELDS_CONFIGURATION>";
    EXPECT_EQ(text.toStdString(), expected.toStdString());
}

TEST(NavFieldsWriter, NumbersRowsPerConfigurationAndKeepsTheSatelliteImageWhenPressed)
{
    const QByteArray text = document({{{satellite()}}, {{full(50, 12, 20)}, {half(45), half(45)}}});
    QString error;
    const QDomDocument dom = parsed(text, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    const QList<QDomElement> configurations = childElements(dom.documentElement());
    ASSERT_EQ(configurations.size(), 2);
    const QDomElement satelliteField = configurations[0].firstChildElement();
    EXPECT_EQ(satelliteField.attribute("image"), ":/Bkgd/bkgd_Satellite_Field_148x67.mif");
    EXPECT_EQ(satelliteField.attribute("image_pressed"), satelliteField.attribute("image"));
    EXPECT_FALSE(satelliteField.hasAttribute("colspan"));

    const QList<QDomElement> fields = childElements(configurations[1]);
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0].attribute("row"), "1");
    EXPECT_EQ(fields[0].attribute("fontSizeData"), "20");
    EXPECT_EQ(fields[1].attribute("row"), "2");
    EXPECT_EQ(fields[2].attribute("row"), "2");
    EXPECT_EQ(fields[2].attribute("col"), "2");
    EXPECT_FALSE(text.endsWith('\n'));
}

// --- every carried document ----------------------------------------------------

TEST(CarriedNavFieldsDocuments, AreFoundOnTheDashboardFormsAsByteArrays)
{
    QSet<QString> carriers;
    for (const CarriedDocument &carried : carriedDocuments()) {
        carriers << carried.form;
        // The host parses the property as bytes; a string or list would not reach its reader.
        EXPECT_EQ(carried.document.userType(), int(QMetaType::QByteArray)) << carried.where().toStdString();
        EXPECT_TRUE(carried.minimum.isValid()) << carried.where().toStdString();
        EXPECT_TRUE(carried.maximum.isValid()) << carried.where().toStdString();
        EXPECT_LE(carried.minimum.toInt(), carried.maximum.toInt()) << carried.where().toStdString();
    }
    for (const char *form : {"DashboardCompassPublicScrClass", "DashboardNavFieldsScreenClass",
                             "DashboardSatelliteScreenClass", "DashboardScrClass"})
        EXPECT_TRUE(carriers.contains(QString::fromLatin1(form))) << form;
}

TEST(CarriedNavFieldsDocuments, FollowTheLineLayoutOfTheFormat)
{
    const QRegularExpression fieldLine(
        QStringLiteral("^\t\t<FIELD row = \"[1-9][0-9]*\" col = \"[12]\" image = \"[^\"]+\" image_pressed = \"[^\"]+\""
                       "( colspan = \"\" fontSizeHeader=\"[0-9]+\" fontSizeData=\"[0-9]+\")?></FIELD>$"));
    for (const CarriedDocument &carried : carriedDocuments()) {
        SCOPED_TRACE(carried.where().toStdString());
        const QByteArray bytes = carried.document.toByteArray();
        for (const char byte : bytes)
            ASSERT_LT(static_cast<unsigned char>(byte), 0x80u) << "only ASCII bytes";
        ASSERT_FALSE(bytes.endsWith('\n'));

        const QStringList lines = QString::fromLatin1(bytes).split('\n');
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines.first(), "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"no\"?>");
        EXPECT_EQ(lines[1], "<NAV_FIELDS_CONFIGURATION>");
        EXPECT_EQ(lines.last(), "</NAV_FIELDS_CONFIGURATION>");

        int configuration = 0;
        bool inConfiguration = false;
        for (int i = 2; i < lines.size() - 1; ++i) {
            const QString &line = lines[i];
            if (!inConfiguration) {
                if (configuration > 0) {
                    ASSERT_EQ(line, "") << "line " << i + 1;
                    ++i;
                    ASSERT_LT(i, lines.size() - 1);
                }
                ++configuration;
                ASSERT_EQ(lines[i], QStringLiteral("\t<CONFIGURATION_%1>").arg(configuration)) << "line " << i + 1;
                inConfiguration = true;
            } else if (line == QStringLiteral("\t</CONFIGURATION_%1>").arg(configuration)) {
                inConfiguration = false;
            } else {
                EXPECT_TRUE(fieldLine.match(line).hasMatch()) << "line " << i + 1 << ": " << line.toStdString();
            }
        }
        EXPECT_FALSE(inConfiguration);
        EXPECT_EQ(configuration, carried.maximum.toInt());
    }
}

TEST(CarriedNavFieldsDocuments, HoldConfigurationKWithKFieldsInConsistentRows)
{
    const QRegularExpression dashboardImage(QStringLiteral("^:/Bkgd/bkgd_Dashboard_Field_(\\d+)x(\\d+)\\.mif$"));
    const QString satelliteImage = QStringLiteral(":/Bkgd/bkgd_Satellite_Field_148x67.mif");
    for (const CarriedDocument &carried : carriedDocuments()) {
        SCOPED_TRACE(carried.where().toStdString());
        QString error;
        const QDomDocument dom = parsed(carried.document.toByteArray(), &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        const QDomElement root = dom.documentElement();
        EXPECT_EQ(root.tagName(), "NAV_FIELDS_CONFIGURATION");

        const QList<QDomElement> configurations = childElements(root);
        ASSERT_EQ(configurations.size(), carried.maximum.toInt());
        for (int k = 1; k <= configurations.size(); ++k) {
            const QDomElement &configuration = configurations[k - 1];
            SCOPED_TRACE(configuration.tagName().toStdString());
            EXPECT_EQ(configuration.tagName(), QStringLiteral("CONFIGURATION_%1").arg(k));
            EXPECT_FALSE(configuration.hasAttributes());
            const QList<QDomElement> fields = childElements(configuration);
            ASSERT_EQ(fields.size(), k);

            int expectedRow = 1;
            int expectedColumn = 1;
            for (const QDomElement &field : fields) {
                EXPECT_EQ(field.tagName(), "FIELD");
                EXPECT_FALSE(field.hasChildNodes());
                EXPECT_EQ(field.attribute("row").toInt(), expectedRow);
                EXPECT_EQ(field.attribute("col").toInt(), expectedColumn);
                const QString image = field.attribute("image");
                const QString pressed = field.attribute("image_pressed");
                const bool headed = field.hasAttribute("colspan");
                EXPECT_EQ(field.hasAttribute("fontSizeHeader"), headed);
                EXPECT_EQ(field.hasAttribute("fontSizeData"), headed);

                if (image == satelliteImage) {
                    EXPECT_EQ(pressed, image);
                    EXPECT_FALSE(headed);
                    EXPECT_EQ(expectedColumn, 1);
                    ++expectedRow;
                    continue;
                }
                const QRegularExpressionMatch size = dashboardImage.match(image);
                ASSERT_TRUE(size.hasMatch()) << image.toStdString();
                EXPECT_EQ(pressed, image.chopped(4) + "_h.mif");
                const int width = size.captured(1).toInt();
                if (width == 230) {
                    EXPECT_EQ(expectedColumn, 1) << "a full-width field is alone in its row";
                    EXPECT_TRUE(headed);
                    EXPECT_EQ(field.attribute("colspan"), "");
                    EXPECT_GT(field.attribute("fontSizeHeader").toInt(), 0);
                    EXPECT_GT(field.attribute("fontSizeData").toInt(), 0);
                    ++expectedRow;
                } else {
                    EXPECT_EQ(width, 113);
                    EXPECT_FALSE(headed);
                    if (expectedColumn == 1) {
                        expectedColumn = 2;
                    } else {
                        expectedColumn = 1;
                        ++expectedRow;
                    }
                }
            }
            EXPECT_EQ(expectedColumn, 1) << "half-width fields come in pairs";
        }
    }
}

// --- what the dashboard forms hand the host besides the documents ---------------

TEST(DashboardForms, MainDashboardFieldCountsAreUnsignedAndSatelliteBarIsFixedAtTwo)
{
    BuiltForm dashboard = buildForm(catalogued("DashboardScrClass"));
    QWidget *container = dashboard.root()->findChild<QWidget *>("dashboardContainer");
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->property("minNumberOfDataFields").userType(), int(QMetaType::UInt));
    EXPECT_EQ(container->property("maxNumberOfDataFields").userType(), int(QMetaType::UInt));
    EXPECT_EQ(container->property("maxNumberOfDataFields").toUInt(), 8u);

    BuiltForm satellite = buildForm(catalogued("DashboardSatelliteScreenClass"));
    QWidget *bar = satellite.root()->findChild<QWidget *>("dashboardBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->property("minNumberOfDataFields").toInt(), 2);
    EXPECT_EQ(bar->property("maxNumberOfDataFields").toInt(), 2);
}

TEST(DashboardForms, CompassDialsTakeTheirSettingsAndLettersInMemberOrder)
{
    BuiltForm dashboard = buildForm(catalogued("DashboardScrClass"), true);
    const zelCompass *small = static_cast<Ui_DashboardScrClass *>(dashboard.record())->compass;
    // Set by property name: a misspelt name would leave the compass drawing labels.
    EXPECT_FALSE(small->drawLabels());
    EXPECT_TRUE(small->drawCardinal());
    EXPECT_FALSE(small->northUp);
    EXPECT_EQ(small->dialRadius, 52);
    EXPECT_EQ(small->dialCentre, QPoint(75, 82));
    EXPECT_TRUE(small->sunIcon.isNull() && small->moonIcon.isNull());

    BuiltForm full = buildForm(catalogued("DashboardCompassScrClass"), true);
    const zelCompass *large = static_cast<Ui_DashboardCompassScrClass *>(full.record())->compass;
    EXPECT_EQ(large->dialRadius, 82);
    EXPECT_EQ(large->dialCentre, QPoint(120, 130));

    for (const zelCompass *compass : {small, large}) {
        EXPECT_EQ(compass->northLetter, "N");
        EXPECT_EQ(compass->westLetter, "W");
        EXPECT_EQ(compass->southLetter, "S");
        EXPECT_EQ(compass->eastLetter, "E");
    }
}

TEST(DashboardForms, StripCompassesSetOnlyTheirOwnLayoutValues)
{
    const zelStripCompass untouched;
    BuiltForm strip = buildForm(catalogued("DashboardStripCompassScrClass"));
    const zelStripCompass *compass = static_cast<Ui_DashboardStripCompassScrClass *>(strip.record())->stripCompass;
    EXPECT_EQ(compass->needleOffset, -10);
    EXPECT_EQ(compass->stripTop, 20);
    EXPECT_EQ(compass->letterOffset, -5);
    EXPECT_EQ(compass->headingLineWidth, 1);
    EXPECT_EQ(compass->tickWidth, 1);
    // The strip screen leaves these to the widget.
    EXPECT_EQ(compass->roadTop, untouched.roadTop);
    EXPECT_EQ(compass->tickLength, untouched.tickLength);
    EXPECT_EQ(compass->arrowMargin, untouched.arrowMargin);
    EXPECT_EQ(compass->markerSize, untouched.markerSize);
    EXPECT_FALSE(compass->isRoadCompassMode());

    BuiltForm road = buildForm(catalogued("DashboardRoadCompassScrClass"));
    const auto *roadCompass = road.root()->findChild<zelStripCompass *>("stripCompass");
    ASSERT_NE(roadCompass, nullptr);
    EXPECT_TRUE(roadCompass->isRoadCompassMode());
    EXPECT_EQ(roadCompass->markerSize, 20);
}

} // namespace
