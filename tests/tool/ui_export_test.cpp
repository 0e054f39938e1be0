// The Designer export on forms made here: a text document goes as one text,
// and what a .ui file cannot spell makes the export fail, naming it.

#include "core/form_layout.h"
#include "form_host.h"
#include "image_index.h"
#include "ui_export.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextStream>
#include <QUrl>

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

// The names of the properties the export gives the widget called name.
QStringList propertiesOf(const QDomDocument &ui, const QString &name)
{
    QStringList names;
    const QDomNodeList widgets = ui.elementsByTagName(QStringLiteral("widget"));
    for (int i = 0; i < widgets.size(); ++i) {
        const QDomElement widget = widgets.at(i).toElement();
        if (widget.attribute(QStringLiteral("name")) != name)
            continue;
        for (QDomElement p = widget.firstChildElement(QStringLiteral("property")); !p.isNull();
             p = p.nextSiblingElement(QStringLiteral("property")))
            names.append(p.attribute(QStringLiteral("name")));
    }
    return names;
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
