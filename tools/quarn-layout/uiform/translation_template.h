#pragma once

#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>

class QXmlStreamReader;

namespace quarn::layouttool {

// What the translation template (the .ts lupdate makes from the forms'
// sources) knows about the forms that their built widgets do not: each
// form's description, the TRANSLATOR comment of its context, and per text
// the note for translators (//: in the source) and the disambiguation the
// form translates it with.
class TranslationTemplate
{
public:
    struct TextNotes {
        QString disambiguation;
        QString extraComment;
    };

    // False, with the reason in *error, when the file cannot be read or is no
    // Qt translation source.
    bool load(const QString &file, QString *error);
    bool parse(const QByteArray &ts, QString *error);

    QString formDescription(const QString &context) const { return m_descriptions.value(context); }
    // Empty where the text is not in the template, or is in it more than once
    // with different disambiguations, so that which is meant is unknown.
    TextNotes notesFor(const QString &context, const QString &source) const;

private:
    void readContext(QXmlStreamReader &xml);
    void readMessage(QXmlStreamReader &xml, const QString &context);

    using Key = QPair<QString, QString>; // context, source

    QHash<QString, QString> m_descriptions;
    QHash<Key, TextNotes> m_notes;
    QSet<Key> m_ambiguous;
};

} // namespace quarn::layouttool
