#include "export/ui_export.h"

#include "form_census.h"
#include "common/form_host.h"
#include "export/translated_texts.h"
#include "uiform/custom_widgets.h"
#include "uiform/kept_settings.h"
#include "uiform/property_filter.h"
#include "uiform/record_fields.h"
#include "uiform/translation_template.h"
#include "uiform/ui_model.h"
#include "uiform/ui_values.h"

#include "core/construction/window_data.h"

#include <QBoxLayout>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollArea>
#include <QSizePolicy>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextStream>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace quarn::layouttool {

namespace {

using harness::FormCensus;
using Kind = UiValue::Kind;

// Fills the model from the built tree as a .ui file nests it: widgets, their
// layouts with the items in them, the field widgets no layout holds. What
// each object holds is chosen by UiPropertyFilter and converted by
// UiValueConverter.
class UiTreeReader
{
public:
    UiTreeReader(const ImageIndex &images, ReferenceObjects &references, QStringList &omissions,
                 UiExporter::Content content, const TranslationTemplate *translations, const QStringList &recordFields,
                 const TranslatedTexts &translated, const QSet<QString> &retranslated)
        : m_recordFields(recordFields)
        , m_translated(translated)
        , m_retranslated(retranslated)
        , m_values(images, omissions)
        , m_references(references)
        , m_omissions(omissions)
        , m_skeleton(content == UiExporter::Content::Skeleton)
        , m_translations(m_skeleton ? nullptr : translations)
    {
    }

    void read(const BuiltForm &form, UiForm &model)
    {
        const FormCensus census(form);
        m_census = &census;
        model.className = QString::fromLatin1(form.entry().name);
        if (m_translations) {
            // Designer shows it as the form's comment.
            model.comment = m_translations->formDescription(model.className);
            m_values.setTranslationTemplate(m_translations, model.className);
        }
        model.root = readRoot(*form.root());
        model.customWidgets = m_customWidgets.declarations();
        m_census = nullptr;
    }

    QStringList guessedSpacers;

private:
    // The root is no field, though it is in the census.
    bool isField(const void *pointer) const { return pointer != m_census->root() && m_census->isField(pointer); }

    // A text is translated where the form set it through the translator,
    // which a build under a marking translator shows.
    void add(UiWidget &widget, QVector<ObjectProperty> properties)
    {
        for (ObjectProperty &property : properties) {
            if (property.value.userType() == QMetaType::QString)
                property.translatable = m_translated.keys.contains(translationKey(widget.name, property.name));
            m_values.add(widget.properties, property);
        }
    }

    std::unique_ptr<UiWidget> readRoot(QWidget &root)
    {
        auto model = std::make_unique<UiWidget>();
        model->className = QStringLiteral("QWidget");
        model->name = root.objectName();
        model->properties.append({QStringLiteral("geometry"), false, UiValue::ofRect(root.rect()), 0});
        if (m_skeleton) {
            readChildren(root, *model);
            return model;
        }
        add(*model,
            UiPropertyFilter::changedProperties(root, m_references.freshRoot(),
                                                QWidget::staticMetaObject.propertyCount()));
        addFontAndPalette(root, *model);
        // The empty title a form still passes through the translator is written too.
        const bool titleTranslated =
            m_translated.keys.contains(translationKey(model->name, QStringLiteral("windowTitle")));
        if (!root.windowTitle().isEmpty() || titleTranslated)
            m_values.add(model->properties, QStringLiteral("windowTitle"), root.windowTitle(), titleTranslated, false);
        else
            addClearedTexts(root, *model, {});
        add(*model, UiPropertyFilter::dynamicProperties(root));
        readChildren(root, *model);
        return model;
    }

    // Designer takes a plain widget with a layout, placed freely, for the
    // layout's container and widens it to the layout's minimum size as soon
    // as it lays it out; a form's containers are often narrower. Marked as a
    // plain widget of its own (native), it keeps the form's size there.
    static bool isLayoutContainer(const QWidget &widget)
    {
        const QWidget *parent = widget.parentWidget();
        return widget.metaObject() == &QWidget::staticMetaObject && widget.layout() && parent
            && !(parent->layout() && parent->layout()->indexOf(const_cast<QWidget *>(&widget)) >= 0);
    }

    std::unique_ptr<UiWidget> readWidget(QWidget &widget)
    {
        const QMetaObject *metaObject = widget.metaObject();
        m_customWidgets.note(metaObject);
        auto model = std::make_unique<UiWidget>();
        model->className = QString::fromLatin1(metaObject->className());
        model->name = widget.objectName();
        if (widget.testAttribute(Qt::WA_Moved) || widget.testAttribute(Qt::WA_Resized))
            model->properties.append({QStringLiteral("geometry"), false, UiValue::ofRect(widget.geometry()), 0});
        if (m_skeleton) {
            readChildren(widget, *model);
            return model;
        }
        model->native = isLayoutContainer(widget);
        // A document's text comes after the font, as the form sets it: the
        // font changes how the document spells its formats.
        QVector<ObjectProperty> properties = UiPropertyFilter::changedProperties(
            widget, m_references.referenceFor(metaObject), metaObject->propertyCount());
        QVector<ObjectProperty> documentText;
        for (auto it = properties.begin(); it != properties.end();) {
            if (UiPropertyFilter::isDocumentText(widget, it->name)) {
                documentText.append(*it);
                it = properties.erase(it);
            } else {
                ++it;
            }
        }
        add(*model, properties);
        addClearedTexts(widget, *model, properties);
        addTopLevelData(widget, *model, properties);
        addFontAndPalette(widget, *model);
        const auto translatedDocument = m_translated.documents.constFind(widget.objectName());
        if (translatedDocument != m_translated.documents.cend()) {
            ObjectProperty text;
            text.name = translatedDocument->property;
            text.value = translatedDocument->source;
            text.translatable = true;
            documentText = {text};
        } else {
            for (ObjectProperty &text : documentText) {
                if (text.name == QLatin1String("html"))
                    text.value = withoutBrowserHints(withoutWidgetFont(text.value.toString()), widget.font());
            }
        }
        add(*model, documentText);
        if (widget.isHidden() && widget.testAttribute(Qt::WA_WState_ExplicitShowHide))
            m_values.add(model->properties, QStringLiteral("visible"), false, false, false);
        add(*model, UiPropertyFilter::dynamicProperties(widget));
        addKeptSettings(widget, *model, documentText);
        if (auto *label = qobject_cast<QLabel *>(&widget))
            addBuddy(*label, *model);
        readChildren(widget, *model);
        return model;
    }

    // What Designer would not keep as the form has it, a second time (kept_settings.h).
    static void addKeptSettings(const QWidget &widget, UiWidget &model, const QVector<ObjectProperty> &documentText)
    {
        if (const UiProperty *geometry = model.property(QStringLiteral("geometry"));
            geometry && (isLaidOut(widget) || isResizedContent(widget))) {
            const UiValue rect = geometry->value;
            model.properties.append({QLatin1String(kKeptGeometry), true, rect, 0});
        }
        for (const ObjectProperty &text : documentText) {
            if (text.name == QLatin1String("html"))
                model.properties.append(
                    {QLatin1String(kKeptHtml), true, UiValue::ofString(text.value.toString(), true), 0});
        }
    }

    static bool isLaidOut(const QWidget &widget)
    {
        QWidget *parent = widget.parentWidget();
        if (!parent || !parent->layout())
            return false;
        QList<QWidget *> laidOut;
        collectLaidOut(*parent->layout(), laidOut);
        return laidOut.contains(const_cast<QWidget *>(&widget));
    }

    // The contents of a scroll area that sizes them to its viewport.
    static bool isResizedContent(const QWidget &widget)
    {
        const QWidget *viewport = widget.parentWidget();
        const auto *area = viewport ? qobject_cast<const QScrollArea *>(viewport->parentWidget()) : nullptr;
        return area && area->widget() == &widget && area->widgetResizable();
    }

    // Texts a language change empties without the translator: in a Designer
    // form, an empty text that is not translated. (An empty text that is
    // translated goes through the translator.)
    void addClearedTexts(const QWidget &widget, UiWidget &model, const QVector<ObjectProperty> &written)
    {
        const QMetaObject *metaObject = widget.metaObject();
        for (int i = 0; i < metaObject->propertyCount(); ++i) {
            const QString name = QLatin1String(metaObject->property(i).name());
            if (!m_retranslated.contains(translationKey(widget.objectName(), name))
                || m_translated.keys.contains(translationKey(widget.objectName(), name))
                || std::any_of(written.cbegin(), written.cend(),
                               [&](const ObjectProperty &p) { return p.name == name; }))
                continue;
            m_values.add(model.properties, name, QString(), false, false);
        }
    }

    // A widget that was ever a window, or was given a window's settings, keeps
    // window data: Qt 5 shows it in the normal geometry, and the forms mark it
    // (window_data.h) for Qt 6, which shows it for windows only. A size
    // increment, even the default one, makes that data.
    void addTopLevelData(const QWidget &widget, UiWidget &model, const QVector<ObjectProperty> &written)
    {
        const bool marked = widget.property(kWindowDataProperty).toBool() && !widget.geometry().isNull();
        if (widget.isWindow() || (widget.normalGeometry().isNull() && !marked))
            return;
        for (const ObjectProperty &property : written) {
            if (property.name == QLatin1String("sizeIncrement") || property.name == QLatin1String("baseSize"))
                return;
        }
        m_values.add(model.properties, QStringLiteral("sizeIncrement"), widget.sizeIncrement(), false, false);
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

    // Qt 6's rich-text writer adds a charset and style rules for browsers that
    // Qt reads past; without them both Qts write the same html. They go only
    // where the document read back stays the same.
    static QString withoutBrowserHints(const QString &html, const QFont &font)
    {
        static const QString hints[] = {
            QStringLiteral("<meta charset=\"utf-8\" />"),
            QStringLiteral("hr { height: 1px; border-width: 0; }\n"),
            QStringLiteral("li.unchecked::marker { content: \"\\2610\"; }\n"),
            QStringLiteral("li.checked::marker { content: \"\\2612\"; }\n"),
        };
        const int head = html.indexOf(QLatin1String("</head>"));
        if (head < 0)
            return html;
        QString stripped = html.left(head);
        for (const QString &hint : hints)
            stripped.remove(hint);
        stripped += html.mid(head);
        if (stripped.size() == html.size())
            return html;
        const auto documentHtml = [&font](const QString &text) {
            QTextDocument document;
            document.setDefaultFont(font);
            document.setHtml(text);
            return document.toHtml();
        };
        return documentHtml(stripped) == documentHtml(html) ? stripped : html;
    }

    void addFontAndPalette(const QWidget &widget, UiWidget &model)
    {
        if (widget.testAttribute(Qt::WA_SetFont))
            m_values.addFont(model.properties, widget.font());
        if (widget.testAttribute(Qt::WA_SetPalette))
            m_values.addPalette(model.properties, widget.palette());
    }

    void addBuddy(const QLabel &label, UiWidget &model)
    {
        QWidget *buddy = label.buddy();
        if (!buddy)
            return;
        if (!isField(buddy)) {
            m_omissions.append(
                QStringLiteral("%1: a buddy that is none of the form's objects").arg(label.objectName()));
            return;
        }
        model.properties.append(
            {QStringLiteral("buddy"), false, UiValue::ofText(Kind::CString, buddy->objectName()), 0});
    }

    // uic stacks children in the order it creates them; where the form raised
    // some, <zorder> (raise() in uic's code) restores the form's order.
    void addStacking(const QWidget &parent, const QList<QWidget *> &created, UiWidget &model)
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
            model.zorder.append(child->objectName());
    }

    // The widget's own layout with everything in it, then the field widgets
    // under it that no layout holds. A scroll area's content sits in the
    // area's viewport, which no field holds.
    void readChildren(QWidget &widget, UiWidget &model)
    {
        QList<QWidget *> created;
        QLayout *layout = widget.layout();
        if (layout && isField(static_cast<QObject *>(layout))) {
            collectLaidOut(*layout, created);
            model.layout = readLayout(*layout);
        }
        const int laidOut = created.size();
        for (QWidget *child : fieldChildren(widget)) {
            if (!created.mid(0, laidOut).contains(child)) {
                created.append(child);
                model.children.push_back(readWidget(*child));
                model.children.back()->parent = &model;
            }
        }
        if (!m_skeleton)
            addStacking(widget, created, model);
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

    std::unique_ptr<UiLayout> readLayout(QLayout &layout)
    {
        auto model = std::make_unique<UiLayout>();
        model->className = QString::fromLatin1(layout.metaObject()->className());
        model->name = layout.objectName();
        const FormCensus::LayoutKind kind = FormCensus::kindOf(layout);
        if (!m_skeleton) {
            addStretchAttributes(layout, *model);
            addLayoutProperties(layout, *model);
        }
        for (const FormCensus::LayoutItem &item : FormCensus::itemsOf(layout)) {
            UiLayoutItem cell;
            if (kind == FormCensus::LayoutKind::Grid) {
                cell.row = item.row;
                cell.column = item.column;
                cell.rowSpan = item.rowSpan;
                cell.columnSpan = item.columnSpan;
            } else if (kind == FormCensus::LayoutKind::Form) {
                cell.row = item.row;
                cell.column = item.role == QFormLayout::FieldRole ? 1 : 0;
                cell.columnSpan = item.role == QFormLayout::SpanningRole ? 2 : 1;
            }
            if (QWidget *widget = item.item->widget())
                cell.widget = readWidget(*widget);
            else if (QLayout *inner = item.item->layout())
                cell.layout = readLayout(*inner);
            else if (QSpacerItem *spacer = item.item->spacerItem())
                cell.spacer = readSpacer(*spacer);
            model->items.push_back(std::move(cell));
        }
        return model;
    }

    // Written from the layout itself, whatever the reference has.
    static bool isLayoutSpacing(const QString &name)
    {
        return name == QLatin1String("spacing") || name == QLatin1String("horizontalSpacing")
            || name == QLatin1String("verticalSpacing") || name == QLatin1String("sizeConstraint")
            || name == QLatin1String("margin") || name == QLatin1String("contentsMargins");
    }

    // Stretch factors and minimum sizes, as comma-separated lists where any is set.
    static void addStretchAttributes(QLayout &layout, UiLayout &model)
    {
        const auto list = [&model](const char *attribute, int count, const std::function<int(int)> &value) {
            QStringList values;
            bool any = false;
            for (int i = 0; i < count; ++i) {
                values.append(QString::number(value(i)));
                any = any || value(i) != 0;
            }
            if (any)
                model.attributes.append({QString::fromLatin1(attribute), values.join(QLatin1Char(','))});
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

    void addLayoutProperties(QLayout &layout, UiLayout &model)
    {
        QVector<UiProperty> &properties = model.properties;
        const auto number = [&](const char *name, int value) {
            properties.append({QLatin1String(name), false, UiValue::ofNumber(value), 0});
        };
        auto *grid = qobject_cast<QGridLayout *>(&layout);
        auto *form = qobject_cast<QFormLayout *>(&layout);
        if (grid || form) {
            number("horizontalSpacing", grid ? grid->horizontalSpacing() : form->horizontalSpacing());
            number("verticalSpacing", grid ? grid->verticalSpacing() : form->verticalSpacing());
        } else {
            number("spacing", layout.spacing());
        }
        for (const ObjectProperty &property : UiPropertyFilter::changedProperties(
                 layout, m_references.referenceFor(layout.metaObject()), layout.metaObject()->propertyCount())) {
            if (!isLayoutSpacing(property.name))
                m_values.add(properties, property);
        }
        const QMargins margins = layout.contentsMargins();
        number("leftMargin", margins.left());
        number("topMargin", margins.top());
        number("rightMargin", margins.right());
        number("bottomMargin", margins.bottom());
        if (layout.sizeConstraint() != QLayout::SetDefaultConstraint)
            m_values.addEnum(properties, QStringLiteral("sizeConstraint"),
                             QMetaEnum::fromType<QLayout::SizeConstraint>(), layout.sizeConstraint(), false);
    }

    // Designer spacers stretch along one direction and keep Minimum across it.
    std::unique_ptr<UiSpacer> readSpacer(QSpacerItem &spacer)
    {
        const QSizePolicy policy = spacer.sizePolicy();
        const bool vertical =
            policy.horizontalPolicy() == QSizePolicy::Minimum && policy.verticalPolicy() != QSizePolicy::Minimum;
        const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
        const int index = m_census->fieldIndexOf(&spacer);
        auto model = std::make_unique<UiSpacer>();
        model->name = spacerName(index);
        model->properties.append(
            {QStringLiteral("orientation"), false,
             UiValue::ofText(Kind::Enum, vertical ? QStringLiteral("Qt::Vertical") : QStringLiteral("Qt::Horizontal")),
             0});
        const QSizePolicy::Policy along = vertical ? policy.verticalPolicy() : policy.horizontalPolicy();
        model->properties.append({QStringLiteral("sizeType"), false,
                                  UiValue::ofText(Kind::Enum, UiValueConverter::enumText(policies, along)), 0});
        model->properties.append({QStringLiteral("sizeHint"), true,
                                  UiValue::ofSize(spacer.sizeHint().width(), spacer.sizeHint().height()), 0});
        const QSizePolicy::Policy across = vertical ? policy.horizontalPolicy() : policy.verticalPolicy();
        if (across != QSizePolicy::Minimum)
            m_omissions.append(QStringLiteral("spacer %1: size policy %2 across its direction")
                                   .arg(index)
                                   .arg(QString::fromLatin1(policies.valueToKey(across))));
        return model;
    }

    QString spacerName(int index)
    {
        const QString field = m_recordFields.value(index);
        if (!field.isEmpty())
            return field;
        const QString numbered = index >= 0 ? QStringLiteral("spacer_%1").arg(index) : QStringLiteral("spacer");
        guessedSpacers.append(numbered);
        return numbered;
    }

    const QStringList &m_recordFields;
    const TranslatedTexts &m_translated;
    const QSet<QString> &m_retranslated;
    UiValueConverter m_values;
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

UiForm UiExporter::modelOf(const BuiltForm &form)
{
    m_omissions.clear();
    m_notes.clear();
    const QString className = QString::fromLatin1(form.entry().name);
    QStringList recordFields;
    const QString header = findUiRecordHeader(className, m_recordFolders);
    QFile headerFile(header);
    if (!header.isEmpty() && headerFile.open(QIODevice::ReadOnly))
        recordFields = uiRecordFields(QString::fromUtf8(headerFile.readAll()), className);
    const bool complete = m_content == Content::Complete;
    const TranslatedTexts translated = complete ? translatedTexts(form) : TranslatedTexts();
    const QSet<QString> retranslated = complete ? retranslatedTexts(form) : QSet<QString>();
    UiTreeReader reader(m_images, m_references, m_omissions, m_content, m_translations, recordFields, translated,
                        retranslated);
    UiForm model;
    reader.read(form, model);
    model.resources = m_resourceFiles;
    if (!reader.guessedSpacers.isEmpty())
        m_notes.append(QStringLiteral("no Ui-record header names its spacers; they are called %1")
                           .arg(reader.guessedSpacers.join(QLatin1String(", "))));
    return model;
}

QByteArray UiExporter::exportForm(const BuiltForm &form)
{
    return modelOf(form).write();
}

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
