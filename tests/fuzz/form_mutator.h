#pragma once

// Mutations of a Designer form for the fuzz tests, from a seeded generator:
// the same seed makes the same cases.

#include <QByteArray>
#include <QDomDocument>
#include <QRegularExpression>
#include <QString>
#include <QVector>

#include <algorithm>
#include <functional>
#include <random>

namespace fuzz {

class Mutator
{
public:
    explicit Mutator(quint32 seed)
        : m_random(seed)
    {
    }
    // The deepest nesting a mutation makes.
    void setDeepest(int depth) { m_deepest = depth; }

    int below(int bound) { return bound <= 0 ? 0 : int(m_random() % quint32(bound)); }
    template <typename T>
    const T &pick(const QVector<T> &from)
    {
        return from.at(below(from.size()));
    }

    // One mutation of a form, and what it was.
    QByteArray mutate(const QByteArray &form, QString *what)
    {
        return below(3) == 0 ? mutateBytes(form, what) : mutateStructure(form, what);
    }

private:
    QByteArray mutateBytes(QByteArray bytes, QString *what)
    {
        const int at = below(bytes.size());
        switch (below(6)) {
        case 0:
            *what = QStringLiteral("truncated at %1").arg(at);
            return bytes.left(at);
        case 1: {
            const int flips = 1 + below(8);
            for (int i = 0; i < flips; ++i)
                bytes[below(bytes.size())] = char(bytes[below(bytes.size())] ^ (1 << below(8)));
            *what = QStringLiteral("%1 bit flips").arg(flips);
            return bytes;
        }
        case 2:
            *what = QStringLiteral("invalid UTF-8 at %1").arg(at);
            return bytes.insert(textPosition(bytes),
                                pick(QVector<QByteArray>{"\xC3\x28", "\xFF", "\xED\xA0\x80", "\xC0\xAF"}));
        case 3:
            *what = QStringLiteral("NUL character reference in a text");
            return bytes.insert(textPosition(bytes), "&#0;");
        case 4:
            *what = QStringLiteral("raw NUL byte");
            return bytes.insert(textPosition(bytes), QByteArray(1, '\0'));
        default: {
            // Entities, nested: the parser must neither expand them without
            // limit nor let them past.
            *what = QStringLiteral("internal entities");
            const int declaration = bytes.indexOf("<ui");
            if (declaration < 0)
                return bytes;
            bytes.insert(declaration,
                         "<!DOCTYPE ui [<!ENTITY a \"*/ struct Injected {}; /*\">"
                         "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                         "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>\n");
            return bytes.insert(textPosition(bytes), pick(QVector<QByteArray>{"&a;", "&c;"}));
        }
        }
    }

    int textPosition(const QByteArray &bytes)
    {
        // Just after a '>' that a text follows, where a value is.
        QVector<int> places;
        for (int i = 0; i + 1 < bytes.size(); ++i) {
            if (bytes.at(i) == '>' && bytes.at(i + 1) != '<' && bytes.at(i + 1) != '\n')
                places.append(i + 1);
        }
        return places.isEmpty() ? below(bytes.size()) : pick(places);
    }

    static QVector<QDomElement> elements(const QDomElement &top, const QString &tag = QString())
    {
        QVector<QDomElement> all;
        QVector<QDomElement> pending = {top};
        while (!pending.isEmpty()) {
            const QDomElement element = pending.takeLast();
            if (tag.isEmpty() || element.tagName() == tag)
                all.append(element);
            for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
                pending.append(child);
        }
        return all;
    }

    static QDomElement leafOf(const QVector<QDomElement> &all, const std::function<bool(const QDomElement &)> &fits,
                              Mutator &m)
    {
        QVector<QDomElement> leaves;
        for (const QDomElement &element : all) {
            if (fits(element))
                leaves.append(element);
        }
        return leaves.isEmpty() ? QDomElement() : m.pick(leaves);
    }

    static void setText(QDomElement element, const QString &text)
    {
        while (element.hasChildNodes())
            element.removeChild(element.firstChild());
        element.appendChild(element.ownerDocument().createTextNode(text));
    }

    QByteArray mutateStructure(const QByteArray &form, QString *what)
    {
        QDomDocument document;
        if (!document.setContent(form))
            return form;
        QDomElement top = document.documentElement();
        const QVector<QDomElement> all = elements(top);
        const QDomElement some = all.at(1 + below(all.size() - 1));
        const auto isLeaf = [](const QDomElement &e) { return e.firstChildElement().isNull() && !e.text().isEmpty(); };
        switch (below(9)) {
        case 0:
            *what = QStringLiteral("deleted <%1>").arg(some.tagName());
            some.parentNode().removeChild(some);
            break;
        case 1:
            *what = QStringLiteral("duplicated <%1>").arg(some.tagName());
            some.parentNode().insertAfter(some.cloneNode(true), some);
            break;
        case 2: {
            const QDomElement to = all.at(below(all.size()));
            *what = QStringLiteral("moved <%1> into <%2>").arg(some.tagName(), to.tagName());
            bool inside = false;
            for (QDomNode up = to; !up.isNull(); up = up.parentNode())
                inside = inside || up == some;
            if (!inside)
                QDomElement(to).appendChild(some);
            break;
        }
        case 3: {
            QVector<QDomElement> widgets = elements(top, QStringLiteral("widget"));
            QDomElement inner = pick(widgets);
            const int depth = std::min(m_deepest, pick(QVector<int>{100, 255, 300, 3000}));
            *what = QStringLiteral("%1 nested widgets").arg(depth);
            QDomElement outer = document.createElement(QStringLiteral("widget"));
            QDomElement innermost = outer;
            for (int i = 1; i < depth; ++i) {
                QDomElement next = document.createElement(QStringLiteral("widget"));
                next.setAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
                next.setAttribute(QStringLiteral("name"), QStringLiteral("nest%1").arg(i));
                innermost.appendChild(next);
                innermost = next;
            }
            outer.setAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
            outer.setAttribute(QStringLiteral("name"), QStringLiteral("nest0"));
            inner.appendChild(outer);
            break;
        }
        case 4: {
            // A value of another type, or one with a part missing.
            QVector<QDomElement> properties = elements(top, QStringLiteral("property"));
            if (properties.isEmpty())
                break;
            QDomElement property = pick(properties);
            const QString replacement = pick(
                QVector<QString>{QStringLiteral("<number>12</number>"), QStringLiteral("<bool>maybe</bool>"),
                                 QStringLiteral("<string>text</string>"), QStringLiteral("<rect><x>1</x></rect>"),
                                 QStringLiteral("<enum>QFrame::Bogus</enum>"), QStringLiteral("<set>Qt::Nope</set>"),
                                 QStringLiteral("<size><width>-5</width><height>3</height></size>"),
                                 QStringLiteral("<color><red>300</red><green>0</green><blue>0</blue></color>"),
                                 QStringLiteral("<cstring>x</cstring>"), QStringLiteral("<double>1e999</double>")});
            *what = QStringLiteral("property %1 given %2").arg(property.attribute(QStringLiteral("name")), replacement);
            QDomDocument value;
            value.setContent(replacement);
            while (property.hasChildNodes())
                property.removeChild(property.firstChild());
            property.appendChild(document.importNode(value.documentElement(), true));
            break;
        }
        case 5: {
            const QDomElement leaf = leafOf(
                all,
                [&](const QDomElement &e) {
                    return isLeaf(e) && QRegularExpression(QStringLiteral("^-?\\d+$")).match(e.text()).hasMatch();
                },
                *this);
            if (leaf.isNull())
                break;
            const QString number = pick(QVector<QString>{
                QStringLiteral("-2147483648"), QStringLiteral("2147483647"), QStringLiteral("99999999999"),
                QStringLiteral("16777216"), QStringLiteral("-1"), QStringLiteral("08"), QStringLiteral("0x10"),
                QStringLiteral("(std::abort(), 0)"), QStringLiteral(""), QStringLiteral("1 + Injected")});
            *what = QStringLiteral("<%1> %2").arg(leaf.tagName(), number);
            setText(leaf, number);
            break;
        }
        case 6: {
            QVector<QDomElement> named;
            for (const QDomElement &e : all) {
                if (e.hasAttribute(QStringLiteral("class")) || e.hasAttribute(QStringLiteral("name")))
                    named.append(e);
            }
            if (named.isEmpty())
                break;
            QDomElement element = pick(named);
            const QString attribute = element.hasAttribute(QStringLiteral("class")) && below(2) == 0
                ? QStringLiteral("class")
                : QStringLiteral("name");
            const QString name = pick(QVector<QString>{
                QStringLiteral("QFoo"), QStringLiteral("struct"), QStringLiteral("virtual"),
                QStringLiteral("ZelNothing"), QStringLiteral("1abc"), QStringLiteral("a\nb"), QStringLiteral("emit"),
                QStringLiteral("__x"), QString(300, QLatin1Char('n')), QStringLiteral("QLabel"),
                QStringLiteral("ZelIcon"), QStringLiteral("bogusProperty"), QStringLiteral("x\"y")});
            *what = QStringLiteral("%1 of <%2> set to %3").arg(attribute, element.tagName(), name.left(20));
            element.setAttribute(attribute, name);
            break;
        }
        case 7: {
            // Texts a source must escape: quotes, backslashes, comment ends,
            // control and non-ASCII characters.
            const QDomElement leaf = leafOf(all, isLeaf, *this);
            if (leaf.isNull())
                break;
            const QString text = pick(QVector<QString>{
                QStringLiteral("*/ struct Injected {}; /*"), QStringLiteral("a\"b\\c"), QStringLiteral("line\\"),
                QStringLiteral("x\ny\r"), QString::fromUtf8("\u00e9\u2028\U0001F600"), QStringLiteral("?\?/"),
                QString(QChar(1)) + QStringLiteral("bell\x7f"), QString(QChar(0xD800)),
                QStringLiteral("\") , std::abort(), (\"")});
            *what = QStringLiteral("<%1> text %2").arg(leaf.tagName(), text.left(12).toHtmlEscaped());
            setText(leaf, text);
            break;
        }
        default: {
            QDomElement comment = top.firstChildElement(QStringLiteral("comment"));
            if (comment.isNull()) {
                comment = document.createElement(QStringLiteral("comment"));
                top.insertBefore(comment, top.firstChildElement(QStringLiteral("widget")));
            }
            *what = QStringLiteral("comment closed inside");
            setText(comment, QStringLiteral("Notes */ struct Injected {}; /* more"));
            break;
        }
        }
        return document.toByteArray(1);
    }

    std::mt19937 m_random;
    int m_deepest = 3000;
};

} // namespace fuzz
