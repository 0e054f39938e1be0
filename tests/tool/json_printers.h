#pragma once

// Lets test failures show JSON values as JSON text.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <ostream>

inline void PrintTo(const QJsonObject &object, std::ostream *out)
{
    *out << QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

inline void PrintTo(const QJsonArray &array, std::ostream *out)
{
    *out << QJsonDocument(array).toJson(QJsonDocument::Compact).toStdString();
}

inline void PrintTo(const QJsonValue &value, std::ostream *out)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    *out << wrapped.mid(1, wrapped.size() - 2).toStdString();
}
