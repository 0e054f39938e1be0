#include "form_harness.h"

#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "qt_class.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QTextEdit>

const CatalogueEntry &catalogued(const char *name)
{
    const CatalogueIndexEntry *entry = quarn::harness::findCatalogued(name);
    if (entry)
        return kCatalogue[quarn::harness::cataloguePosition(*entry)];
    ADD_FAILURE() << name << " is not catalogued";
    return kCatalogue[0];
}

BuiltForm buildForm(const CatalogueEntry &entry, bool retranslate, const QString &rootName)
{
    auto root = std::make_unique<QWidget>();
    root->setObjectName(rootName);
    return BuiltForm(entry.form(), kCatalogueIndex[std::size_t(&entry - kCatalogue)], std::move(root),
                     retranslate ? BuiltForm::Steps::SetupAndRetranslate : BuiltForm::Steps::SetupOnly);
}

static bool isLibraryClass(const QMetaObject *meta)
{
    return meta && !quarn::harness::isQtClass(meta);
}

QStringList textsOf(QWidget *root)
{
    QStringList texts;
    const auto add = [&texts](const QObject *object, const QString &what, const QString &text) {
        if (!text.isEmpty())
            texts << object->objectName() + "." + what + "=" + text;
    };
    // Always listed: an empty title may still have come from the translator.
    texts << root->objectName() + ".windowTitle=" + root->property("windowTitle").toString();
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        add(widget, "styleSheet", widget->styleSheet());
        // Texts the widget library keeps in its own settings (contents, compass letters).
        for (const QMetaObject *meta = widget->metaObject(); isLibraryClass(meta); meta = meta->superClass()) {
            for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
                const QMetaProperty property = meta->property(i);
                if (property.userType() == QMetaType::QString)
                    add(widget, property.name(), property.read(widget).toString());
            }
        }
        if (auto *textBox = qobject_cast<ZelTextBox *>(widget)) {
            add(widget, "text", textBox->text());
        } else if (auto *textArea = qobject_cast<ZelTextArea *>(widget)) {
            add(widget, "plainText", textArea->toPlainText());
        } else if (auto *editor = qobject_cast<QTextEdit *>(widget)) {
            // Always listed: an empty document may still have come from the translator.
            texts << editor->objectName() + ".plainText=" + editor->toPlainText();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            add(widget, "text", button->text());
        } else if (auto *lineEdit = qobject_cast<QLineEdit *>(widget)) {
            add(widget, "text", lineEdit->text());
        }
    }
    return texts;
}

QStringList uiFieldNamesFromHeader(const char *formName)
{
    const QString fileName = QString::fromUtf8(formName) + ".h";
    QDirIterator it(QStringLiteral(QUARN_SOURCE_DIR "/forms"), {fileName}, QDir::Files, QDirIterator::Subdirectories);
    if (!it.hasNext())
        return {};
    QFile header(it.next());
    if (!header.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString source = QString::fromUtf8(header.readAll());
    const QRegularExpression record(QStringLiteral("struct Ui_%1 : UiRecord \\{(.*?)\\};").arg(formName),
                                    QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = record.match(source);
    if (!match.hasMatch())
        return {};
    QStringList names;
    const QRegularExpression field(QStringLiteral("^\\s*\\w+\\s*\\*\\s*(\\w+);"), QRegularExpression::MultilineOption);
    for (auto fields = field.globalMatch(match.captured(1)); fields.hasNext();)
        names << fields.next().captured(1);
    return names;
}

QString MarkingTranslator::translate(const char *context, const char *source, const char *, int) const
{
    if (!context || !quarn::harness::findCatalogued(context))
        return QString();
    contexts.append(QString::fromUtf8(context));
    const QString text = QString::fromUtf8(source);
    if (text.startsWith(QLatin1String("<!DOCTYPE HTML")))
        return QStringLiteral("&lt;&lt;") + QTextDocumentFragment::fromHtml(text).toPlainText().toHtmlEscaped()
            + QStringLiteral("&gt;&gt;");
    return QStringLiteral("<<") + text + QStringLiteral(">>");
}
