#pragma once

#include <QJsonObject>
#include <QString>

// Pages the tool writes, checked in a real headless browser: a probe script
// added to a copy of the page leaves JSON in <pre id="probe">, and the
// browser's dump of the document carries it back.

// A copy of page with script run before </body>, written beside the page as
// probe-<name> so that relative links hold; empty when it cannot be written.
QString pageWithProbe(const QString &page, const QString &script);

// Opens page (at #fragment) in headless chromium and returns the object its
// probe left; empty, with the reason in *error, when there is none.
QJsonObject browserProbe(const QString &page, QString *error, const QString &fragment = QString());
