#include "export/translated_texts.h"

#include "common/form_host.h"
#include "uiform/property_filter.h"

#include <QCoreApplication>
#include <QMetaProperty>
#include <QPointer>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTranslator>
#include <QWidget>

namespace quarn::layouttool {

using harness::BuiltForm;

QString translationKey(const QString &objectName, const QString &property)
{
    return objectName + QLatin1Char('/') + property;
}

namespace {

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
        *plain = QStringView(text).mid(match.capturedLength()) == *source;
        return true;
    }

private:
    mutable QStringList m_sources;
};

} // namespace

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
            QString source;
            bool plain = false;
            if (marker.documentSource(*document, &source, &plain)) {
                const QString name = plain ? QStringLiteral("plainText") : QStringLiteral("html");
                translated.documents.insert(object->objectName(), {name, source});
                translated.keys.insert(translationKey(object->objectName(), name));
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

} // namespace quarn::layouttool
