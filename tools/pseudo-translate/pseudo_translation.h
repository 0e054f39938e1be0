#pragma once

#include <QByteArray>
#include <QString>

namespace quarn::translations {

// The text as a pseudo-translation shows it: every letter accented and the
// whole about 40 % longer, in brackets, so that cut-off texts and texts that
// bypass the translator stand out on screen.
QString pseudoTranslated(const QString &source);

// Style sheets travel through the translator too; they must stay intact.
bool isStyleSheet(const QString &source);

// The pseudo-translation of a whole .ts file: every message translated with
// pseudoTranslated (style sheets as they are) and marked finished. Empty with
// an error when the file is not a .ts document.
QByteArray pseudoTranslatedTs(const QByteArray &ts, QString *error);

} // namespace quarn::translations
