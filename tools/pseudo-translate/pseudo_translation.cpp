#include "pseudo_translation.h"

#include <QDomDocument>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace quarn::translations {
namespace {

const QHash<QChar, QChar> &accented()
{
    static const QHash<QChar, QChar> map = [] {
        const QString plain = QStringLiteral("AaCcEeIiNnOoUuYySsZzGgLlRrTtDdHhKkJjWw");
        const QString marked = QStringLiteral("ÅáÇçÉéÎíÑñÖöÜüÝýŠšŽžĞğĹĺŔŕŢţĎďĤĥĶķĴĵŴŵ");
        QHash<QChar, QChar> result;
        for (int i = 0; i < plain.size(); ++i)
            result.insert(plain.at(i), marked.at(i));
        return result;
    }();
    return map;
}

} // namespace

QString pseudoTranslated(const QString &source)
{
    if (source.isEmpty())
        return source;
    QString text;
    text.reserve(source.size() * 2);
    for (const QChar c : source)
        text.append(accented().value(c, c));
    // Brackets count towards the growth; the rest is padding.
    const int wanted = int(std::ceil(source.size() * 1.4));
    const int padding = qMax(0, wanted - source.size() - 2);
    return QLatin1Char('[') + text + QString(padding, QChar(0x00B7)) + QLatin1Char(']');
}

bool isStyleSheet(const QString &source)
{
    static const QRegularExpression declaration(QStringLiteral("^\\s*[a-z-]+\\s*:[^;]*;"));
    return source.contains(QLatin1Char('{')) || declaration.match(source).hasMatch();
}

bool isResourcePath(const QString &source)
{
    return source.startsWith(QLatin1String(":/"));
}

// QDomDocument writes attributes in hash order, which changes from run to
// run; the file in the tree should change only with its texts.
QByteArray withStableRootTag(const QByteArray &ts, const QDomNamedNodeMap &attributes)
{
    static const QStringList first = {QStringLiteral("version"), QStringLiteral("language"),
                                      QStringLiteral("sourcelanguage")};
    QStringList names;
    for (int i = 0; i < attributes.size(); ++i)
        names.append(attributes.item(i).nodeName());
    std::sort(names.begin(), names.end(), [&](const QString &a, const QString &b) {
        const auto rank = [&](const QString &name) { return first.contains(name) ? first.indexOf(name) : 3; };
        return rank(a) != rank(b) ? rank(a) < rank(b) : a < b;
    });
    QString tag = QStringLiteral("<TS");
    for (const QString &name : qAsConst(names))
        tag += QStringLiteral(" %1=\"%2\"").arg(name, attributes.namedItem(name).nodeValue().toHtmlEscaped());
    tag += QLatin1Char('>');
    QString text = QString::fromUtf8(ts);
    static const QRegularExpression rootTag(QStringLiteral("<TS(\\s[^>]*)?>"));
    const QRegularExpressionMatch match = rootTag.match(text);
    if (match.hasMatch())
        text.replace(match.capturedStart(), match.capturedLength(), tag);
    return text.toUtf8();
}

QByteArray pseudoTranslatedTs(const QByteArray &ts, QString *error)
{
    QDomDocument document;
    QString parseError;
    int line = 0;
    if (!document.setContent(ts, &parseError, &line)) {
        *error = QStringLiteral("line %1: %2").arg(line).arg(parseError);
        return QByteArray();
    }
    QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("TS")) {
        *error = QStringLiteral("not a Qt translation source (no <TS> element)");
        return QByteArray();
    }
    root.setAttribute(QStringLiteral("language"), QStringLiteral("en"));

    const QDomNodeList messages = document.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.size(); ++i) {
        QDomElement message = messages.at(i).toElement();
        const QString source = message.firstChildElement(QStringLiteral("source")).text();
        QDomElement translation = message.firstChildElement(QStringLiteral("translation"));
        if (translation.isNull())
            translation = message.appendChild(document.createElement(QStringLiteral("translation"))).toElement();
        translation.removeAttribute(QStringLiteral("type"));
        while (translation.hasChildNodes())
            translation.removeChild(translation.firstChild());
        translation.appendChild(document.createTextNode(
            isStyleSheet(source) || isResourcePath(source) ? source : pseudoTranslated(source)));
    }
    return withStableRootTag(document.toByteArray(4), root.attributes());
}

} // namespace quarn::translations
