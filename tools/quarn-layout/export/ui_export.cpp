#include "export/ui_export.h"

#include "form_census.h"
#include "common/form_host.h"
#include "uiform/translation_template.h"
#include "uiform/custom_widgets.h"
#include "uiform/property_filter.h"
#include "uiform/record_fields.h"
#include "uiform/value_writer.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMetaProperty>
#include <QPointer>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTranslator>
#include <QFormLayout>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMetaEnum>
#include <QSaveFile>
#include <QSet>
#include <QSizePolicy>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QTextStream>
#include <QWidget>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>

namespace quarn::layouttool {

namespace {

using harness::FormCensus;

QString translationKey(const QString &objectName, const QString &property)
{
    return objectName + QLatin1Char('/') + property;
}

// Every text it is asked for comes back marked, and numbered after the
// source texts it keeps: a document set from a text shows only the number.
class MarkingTranslator : public QTranslator
{
public:
    static QString mark() { return QStringLiteral("\u0001"); }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        m_sources.append(QString::fromUtf8(source));
        return mark() + QString::number(m_sources.size() - 1) + mark() + m_sources.constLast();
    }
    bool isEmpty() const override { return false; }

    // The source text a document was set from, and whether as plain text.
    bool documentSource(const QTextDocument &document, QString *source, bool *plain) const
    {
        static const QRegularExpression marked(QStringLiteral("^\u0001(\\d+)\u0001"));
        const QString text = document.toPlainText();
        const QRegularExpressionMatch match = marked.match(text);
        const int index = match.hasMatch() ? match.captured(1).toInt() : -1;
        if (index < 0 || index >= m_sources.size())
            return false;
        *source = m_sources.at(index);
        *plain = text.midRef(match.capturedLength()) == *source;
        return true;
    }

private:
    mutable QStringList m_sources;
};

// Which texts of a form go through the translator.
struct TranslatedTexts {
    QSet<QString> keys; // object name / property
    // Object name to the document text it was set from, which the document
    // does not give back as it was: an empty document has no text at all.
    QHash<QString, UiProperty> documents;
};

TranslatedTexts translatedTexts(const BuiltForm &form)
{
    MarkingTranslator marker;
    QCoreApplication::installTranslator(&marker);
    const BuiltForm probe(form.form(), form.entry());
    QCoreApplication::removeTranslator(&marker);
    TranslatedTexts translated;
    QList<QObject *> objects = probe.root()->findChildren<QObject *>();
    objects.prepend(probe.root());
    for (const QObject *object : qAsConst(objects)) {
        if (const auto *document = object->property("document").value<QTextDocument *>()) {
            UiProperty text;
            QString source;
            bool plain = false;
            if (marker.documentSource(*document, &source, &plain)) {
                text.value = source;
                text.name = plain ? QStringLiteral("plainText") : QStringLiteral("html");
                text.translatable = true;
                translated.documents.insert(object->objectName(), text);
                translated.keys.insert(translationKey(object->objectName(), text.name));
            }
        }
        const QMetaObject *metaObject = object->metaObject();
        for (int i = 0; i < metaObject->propertyCount(); ++i) {
            const QMetaProperty property = metaObject->property(i);
            if (property.userType() == QMetaType::QString
                && !UiPropertyFilter::isDocumentText(*object, QLatin1String(property.name()))
                && property.read(object).toString().startsWith(MarkingTranslator::mark()))
                translated.keys.insert(translationKey(object->objectName(), QLatin1String(property.name())));
        }
        for (const QByteArray &name : object->dynamicPropertyNames()) {
            if (object->property(name).toString().startsWith(MarkingTranslator::mark()))
                translated.keys.insert(translationKey(object->objectName(), QString::fromLatin1(name)));
        }
    }
    return translated;
}

// Which texts retranslateUi sets at all, translated or not: every text of a
// built form is overwritten with a mark, and a language change tells.
QSet<QString> retranslatedTexts(const BuiltForm &form)
{
    BuiltForm probe(form.form(), form.entry());
    const QString mark = QStringLiteral("\u0002");
    // Fields only: a control may remake its inner widgets when a text changes.
    QList<QPointer<QObject>> objects;
    objects.append(probe.root());
    for (QObject *child : probe.root()->findChildren<QObject *>()) {
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
            objects.append(child);
    }
    QVector<QPair<QPointer<QObject>, QMetaProperty>> texts;
    for (const QPointer<QObject> &object : qAsConst(objects)) {
        if (!object)
            continue;
        const QMetaObject *metaObject = object->metaObject();
        for (int i = 0; i < metaObject->propertyCount(); ++i) {
            const QMetaProperty property = metaObject->property(i);
            if (property.userType() != QMetaType::QString || !property.isWritable()
                || !UiPropertyFilter::isTranslatableText(property.name())
                || UiPropertyFilter::isDocumentText(*object, QLatin1String(property.name())))
                continue;
            property.write(object, mark);
            texts.append({object, property});
        }
    }
    probe.retranslate();
    QSet<QString> retranslated;
    for (const auto &text : qAsConst(texts)) {
        if (text.first && text.second.read(text.first).toString() != mark)
            retranslated.insert(translationKey(text.first->objectName(), QLatin1String(text.second.name())));
    }
    return retranslated;
}

// Walks the built tree as a .ui file nests it: widgets, their layouts with
// the items in them, the field widgets no layout holds. What each object
// writes is chosen by UiPropertyFilter and spelled by UiValueWriter.
class UiTreeWriter
{
public:
    UiTreeWriter(QXmlStreamWriter &xml, const ImageIndex &images, ReferenceObjects &references, QStringList &omissions,
                 UiExporter::Content content, const TranslationTemplate *translations, const QStringList &recordFields,
                 const TranslatedTexts &translated, const QSet<QString> &retranslated)
        : m_xml(xml)
        , m_recordFields(recordFields)
        , m_translated(translated)
        , m_retranslated(retranslated)
        , m_values(xml, images, omissions)
        , m_references(references)
        , m_omissions(omissions)
        , m_skeleton(content == UiExporter::Content::Skeleton)
        , m_translations(m_skeleton ? nullptr : translations)
    {
    }

    void write(const BuiltForm &form)
    {
        const FormCensus census(form);
        m_census = &census;
        const QString className = QString::fromLatin1(form.entry().name);
        m_xml.writeStartElement(QStringLiteral("ui"));
        m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
        if (m_translations) {
            // Designer shows it as the form's comment.
            const QString description = m_translations->formDescription(className);
            if (!description.isEmpty())
                m_xml.writeTextElement(QStringLiteral("comment"), description);
            m_values.setTranslationTemplate(m_translations, className);
        }
        m_xml.writeTextElement(QStringLiteral("class"), className);
        writeRoot(*form.root());
        m_customWidgets.write(m_xml);
        m_xml.writeEmptyElement(QStringLiteral("resources"));
        m_xml.writeEmptyElement(QStringLiteral("connections"));
        m_xml.writeEndElement();
        m_census = nullptr;
    }

private:
    // The root is no field, though it is in the census.
    bool isField(const void *pointer) const { return pointer != m_census->root() && m_census->isField(pointer); }

    // A text is translated where the form set it through the translator,
    // which a build under a marking translator shows.
    void writeProperties(const QObject &owner, QVector<UiProperty> properties)
    {
        for (UiProperty &property : properties) {
            if (property.value.userType() == QMetaType::QString)
                property.translatable = m_translated.keys.contains(translationKey(owner.objectName(), property.name));
            m_values.writeProperty(property);
        }
    }

    void writeRoot(QWidget &root)
    {
        m_xml.writeStartElement(QStringLiteral("widget"));
        m_xml.writeAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
        m_xml.writeAttribute(QStringLiteral("name"), root.objectName());
        m_values.writeRectProperty(QStringLiteral("geometry"), QRect(0, 0, root.width(), root.height()));
        if (m_skeleton) {
            writeChildren(root);
            m_xml.writeEndElement();
            return;
        }
        writeProperties(root,
                        UiPropertyFilter::changedProperties(root, m_references.freshRoot(),
                                                            QWidget::staticMetaObject.propertyCount()));
        writeFontAndPalette(root);
        // The empty title a form still passes through the translator is written too.
        const bool titleTranslated =
            m_translated.keys.contains(translationKey(root.objectName(), QStringLiteral("windowTitle")));
        if (!root.windowTitle().isEmpty() || titleTranslated)
            m_values.writeProperty(QStringLiteral("windowTitle"), root.windowTitle(), titleTranslated, false);
        else
            writeClearedTexts(root, {});
        writeProperties(root, UiPropertyFilter::dynamicProperties(root));
        writeChildren(root);
        m_xml.writeEndElement();
    }

    void writeWidget(QWidget &widget)
    {
        const QMetaObject *metaObject = widget.metaObject();
        m_customWidgets.note(metaObject);
        m_xml.writeStartElement(QStringLiteral("widget"));
        m_xml.writeAttribute(QStringLiteral("class"), QString::fromLatin1(metaObject->className()));
        m_xml.writeAttribute(QStringLiteral("name"), widget.objectName());
        if (widget.testAttribute(Qt::WA_Moved) || widget.testAttribute(Qt::WA_Resized))
            m_values.writeRectProperty(QStringLiteral("geometry"), widget.geometry());
        if (m_skeleton) {
            writeChildren(widget);
            m_xml.writeEndElement();
            return;
        }
        // A document's text comes after the font, as the form sets it: the
        // font changes how the document spells its formats.
        QVector<UiProperty> properties = UiPropertyFilter::changedProperties(
            widget, m_references.referenceFor(metaObject), metaObject->propertyCount());
        QVector<UiProperty> documentText;
        for (auto it = properties.begin(); it != properties.end();) {
            if (UiPropertyFilter::isDocumentText(widget, it->name)) {
                documentText.append(*it);
                it = properties.erase(it);
            } else {
                ++it;
            }
        }
        writeProperties(widget, properties);
        writeClearedTexts(widget, properties);
        writeTopLevelData(widget, properties);
        writeFontAndPalette(widget);
        const auto translatedDocument = m_translated.documents.constFind(widget.objectName());
        if (translatedDocument != m_translated.documents.cend()) {
            documentText = {*translatedDocument};
        } else {
            for (UiProperty &text : documentText) {
                if (text.name == QLatin1String("html"))
                    text.value = withoutWidgetFont(text.value.toString());
            }
        }
        writeProperties(widget, documentText);
        if (widget.isHidden() && widget.testAttribute(Qt::WA_WState_ExplicitShowHide))
            m_values.writeProperty(QStringLiteral("visible"), false, false, false);
        writeProperties(widget, UiPropertyFilter::dynamicProperties(widget));
        if (auto *label = qobject_cast<QLabel *>(&widget))
            writeBuddy(*label);
        writeChildren(widget);
        m_xml.writeEndElement();
    }

    // Texts a language change empties without the translator: in a Designer
    // form, an empty text that is not translated. (An empty text that is
    // translated goes through the translator.)
    void writeClearedTexts(const QWidget &widget, const QVector<UiProperty> &written)
    {
        const QMetaObject *metaObject = widget.metaObject();
        for (int i = 0; i < metaObject->propertyCount(); ++i) {
            const QString name = QLatin1String(metaObject->property(i).name());
            if (!m_retranslated.contains(translationKey(widget.objectName(), name))
                || m_translated.keys.contains(translationKey(widget.objectName(), name))
                || std::any_of(written.cbegin(), written.cend(), [&](const UiProperty &p) { return p.name == name; }))
                continue;
            m_values.writeProperty(name, QString(), false, false);
        }
    }

    // A widget that was ever a window, or was given a window's settings, keeps
    // window data that shows in its normal geometry. A size increment, even the
    // default one, makes it; a form that makes the widget without a parent has
    // it anyway.
    void writeTopLevelData(const QWidget &widget, const QVector<UiProperty> &written)
    {
        if (widget.isWindow() || widget.normalGeometry().isNull())
            return;
        for (const UiProperty &property : written) {
            if (property.name == QLatin1String("sizeIncrement") || property.name == QLatin1String("baseSize"))
                return;
        }
        m_values.writeProperty(QStringLiteral("sizeIncrement"), widget.sizeIncrement(), false, false);
    }

    // Qt writes the document's default font, which is the widget's, into the
    // body's style; read back, it would fix the font of every fragment. The
    // widget's font is the form's font property.
    static QString withoutWidgetFont(QString html)
    {
        static const QRegularExpression body(QStringLiteral("<body style=\"([^\"]*)\">"));
        static const QRegularExpression font(QStringLiteral(" font-(family|size):[^;]*;"));
        const QRegularExpressionMatch match = body.match(html);
        if (match.hasMatch()) {
            QString style = match.captured(1);
            style.remove(font);
            html.replace(match.capturedStart(1), match.capturedLength(1), style);
        }
        return html;
    }

    void writeFontAndPalette(const QWidget &widget)
    {
        if (widget.testAttribute(Qt::WA_SetFont))
            m_values.writeFontProperty(widget.font());
        if (widget.testAttribute(Qt::WA_SetPalette))
            m_values.writePaletteProperty(widget.palette());
    }

    void writeBuddy(const QLabel &label)
    {
        QWidget *buddy = label.buddy();
        if (!buddy)
            return;
        if (!isField(buddy)) {
            m_omissions.append(
                QStringLiteral("%1: a buddy that is none of the form's objects").arg(label.objectName()));
            return;
        }
        m_values.startProperty(QStringLiteral("buddy"), false);
        m_xml.writeTextElement(QStringLiteral("cstring"), buddy->objectName());
        m_xml.writeEndElement();
    }

    // uic stacks children in the order it creates them; where the form raised
    // some, <zorder> (raise() in uic's code) restores the form's order.
    void writeStacking(const QWidget &parent, const QList<QWidget *> &created)
    {
        QList<QWidget *> createdHere;
        for (QWidget *child : created) {
            if (child->parentWidget() == &parent)
                createdHere.append(child);
        }
        const QList<QWidget *> stacked = m_census->stackedFields(parent);
        if (stacked == createdHere)
            return;
        for (const QWidget *child : stacked)
            m_xml.writeTextElement(QStringLiteral("zorder"), child->objectName());
    }

    // The widget's own layout with everything in it, then the field widgets
    // under it that no layout holds. A scroll area's content sits in the
    // area's viewport, which no field holds.
    void writeChildren(QWidget &widget)
    {
        QList<QWidget *> created;
        QLayout *layout = widget.layout();
        if (layout && isField(static_cast<QObject *>(layout))) {
            collectLaidOut(*layout, created);
            writeLayout(*layout);
        }
        const int laidOut = created.size();
        for (QWidget *child : fieldChildren(widget)) {
            if (!created.mid(0, laidOut).contains(child)) {
                created.append(child);
                writeWidget(*child);
            }
        }
        if (!m_skeleton)
            writeStacking(widget, created);
    }

    QList<QWidget *> fieldChildren(QWidget &widget) const
    {
        // uic adds a stack's pages in the order written; the stack has
        // raised its current page since.
        if (auto *stack = qobject_cast<QStackedWidget *>(&widget)) {
            QList<QWidget *> pages;
            for (int i = 0; i < stack->count(); ++i) {
                if (isField(stack->widget(i)))
                    pages.append(stack->widget(i));
            }
            return pages;
        }
        QList<QWidget *> children;
        for (QObject *child : widget.children()) {
            auto *childWidget = qobject_cast<QWidget *>(child);
            if (!childWidget)
                continue;
            if (isField(childWidget))
                children.append(childWidget);
            else if (!childWidget->isWindow())
                children += fieldChildren(*childWidget); // an area's viewport
        }
        return children;
    }

    // The widgets in layout and its nested layouts, in item order.
    static void collectLaidOut(QLayout &layout, QList<QWidget *> &laidOut)
    {
        for (int i = 0; i < layout.count(); ++i) {
            QLayoutItem *item = layout.itemAt(i);
            if (item->widget())
                laidOut.append(item->widget());
            else if (item->layout())
                collectLaidOut(*item->layout(), laidOut);
        }
    }

    void writeLayout(QLayout &layout)
    {
        m_xml.writeStartElement(QStringLiteral("layout"));
        m_xml.writeAttribute(QStringLiteral("class"), QString::fromLatin1(layout.metaObject()->className()));
        m_xml.writeAttribute(QStringLiteral("name"), layout.objectName());
        const FormCensus::LayoutKind kind = FormCensus::kindOf(layout);
        if (!m_skeleton) {
            writeStretchAttributes(layout);
            writeLayoutProperties(layout);
        }
        for (const FormCensus::LayoutItem &item : FormCensus::itemsOf(layout)) {
            m_xml.writeStartElement(QStringLiteral("item"));
            if (kind == FormCensus::LayoutKind::Grid) {
                writeCell(item.row, item.column, item.rowSpan, item.columnSpan);
            } else if (kind == FormCensus::LayoutKind::Form) {
                writeCell(item.row, item.role == QFormLayout::FieldRole ? 1 : 0, 1,
                          item.role == QFormLayout::SpanningRole ? 2 : 1);
            }
            writeItem(*item.item);
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    // Written from the layout itself, whatever the reference has.
    static bool isLayoutSpacing(const QString &name)
    {
        return name == QLatin1String("spacing") || name == QLatin1String("horizontalSpacing")
            || name == QLatin1String("verticalSpacing") || name == QLatin1String("sizeConstraint")
            || name == QLatin1String("margin") || name == QLatin1String("contentsMargins");
    }

    // Stretch factors and minimum sizes, as comma-separated lists where any is set.
    void writeStretchAttributes(QLayout &layout)
    {
        const auto list = [this](const char *attribute, int count, const std::function<int(int)> &value) {
            QStringList values;
            bool any = false;
            for (int i = 0; i < count; ++i) {
                values.append(QString::number(value(i)));
                any = any || value(i) != 0;
            }
            if (any)
                m_xml.writeAttribute(QString::fromLatin1(attribute), values.join(QLatin1Char(',')));
        };
        if (auto *box = qobject_cast<QBoxLayout *>(&layout)) {
            list("stretch", box->count(), [box](int i) { return box->stretch(i); });
        } else if (auto *grid = qobject_cast<QGridLayout *>(&layout)) {
            list("rowstretch", grid->rowCount(), [grid](int i) { return grid->rowStretch(i); });
            list("columnstretch", grid->columnCount(), [grid](int i) { return grid->columnStretch(i); });
            list("rowminimumheight", grid->rowCount(), [grid](int i) { return grid->rowMinimumHeight(i); });
            list("columnminimumwidth", grid->columnCount(), [grid](int i) { return grid->columnMinimumWidth(i); });
        }
    }

    void writeLayoutProperties(QLayout &layout)
    {
        auto *grid = qobject_cast<QGridLayout *>(&layout);
        auto *form = qobject_cast<QFormLayout *>(&layout);
        if (grid || form) {
            m_values.writeProperty(QStringLiteral("horizontalSpacing"),
                                   grid ? grid->horizontalSpacing() : form->horizontalSpacing(), false, false);
            m_values.writeProperty(QStringLiteral("verticalSpacing"),
                                   grid ? grid->verticalSpacing() : form->verticalSpacing(), false, false);
        } else {
            m_values.writeProperty(QStringLiteral("spacing"), layout.spacing(), false, false);
        }
        for (const UiProperty &property : UiPropertyFilter::changedProperties(
                 layout, m_references.referenceFor(layout.metaObject()), layout.metaObject()->propertyCount())) {
            if (!isLayoutSpacing(property.name))
                m_values.writeProperty(property);
        }
        const QMargins margins = layout.contentsMargins();
        m_values.writeProperty(QStringLiteral("leftMargin"), margins.left(), false, false);
        m_values.writeProperty(QStringLiteral("topMargin"), margins.top(), false, false);
        m_values.writeProperty(QStringLiteral("rightMargin"), margins.right(), false, false);
        m_values.writeProperty(QStringLiteral("bottomMargin"), margins.bottom(), false, false);
        if (layout.sizeConstraint() != QLayout::SetDefaultConstraint) {
            m_values.startProperty(QStringLiteral("sizeConstraint"), false);
            const QMetaEnum constraints = QMetaEnum::fromType<QLayout::SizeConstraint>();
            m_xml.writeTextElement(QStringLiteral("enum"),
                                   UiValueWriter::enumText(constraints, layout.sizeConstraint()));
            m_xml.writeEndElement();
        }
    }

    void writeCell(int row, int column, int rowSpan, int columnSpan)
    {
        m_xml.writeAttribute(QStringLiteral("row"), QString::number(row));
        m_xml.writeAttribute(QStringLiteral("column"), QString::number(column));
        if (rowSpan != 1)
            m_xml.writeAttribute(QStringLiteral("rowspan"), QString::number(rowSpan));
        if (columnSpan != 1)
            m_xml.writeAttribute(QStringLiteral("colspan"), QString::number(columnSpan));
    }

    void writeItem(QLayoutItem &item)
    {
        if (QWidget *widget = item.widget())
            writeWidget(*widget);
        else if (QLayout *layout = item.layout())
            writeLayout(*layout);
        else if (QSpacerItem *spacer = item.spacerItem())
            writeSpacer(*spacer);
    }

    // Designer spacers stretch along one direction and keep Minimum across it.
    void writeSpacer(QSpacerItem &spacer)
    {
        const QSizePolicy policy = spacer.sizePolicy();
        const bool vertical =
            policy.horizontalPolicy() == QSizePolicy::Minimum && policy.verticalPolicy() != QSizePolicy::Minimum;
        const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
        const int index = m_census->fieldIndexOf(&spacer);
        m_xml.writeStartElement(QStringLiteral("spacer"));
        m_xml.writeAttribute(QStringLiteral("name"), spacerName(index));
        m_values.startProperty(QStringLiteral("orientation"), false);
        m_xml.writeTextElement(QStringLiteral("enum"),
                               vertical ? QStringLiteral("Qt::Vertical") : QStringLiteral("Qt::Horizontal"));
        m_xml.writeEndElement();
        m_values.startProperty(QStringLiteral("sizeType"), false);
        const QSizePolicy::Policy along = vertical ? policy.verticalPolicy() : policy.horizontalPolicy();
        m_xml.writeTextElement(QStringLiteral("enum"), UiValueWriter::enumText(policies, along));
        m_xml.writeEndElement();
        m_values.startProperty(QStringLiteral("sizeHint"), true);
        m_values.writeSize(spacer.sizeHint());
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        const QSizePolicy::Policy across = vertical ? policy.horizontalPolicy() : policy.verticalPolicy();
        if (across != QSizePolicy::Minimum)
            m_omissions.append(QStringLiteral("spacer %1: size policy %2 across its direction")
                                   .arg(index)
                                   .arg(QString::fromLatin1(policies.valueToKey(across))));
    }

public:
    QStringList guessedSpacers;

private:
    QString spacerName(int index)
    {
        const QString field = m_recordFields.value(index);
        if (!field.isEmpty())
            return field;
        const QString numbered = index >= 0 ? QStringLiteral("spacer_%1").arg(index) : QStringLiteral("spacer");
        guessedSpacers.append(numbered);
        return numbered;
    }

    QXmlStreamWriter &m_xml;
    const QStringList &m_recordFields;
    const TranslatedTexts &m_translated;
    const QSet<QString> &m_retranslated;
    UiValueWriter m_values;
    ReferenceObjects &m_references;
    QStringList &m_omissions;
    const bool m_skeleton;
    const TranslationTemplate *const m_translations;
    const FormCensus *m_census = nullptr;
    UiCustomWidgets m_customWidgets;
};

} // namespace

UiExporter::UiExporter(const ImageIndex &images, Content content)
    : m_images(images)
    , m_content(content)
{
}

UiExporter::~UiExporter() = default;

QByteArray UiExporter::exportForm(const BuiltForm &form)
{
    m_omissions.clear();
    m_notes.clear();
    const QString className = QString::fromLatin1(form.entry().name);
    QStringList recordFields;
    const QString header = findUiRecordHeader(className, m_recordFolders);
    QFile headerFile(header);
    if (!header.isEmpty() && headerFile.open(QIODevice::ReadOnly))
        recordFields = uiRecordFields(QString::fromUtf8(headerFile.readAll()), className);
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    const bool complete = m_content == Content::Complete;
    const TranslatedTexts translated = complete ? translatedTexts(form) : TranslatedTexts();
    const QSet<QString> retranslated = complete ? retranslatedTexts(form) : QSet<QString>();
    UiTreeWriter writer(xml, m_images, m_references, m_omissions, m_content, m_translations, recordFields, translated,
                        retranslated);
    writer.write(form);
    xml.writeEndDocument();
    if (!writer.guessedSpacers.isEmpty())
        m_notes.append(QStringLiteral("no Ui-record header names its spacers; they are called %1")
                           .arg(writer.guessedSpacers.join(QLatin1String(", "))));
    return bytes;
}

} // namespace quarn::layouttool

namespace quarn::layouttool {

bool writeUiFile(UiExporter &exporter, const BuiltForm &form, const QString &file, QTextStream &errors)
{
    const QByteArray bytes = exporter.exportForm(form);
    // A .ui file that loses a setting would pass for the form: write none.
    for (const QString &omission : exporter.omissions())
        errors << "quarn-layout: " << form.entry().name << ": cannot express " << omission << '\n';
    if (!exporter.omissions().isEmpty())
        return false;
    // Unchanged text keeps the file's time, so nothing built from it reruns.
    QFile existing(file);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

} // namespace quarn::layouttool
