#include "generator/checked_values.h"

#include "controls/zel_controls.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QHash>
#include <QLineEdit>
#include <QLocale>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPalette>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSet>
#include <QSizePolicy>
#include <QStackedWidget>
#include <QTextEdit>
#include <QWidget>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>

namespace quarn::layouttool::generator::checked {

namespace {

using Kind = UiValue::Kind;

// Qt's namespace: its meta-object is QObject's to hand out in Qt 5.
struct QtNamespace : QObject {
    static const QMetaObject *qtNamespace()
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        return &Qt::staticMetaObject;
#else
        return &staticQtMetaObject;
#endif
    }
};

const QVector<const QMetaObject *> &widgetClasses()
{
    static const QVector<const QMetaObject *> classes = {
        &QWidget::staticMetaObject,   &QStackedWidget::staticMetaObject, &QScrollArea::staticMetaObject,
        &QTextEdit::staticMetaObject, &QLineEdit::staticMetaObject,
#define QUARN_CONTROL(Class, header, container, toolTip, width, height) &Class::staticMetaObject,
#define QUARN_CONTROL_BASE(Class, header) &Class::staticMetaObject,
#include "controls/zel_control_table.def"
    };
    return classes;
}

// The meta-objects an enum value may be scoped by: Qt's namespace, the
// value classes and every class a form makes, with their base classes.
const QMetaObject *scope(const QString &name)
{
    static const QHash<QString, const QMetaObject *> scopes = [] {
        QHash<QString, const QMetaObject *> all;
        QVector<const QMetaObject *> roots = widgetClasses();
        roots += {QtNamespace::qtNamespace(),     &QSizePolicy::staticMetaObject, &QPalette::staticMetaObject,
                  &QLocale::staticMetaObject,     &QHBoxLayout::staticMetaObject, &QVBoxLayout::staticMetaObject,
                  &QGridLayout::staticMetaObject, &QFormLayout::staticMetaObject};
        for (const QMetaObject *meta : qAsConst(roots)) {
            for (; meta; meta = meta->superClass())
                all.insert(QString::fromLatin1(meta->className()), meta);
        }
        return all;
    }();
    return scopes.value(name);
}

bool hasKey(const QMetaObject *metaObject, const QByteArray &key, bool flag)
{
    for (int i = 0; i < metaObject->enumeratorCount(); ++i) {
        const QMetaEnum enumerator = metaObject->enumerator(i);
        bool found = false;
        enumerator.keyToValue(key.constData(), &found);
        if (found && (!flag || enumerator.isFlag()))
            return true;
    }
    return false;
}

bool isWord(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return pattern.match(text).hasMatch();
}

bool isKeyword(const QString &name)
{
    static const QSet<QString> words = [] {
        QSet<QString> all;
        const char *const list[] = {
            // C++ keywords and alternative tokens, up to C++20
            "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break", "case", "catch",
            "char", "char8_t", "char16_t", "char32_t", "class", "compl", "concept", "const", "consteval", "constexpr",
            "constinit", "const_cast", "continue", "co_await", "co_return", "co_yield", "decltype", "default", "delete",
            "do", "double", "dynamic_cast", "else", "enum", "explicit", "export", "extern", "false", "float", "for",
            "friend", "goto", "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not", "not_eq",
            "nullptr", "operator", "or", "or_eq", "private", "protected", "public", "register", "reinterpret_cast",
            "requires", "return", "short", "signed", "sizeof", "static", "static_assert", "static_cast", "struct",
            "switch", "template", "this", "thread_local", "throw", "true", "try", "typedef", "typeid", "typename",
            "union", "unsigned", "using", "virtual", "void", "volatile", "wchar_t", "while", "xor", "xor_eq", "final",
            "override", "import", "module",
            // macros the generated code meets: Qt's and the C library's
            "signals", "slots", "emit", "foreach", "forever", "NULL", "EOF", "errno", "assert", "offsetof", "stdin",
            "stdout", "stderr", "unix", "linux", "major", "minor",
            // names the generated code itself declares
            "ui", "root", "setupUi", "retranslateUi", "UiRecord", "quarn", "forms", "std"};
        for (const char *word : list)
            all.insert(QLatin1String(word));
        return all;
    }();
    return words.contains(name);
}

// A C++ integer type's range, for a property of that type.
bool integerRange(int type, qint64 *minimum, qint64 *maximum)
{
    switch (type) {
    case QMetaType::Int:
        *minimum = std::numeric_limits<int>::min();
        *maximum = std::numeric_limits<int>::max();
        return true;
    case QMetaType::UInt:
        *minimum = 0;
        *maximum = std::numeric_limits<uint>::max();
        return true;
    case QMetaType::LongLong:
        *minimum = std::numeric_limits<qint64>::min();
        *maximum = std::numeric_limits<qint64>::max();
        return true;
    default:
        return false;
    }
}

} // namespace

QString shown(const QString &text)
{
    QString plain;
    for (const QChar c : text.left(80))
        plain += c.isPrint() ? c : QChar(QChar::ReplacementCharacter);
    return text.size() > 80 ? plain + QStringLiteral("...") : plain;
}

bool scan(const QByteArray &ui, QString *error)
{
    QXmlStreamReader xml(ui);
    struct Open {
        QString tag, name;
        int line;
    };
    QVector<Open> open;
    const auto refuse = [&](const Open &where, const QString &why) {
        QString element = QStringLiteral("<%1").arg(shown(where.tag));
        if (!where.name.isEmpty())
            element += QStringLiteral(" name=\"%1\"").arg(shown(where.name));
        *error = QStringLiteral("line %1: %2>: %3").arg(std::max(1, where.line)).arg(element, why);
        return false;
    };
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            open.append({xml.name().toString(), xml.attributes().value(QLatin1String("name")).toString(),
                         int(xml.lineNumber())});
            if (open.size() > kMaximumDepth)
                return refuse(open.last(), QStringLiteral("nested deeper than %1 elements").arg(kMaximumDepth));
            for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                const QString fault = textFault(attribute.value().toString());
                if (!fault.isEmpty())
                    return refuse(
                        open.last(),
                        QStringLiteral("the attribute %1: %2").arg(shown(attribute.name().toString()), fault));
            }
        } else if (token == QXmlStreamReader::EndElement && !open.isEmpty()) {
            open.removeLast();
        } else if (token == QXmlStreamReader::Characters && !open.isEmpty()) {
            const QString fault = textFault(xml.text().toString());
            if (!fault.isEmpty())
                return refuse(open.last(), fault);
        }
    }
    // What is not well-formed is the reader's to say.
    return true;
}

bool isIdentifier(const QString &name)
{
    if (!isWord(name) || isKeyword(name))
        return false;
    // Reserved for the implementation, and Qt's macros.
    if (name.contains(QLatin1String("__"))
        || (name.startsWith(QLatin1Char('_')) && name.size() > 1 && name.at(1).isUpper()))
        return false;
    return !name.startsWith(QLatin1String("Q_")) && !name.startsWith(QLatin1String("QT_"));
}

const QMetaObject *widgetClass(const QString &className)
{
    for (const QMetaObject *meta : widgetClasses()) {
        if (QLatin1String(meta->className()) == className)
            return meta;
    }
    return nullptr;
}

const QMetaObject *layoutClass(const QString &className)
{
    if (className == QLatin1String("QHBoxLayout"))
        return &QHBoxLayout::staticMetaObject;
    if (className == QLatin1String("QVBoxLayout"))
        return &QVBoxLayout::staticMetaObject;
    if (className == QLatin1String("QGridLayout"))
        return &QGridLayout::staticMetaObject;
    if (className == QLatin1String("QFormLayout"))
        return &QFormLayout::staticMetaObject;
    return nullptr;
}

const QMetaObject *qtNamespace()
{
    return QtNamespace::qtNamespace();
}

QString textFault(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isNull())
            return QStringLiteral("a NUL character in a text (character %1)").arg(i + 1);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return QStringLiteral("half a UTF-16 surrogate pair in a text (character %1)").arg(i + 1);
    }
    return QString();
}

QString commentFault(const QString &text, bool block)
{
    const QString fault = textFault(text);
    if (!fault.isEmpty())
        return fault;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return QStringLiteral("a control character or line break in a comment");
    }
    if (block && (text.contains(QLatin1String("*/")) || text.contains(QLatin1String("/*"))))
        return QStringLiteral("a comment holding */ or /*");
    // A backslash at a line's end would join the next line of code to the comment.
    if (!block && (text.endsWith(QLatin1Char('\\')) || text.endsWith(QLatin1String("?\?/"))))
        return QStringLiteral("a comment ending in a backslash");
    return QString();
}

QString scopedKeyFault(const QString &text, bool flag)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*)::([A-Za-z_][A-Za-z0-9_]*)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QStringLiteral("\"%1\" is no Scope::Value").arg(shown(text));
    const QMetaObject *metaObject = scope(match.captured(1));
    if (!metaObject)
        return QStringLiteral("%1 is no class whose values a form takes").arg(match.captured(1));
    if (!hasKey(metaObject, match.captured(2).toLatin1(), flag))
        return QStringLiteral("%1 has no %2 %3")
            .arg(match.captured(1), QLatin1String(flag ? "flag" : "value"), match.captured(2));
    return QString();
}

QString flagsFault(const QString &text)
{
    QStringList keys = text.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (QString &key : keys)
        key = key.trimmed();
    if (keys == QStringList{QStringLiteral("0")})
        return QString();
    if (keys.isEmpty())
        return QStringLiteral("no flag");
    for (const QString &key : qAsConst(keys)) {
        const QString fault = scopedKeyFault(key, true);
        if (!fault.isEmpty())
            return fault;
    }
    return QString();
}

QString keyFault(const QMetaObject *metaObject, const char *enumName, const QString &key)
{
    const QMetaEnum enumerator = metaObject->enumerator(metaObject->indexOfEnumerator(enumName));
    bool found = false;
    if (isWord(key))
        enumerator.keyToValue(key.toLatin1().constData(), &found);
    if (found)
        return QString();
    return QStringLiteral("\"%1\" is no %2::%3")
        .arg(shown(key), QLatin1String(metaObject->className()), QLatin1String(enumName));
}

QString propertyValueFault(const QMetaProperty &property, const UiValue &value)
{
    const QString name = QLatin1String(property.name());
    if (property.isEnumType()) {
        const QMetaEnum enumerator = property.enumerator();
        const bool flag = enumerator.isFlag();
        if (value.kind != (flag ? Kind::Set : Kind::Enum))
            return QStringLiteral("%1 takes a <%2>").arg(name, QLatin1String(flag ? "set" : "enum"));
        const QStringList keys = value.text.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        if (flag && keys.size() == 1 && keys.first().trimmed() == QLatin1String("0"))
            return QString();
        if (keys.isEmpty())
            return QStringLiteral("no value of %1").arg(QLatin1String(enumerator.name()));
        for (const QString &given : keys) {
            const QString trimmed = given.trimmed();
            // Under any scope that reaches the key in C++: its class or one deriving from it.
            const int separator = trimmed.lastIndexOf(QLatin1String("::"));
            bool found = false;
            const QMetaObject *keyScope = separator > 0 ? scope(trimmed.left(separator)) : nullptr;
            const QByteArray key = trimmed.mid(separator + 2).toLatin1();
            if (keyScope && isWord(trimmed.mid(separator + 2)) && hasKey(keyScope, key, false))
                enumerator.keyToValue(key.constData(), &found);
            if (!found)
                return QStringLiteral("\"%1\" is no %2::%3")
                    .arg(shown(trimmed), QLatin1String(enumerator.scope()), QLatin1String(enumerator.name()));
        }
        return QString();
    }
    // The value kinds each property type takes; a number also fits the wider
    // and the floating-point types.
    static const QHash<int, QVector<int>> types = {
        {int(Kind::Number), {QMetaType::Int, QMetaType::UInt, QMetaType::LongLong, QMetaType::Double}},
        {int(Kind::UInt), {QMetaType::UInt, QMetaType::Int, QMetaType::LongLong}},
        {int(Kind::Double), {QMetaType::Double, QMetaType::Float}},
        {int(Kind::Bool), {QMetaType::Bool}},
        {int(Kind::String), {QMetaType::QString}},
        {int(Kind::CString), {QMetaType::QByteArray, QMetaType::QString}},
        {int(Kind::Rect), {QMetaType::QRect}},
        {int(Kind::Size), {QMetaType::QSize}},
        {int(Kind::Point), {QMetaType::QPoint}},
        {int(Kind::Font), {QMetaType::QFont}},
        {int(Kind::Palette), {QMetaType::QPalette}},
        {int(Kind::Color), {QMetaType::QColor}},
        {int(Kind::Brush), {QMetaType::QBrush}},
        {int(Kind::SizePolicy), {QMetaType::QSizePolicy}},
        {int(Kind::Locale), {QMetaType::QLocale}},
        {int(Kind::StringList), {QMetaType::QStringList}},
        {int(Kind::Pixmap), {QMetaType::QPixmap, QMetaType::QString}},
        {int(Kind::IconSet), {QMetaType::QIcon}},
    };
    const int type = property.userType();
    if (!types.value(int(value.kind)).contains(type))
        return QStringLiteral("%1 is a %2, no <%3>").arg(name, QLatin1String(property.typeName()), value.element());
    qint64 minimum = 0, maximum = 0;
    if ((value.kind == Kind::Number || value.kind == Kind::UInt) && integerRange(type, &minimum, &maximum)
        && (value.integer < minimum || value.integer > maximum))
        return QStringLiteral("%1 is outside the range of %2")
            .arg(value.integer)
            .arg(QLatin1String(property.typeName()));
    return QString();
}

} // namespace quarn::layouttool::generator::checked
