#include "source_scanner.h"

#include <QRegularExpression>
#include <QSet>

namespace quarn::placeholders {

namespace {

bool isIdentifierChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isStringPrefix(const QByteArray &identifier)
{
    static const QSet<QByteArray> prefixes = {"u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR"};
    return prefixes.contains(identifier);
}

char simpleEscape(char c)
{
    switch (c) {
    case 'n': return '\n';
    case 't': return '\t';
    case 'r': return '\r';
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'v': return '\v';
    case '0': return '\0';
    default: return c; // \\ \" \' \? and anything exotic
    }
}

class Scanner
{
public:
    explicit Scanner(const QByteArray &source)
        : m_text(source)
    {
    }

    QStringList run()
    {
        const int n = m_text.size();
        int i = 0;
        while (i < n) {
            const char c = m_text.at(i);
            const char next = i + 1 < n ? m_text.at(i + 1) : '\0';
            if (c == '/' && next == '/') {
                i = skipTo(i + 2, "\n");
            } else if (c == '/' && next == '*') {
                i = skipTo(i + 2, "*/");
            } else if (c == '"') {
                const bool raw = i > 0 && m_text.at(i - 1) == 'R' && m_lastIdentifierWasPrefix;
                m_lastIdentifierWasPrefix = false;
                i = raw ? readRawLiteral(i + 1) : readLiteral(i + 1);
            } else if (c == '\'' && !(i > 0 && isDigit(m_text.at(i - 1)))) {
                flush();
                i = skipCharLiteral(i + 1);
            } else if (isIdentifierChar(c)) {
                int end = i;
                while (end < n && isIdentifierChar(m_text.at(end)))
                    ++end;
                const QByteArray identifier = m_text.mid(i, end - i);
                m_lastIdentifierWasPrefix = end < n && m_text.at(end) == '"' && isStringPrefix(identifier);
                if (!m_lastIdentifierWasPrefix)
                    flush();
                i = end;
            } else {
                if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v')
                    flush();
                ++i;
            }
        }
        flush();
        return m_paths;
    }

private:
    int skipTo(int from, const char *terminator)
    {
        const int at = m_text.indexOf(terminator, from);
        return at < 0 ? m_text.size() : at + int(qstrlen(terminator));
    }

    int skipCharLiteral(int i)
    {
        const int n = m_text.size();
        while (i < n && m_text.at(i) != '\'' && m_text.at(i) != '\n')
            i += m_text.at(i) == '\\' ? 2 : 1;
        return i + 1;
    }

    int readLiteral(int i)
    {
        const int n = m_text.size();
        while (i < n && m_text.at(i) != '"' && m_text.at(i) != '\n') {
            if (m_text.at(i) == '\\' && i + 1 < n) {
                m_pending.append(simpleEscape(m_text.at(i + 1)));
                i += 2;
            } else {
                m_pending.append(m_text.at(i++));
            }
        }
        m_inRun = true;
        return i + 1;
    }

    int readRawLiteral(int i)
    {
        const int open = m_text.indexOf('(', i);
        if (open < 0)
            return m_text.size();
        const QByteArray closing = ')' + m_text.mid(i, open - i) + '"';
        const int close = m_text.indexOf(closing, open + 1);
        const int end = close < 0 ? m_text.size() : close;
        m_pending.append(m_text.mid(open + 1, end - open - 1));
        m_inRun = true;
        return close < 0 ? end : close + closing.size();
    }

    void flush()
    {
        if (m_inRun)
            m_paths.append(imagePathsInText(QString::fromUtf8(m_pending)));
        m_pending.clear();
        m_inRun = false;
    }

    const QByteArray m_text;
    QByteArray m_pending;
    bool m_inRun = false;
    bool m_lastIdentifierWasPrefix = false;
    QStringList m_paths;
};

} // namespace

QStringList imagePathsInText(const QString &text)
{
    // Up to the first ".mif": paths may hold blanks but never quotes or markup.
    static const QRegularExpression path(QStringLiteral(R"(:/[^"'<>\n\t]*?\.mif)"));
    QStringList paths;
    for (auto it = path.globalMatch(text); it.hasNext();)
        paths.append(it.next().captured());
    return paths;
}

QStringList imagePathsInSource(const QByteArray &source)
{
    return Scanner(source).run();
}

} // namespace quarn::placeholders
