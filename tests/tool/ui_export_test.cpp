// The Designer export on forms made here: a text document goes as one text,
// and what a .ui file cannot spell makes the export fail, naming it.

#include "core/form_layout.h"
#include "common/form_host.h"
#include "common/image_index.h"
#include "export/ui_export.h"
#include "uiform/ui_values.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextStream>
#include <QUrl>

#include <utility>

#include <gtest/gtest.h>

namespace {

using namespace quarn::layouttool;

struct TwoFields : UiRecord {
    QWidget *first;
    QWidget *second;
};

const CatalogueIndexEntry kEntry{1, "HandMadeForm", 240, 320, 2};

// Two text editors: formatted text in the first, plain text in the second.
class TextForm final : public FormLayout
{
public:
    void setupUi(UiRecord *record, QWidget *root) const override
    {
        auto &ui = *static_cast<TwoFields *>(record);
        auto *rich = new QTextEdit(root);
        rich->setObjectName(QStringLiteral("rich"));
        rich->setHtml(QStringLiteral("<p><b>bold</b> and plain</p>"));
        ui.first = rich;
        auto *plain = new QTextEdit(root);
        plain->setObjectName(QStringLiteral("plain"));
        plain->setPlainText(QStringLiteral("just text"));
        ui.second = plain;
    }
    void retranslateUi(UiRecord *, QWidget *) const override {}
};

// Documents set through the translator: one to an empty rich text, which
// leaves no text in the built document, one to plain text.
const char kEmptyDocument[] = "<html><body style=\" font-weight:600;\"><p><br /></p></body></html>";

class TranslatedTextForm final : public FormLayout
{
public:
    void setupUi(UiRecord *record, QWidget *root) const override
    {
        auto &ui = *static_cast<TwoFields *>(record);
        ui.first = new QTextEdit(root);
        ui.first->setObjectName(QStringLiteral("rich"));
        ui.second = new QTextEdit(root);
        ui.second->setObjectName(QStringLiteral("plain"));
        retranslateUi(record, root);
    }
    void retranslateUi(UiRecord *record, QWidget *) const override
    {
        auto &ui = *static_cast<TwoFields *>(record);
        static_cast<QTextEdit *>(ui.first)->setHtml(QCoreApplication::translate("HandMadeForm", kEmptyDocument));
        static_cast<QTextEdit *>(ui.second)->setPlainText(QCoreApplication::translate("HandMadeForm", "Ahead"));
    }
};

// A setting a .ui file has no spelling for.
class UrlForm final : public FormLayout
{
public:
    void setupUi(UiRecord *record, QWidget *root) const override
    {
        auto &ui = *static_cast<TwoFields *>(record);
        ui.first = new QWidget(root);
        ui.first->setObjectName(QStringLiteral("link"));
        ui.first->setProperty("where", QUrl(QStringLiteral("file:///somewhere")));
        ui.second = new QWidget(root);
        ui.second->setObjectName(QStringLiteral("plainWidget"));
    }
    void retranslateUi(UiRecord *, QWidget *) const override {}
};

// The <property> elements the export gives the widget called name.
QList<QDomElement> propertyElementsOf(const QDomDocument &ui, const QString &name)
{
    QList<QDomElement> properties;
    const QDomNodeList widgets = ui.elementsByTagName(QStringLiteral("widget"));
    for (int i = 0; i < widgets.size(); ++i) {
        const QDomElement widget = widgets.at(i).toElement();
        if (widget.attribute(QStringLiteral("name")) != name)
            continue;
        for (QDomElement p = widget.firstChildElement(QStringLiteral("property")); !p.isNull();
             p = p.nextSiblingElement(QStringLiteral("property")))
            properties.append(p);
    }
    return properties;
}

QStringList propertiesOf(const QDomDocument &ui, const QString &name)
{
    QStringList names;
    for (const QDomElement &property : propertyElementsOf(ui, name))
        names.append(property.attribute(QStringLiteral("name")));
    return names;
}

// The <string> of the property called property of the widget called name.
QDomElement stringOf(const QDomDocument &ui, const QString &name, const QString &property)
{
    for (const QDomElement &element : propertyElementsOf(ui, name)) {
        if (element.attribute(QStringLiteral("name")) == property)
            return element.firstChildElement(QStringLiteral("string"));
    }
    return QDomElement();
}

} // namespace

TEST(UiExport, WritesATextDocumentAsTheOneTextThatKeepsIt)
{
    const ImageIndex images = ImageIndex::scan();
    UiExporter exporter(images);
    const TextForm form;
    const BuiltForm built(form, kEntry);
    QDomDocument ui;
    ASSERT_TRUE(ui.setContent(exporter.exportForm(built)));
    EXPECT_TRUE(exporter.omissions().isEmpty()) << exporter.omissions().join(QLatin1Char('\n')).toStdString();

    const QStringList rich = propertiesOf(ui, QStringLiteral("rich"));
    EXPECT_TRUE(rich.contains(QStringLiteral("html"))) << rich.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(rich.contains(QStringLiteral("plainText")));
    EXPECT_FALSE(rich.contains(QStringLiteral("markdown")));
    EXPECT_FALSE(rich.contains(QStringLiteral("document")));
    const QStringList plain = propertiesOf(ui, QStringLiteral("plain"));
    EXPECT_TRUE(plain.contains(QStringLiteral("plainText"))) << plain.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(plain.contains(QStringLiteral("html")));
    EXPECT_FALSE(plain.contains(QStringLiteral("markdown")));
}

TEST(UiExport, WritesATranslatedDocumentAsTheTextItWasSetFrom)
{
    const ImageIndex images = ImageIndex::scan();
    UiExporter exporter(images);
    const TranslatedTextForm form;
    const BuiltForm built(form, kEntry);
    QDomDocument ui;
    ASSERT_TRUE(ui.setContent(exporter.exportForm(built)));

    const QDomElement rich = stringOf(ui, QStringLiteral("rich"), QStringLiteral("html"));
    ASSERT_FALSE(rich.isNull()) << "the empty document's text is lost";
    EXPECT_EQ(rich.text(), QString::fromLatin1(kEmptyDocument));
    EXPECT_FALSE(rich.hasAttribute(QStringLiteral("notr")));
    EXPECT_FALSE(propertiesOf(ui, QStringLiteral("rich")).contains(QStringLiteral("plainText")));

    const QDomElement plain = stringOf(ui, QStringLiteral("plain"), QStringLiteral("plainText"));
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(plain.text(), QStringLiteral("Ahead"));
    EXPECT_FALSE(plain.hasAttribute(QStringLiteral("notr")));
    EXPECT_FALSE(propertiesOf(ui, QStringLiteral("plain")).contains(QStringLiteral("html")));
}

TEST(UiExport, FailsNamingWhatItCannotWriteAndWritesNothing)
{
    const ImageIndex images = ImageIndex::scan();
    UiExporter exporter(images);
    const UrlForm form;
    const BuiltForm built(form, kEntry);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("url.ui"));
    QString errors;
    QTextStream stream(&errors);
    EXPECT_FALSE(writeUiFile(exporter, built, file, stream));
    stream.flush();
    EXPECT_TRUE(errors.contains(QLatin1String("HandMadeForm"))) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QLatin1String("where"))) << errors.toStdString();
    EXPECT_FALSE(QFile::exists(file));
}

// Designer forms carry font weights on Qt 5's 0–99 scale, so the export is the
// same from either Qt's build.
TEST(UiExport, WritesFontWeightsOnTheFormsScale)
{
    const std::pair<QFont::Weight, int> weights[] = {
        {QFont::Light, 25}, {QFont::Normal, 50}, {QFont::DemiBold, 63}, {QFont::Bold, 75}};
    ImageIndex images;
    QStringList omissions;
    UiValueConverter converter(images, omissions);
    for (const auto &[weight, expected] : weights) {
        QFont font;
        font.setWeight(weight);
        const UiValue value = converter.fontValue(font);
        EXPECT_EQ(value.font.weight, std::optional<int>(expected)) << expected;
        EXPECT_EQ(value.font.bold, std::optional<bool>(expected > 50)) << expected;
    }
}
