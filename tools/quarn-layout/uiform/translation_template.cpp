#include "uiform/translation_template.h"

#include <QFile>
#include <QXmlStreamReader>

namespace quarn::layouttool {

namespace {

bool isElement(const QXmlStreamReader &xml, const char *name)
{
    return xml.name() == QLatin1String(name);
}

} // namespace

bool TranslationTemplate::load(const QString &file, QString *error)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        *error = input.errorString();
        return false;
    }
    return parse(input.readAll(), error);
}

bool TranslationTemplate::parse(const QByteArray &ts, QString *error)
{
    m_descriptions.clear();
    m_notes.clear();
    m_ambiguous.clear();
    QXmlStreamReader xml(ts);
    if (xml.readNextStartElement() && isElement(xml, "TS")) {
        while (xml.readNextStartElement()) {
            if (isElement(xml, "context"))
                readContext(xml);
            else
                xml.skipCurrentElement();
        }
    } else if (!xml.hasError()) {
        *error = QStringLiteral("not a Qt translation source (no <TS> element)");
        return false;
    }
    if (xml.hasError()) {
        *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

void TranslationTemplate::readContext(QXmlStreamReader &xml)
{
    QString context;
    while (xml.readNextStartElement()) {
        if (isElement(xml, "name"))
            context = xml.readElementText();
        else if (isElement(xml, "message"))
            readMessage(xml, context);
        else
            xml.skipCurrentElement();
    }
}

void TranslationTemplate::readMessage(QXmlStreamReader &xml, const QString &context)
{
    QString source, comment;
    TextNotes notes;
    while (xml.readNextStartElement()) {
        if (isElement(xml, "source"))
            source = xml.readElementText();
        else if (isElement(xml, "comment"))
            comment = xml.readElementText();
        else if (isElement(xml, "extracomment"))
            notes.extraComment = xml.readElementText();
        else
            xml.skipCurrentElement();
    }
    // lupdate keeps no empty texts: a message without one is the context's
    // TRANSLATOR comment.
    if (source.isEmpty()) {
        QString &description = m_descriptions[context];
        description += (description.isEmpty() ? QString() : QStringLiteral("\n")) + comment;
        return;
    }
    notes.disambiguation = comment;
    const Key key(context, source);
    if (m_notes.contains(key))
        m_ambiguous.insert(key);
    else
        m_notes.insert(key, notes);
}

TranslationTemplate::TextNotes TranslationTemplate::notesFor(const QString &context, const QString &source) const
{
    const Key key(context, source);
    return m_ambiguous.contains(key) ? TextNotes() : m_notes.value(key);
}

} // namespace quarn::layouttool
