#pragma once

// Which texts of a built form go through the translator, and which
// retranslateUi sets at all: found out by building the form again under a
// translator that marks every text it is asked for.

#include "uiform/ui_model.h"

#include <QHash>
#include <QSet>
#include <QString>

namespace quarn::harness {
class BuiltForm;
} // namespace quarn::harness

namespace quarn::layouttool {

// object name / property
QString translationKey(const QString &objectName, const QString &property);

struct TranslatedTexts {
    QSet<QString> keys; // translationKey of each translated text
    // Object name to the document text it was set from, which the document
    // does not give back as it was: an empty document has no text at all.
    // Its name is plainText or html, its value the source text.
    struct Document {
        QString property;
        QString source;
    };
    QHash<QString, Document> documents;
};

TranslatedTexts translatedTexts(const harness::BuiltForm &form);

// The translationKey of every text a language change sets, translated or not.
QSet<QString> retranslatedTexts(const harness::BuiltForm &form);

} // namespace quarn::layouttool
