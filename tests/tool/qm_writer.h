#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A compiled translation file (.qm) in the form QTranslator reads, written
// here because the test machines need not have lrelease.
struct TranslatedMessage {
    QByteArray context;
    QByteArray sourceText;
    QString translation;
};

QByteArray compiledTranslations(const QList<TranslatedMessage> &messages);
