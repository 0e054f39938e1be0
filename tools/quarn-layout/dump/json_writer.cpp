#include "dump/json_writer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace quarn::layouttool {

namespace {

class ReadableWriter
{
public:
    explicit ReadableWriter(const QStringList &keyOrder)
        : m_keyOrder(keyOrder)
    {
    }

    void write(const QJsonValue &value, int depth)
    {
        if (value.isObject())
            writeObject(value.toObject(), depth);
        else if (value.isArray())
            writeArray(value.toArray(), depth);
        else
            m_out += scalar(value);
    }

    QByteArray result() const { return m_out; }

private:
    static QByteArray scalar(const QJsonValue &value)
    {
        // Let Qt spell strings and numbers exactly as JSON wants them.
        const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        return wrapped.mid(1, wrapped.size() - 2);
    }

    void newline(int depth)
    {
        m_out += '\n';
        m_out += QByteArray(depth * 2, ' ');
    }

    QStringList orderedKeys(const QJsonObject &object) const
    {
        QStringList keys = object.keys();
        std::stable_sort(keys.begin(), keys.end(), [this](const QString &a, const QString &b) {
            const int rankA = rank(a);
            const int rankB = rank(b);
            return rankA != rankB ? rankA < rankB : a < b;
        });
        return keys;
    }

    int rank(const QString &key) const
    {
        const int index = m_keyOrder.indexOf(key);
        return index < 0 ? m_keyOrder.size() : index;
    }

    void writeObject(const QJsonObject &object, int depth)
    {
        if (object.isEmpty()) {
            m_out += "{}";
            return;
        }
        m_out += '{';
        bool first = true;
        for (const QString &key : orderedKeys(object)) {
            if (!first)
                m_out += ',';
            first = false;
            newline(depth + 1);
            m_out += scalar(key);
            m_out += ": ";
            write(object.value(key), depth + 1);
        }
        newline(depth);
        m_out += '}';
    }

    void writeArray(const QJsonArray &array, int depth)
    {
        const bool flat = std::none_of(array.begin(), array.end(),
                                       [](const QJsonValue &item) { return item.isArray() || item.isObject(); });
        if (flat) {
            m_out += '[';
            for (int i = 0; i < array.size(); ++i) {
                if (i > 0)
                    m_out += ", ";
                m_out += scalar(array.at(i));
            }
            m_out += ']';
            return;
        }
        m_out += '[';
        for (int i = 0; i < array.size(); ++i) {
            if (i > 0)
                m_out += ',';
            newline(depth + 1);
            write(array.at(i), depth + 1);
        }
        newline(depth);
        m_out += ']';
    }

    const QStringList &m_keyOrder;
    QByteArray m_out;
};

} // namespace

QByteArray toReadableJson(const QJsonValue &value, const QStringList &keyOrder)
{
    ReadableWriter writer(keyOrder);
    writer.write(value, 0);
    return writer.result() + '\n';
}

} // namespace quarn::layouttool
