#include "uiform/ui_model_io.h"
#include "uiform/ui_values.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <functional>
#include <limits>

namespace quarn::layouttool::uimodel {

namespace {

using Kind = UiValue::Kind;

// The parser quotes what it stopped at, a NUL or a line break too: a message is one line.
QString printable(const QString &text)
{
    QString plain;
    for (const QChar c : text)
        plain += c.isPrint() ? c : QChar(QChar::ReplacementCharacter);
    return plain;
}

// A recursive reader over QXmlStreamReader; the first error stops it.
class Reader
{
public:
    explicit Reader(const QByteArray &ui)
        : m_xml(ui)
    {
    }

    bool read(UiForm &form, QString *error)
    {
        if (m_xml.readNextStartElement()) {
            form.line = line();
            if (m_xml.name() != QLatin1String("ui"))
                failHere(QStringLiteral("not a Designer form"));
            else
                readForm(form);
        }
        if (!m_error.isEmpty()) {
            *error = m_error;
            return false;
        }
        if (m_xml.hasError() || !form.line) {
            *error = QStringLiteral("line %1: not well-formed XML (column %2): %3")
                         .arg(std::max<qint64>(1, m_xml.lineNumber()))
                         .arg(m_xml.columnNumber())
                         .arg(m_xml.hasError() ? printable(m_xml.errorString()) : QStringLiteral("no element"));
            return false;
        }
        return true;
    }

private:
    int line() const { return int(m_xml.lineNumber()); }
    bool ok() const { return m_error.isEmpty() && !m_xml.hasError(); }
    // "line N: <tag>: why", of the element the reader is at.
    void failHere(const QString &why)
    {
        // Text the parser stopped in is its to name.
        if (m_error.isEmpty() && !m_xml.hasError())
            m_error = QStringLiteral("line %1: <%2>: %3").arg(std::max(1, line())).arg(m_xml.name(), why);
    }
    QString attribute(const char *name) const { return m_xml.attributes().value(QLatin1String(name)).toString(); }
    UiElement here() const { return {m_xml.name().toString(), attribute("name"), line()}; }
    // Skips the element, keeping where it was.
    void keepForeign(QVector<UiElement> &foreign)
    {
        foreign.append(here());
        m_xml.skipCurrentElement();
    }
    // Calls part for each child element until the current one ends.
    void children(const std::function<void()> &part)
    {
        while (ok() && m_xml.readNextStartElement())
            part();
    }
    QString text() { return m_xml.readElementText(QXmlStreamReader::IncludeChildElements); }

    qint64 number(const QString &text, bool isUnsigned = false)
    {
        bool isNumber = false;
        const qint64 value =
            isUnsigned ? qint64(text.trimmed().toUInt(&isNumber)) : text.trimmed().toLongLong(&isNumber);
        if (!isNumber)
            failHere(QStringLiteral("\"%1\" is no number").arg(text.left(40).simplified()));
        return value;
    }
    // A number a model int holds, as coordinates, cells and channels are.
    int intNumber(const QString &text, int minimum = std::numeric_limits<int>::min(),
                  int maximum = std::numeric_limits<int>::max())
    {
        const qint64 value = number(text);
        if (ok() && (value < minimum || value > maximum)) {
            failHere(QStringLiteral("%1 is outside %2..%3").arg(value).arg(minimum).arg(maximum));
            return 0;
        }
        return int(value);
    }

    // The resource files Designer's Resource Browser shows: only includes,
    // each naming its file.
    void readResources(UiForm &form)
    {
        if (!m_xml.attributes().isEmpty())
            form.foreign.append(here());
        children([&] {
            const QString location = attribute("location");
            if (m_xml.name() != QLatin1String("include") || m_xml.attributes().size() != 1 || location.isEmpty())
                return keepForeign(form.foreign);
            const UiElement element = here();
            if (!text().isEmpty())
                form.foreign.append(element);
            else
                form.resources.append(location);
        });
    }

    void readForm(UiForm &form)
    {
        children([&] {
            const auto tag = m_xml.name();
            if (tag == QLatin1String("class")) {
                form.classLine = line();
                form.className = text();
            } else if (tag == QLatin1String("comment")) {
                form.commentLine = line();
                form.comment = text();
            } else if (tag == QLatin1String("widget") && !form.root) {
                form.root = std::make_unique<UiWidget>();
                readWidget(*form.root, nullptr);
            } else if (tag == QLatin1String("customwidgets")) {
                children([&] {
                    if (m_xml.name() != QLatin1String("customwidget"))
                        return keepForeign(form.foreign);
                    UiCustomWidget custom;
                    custom.line = line();
                    children([&] {
                        const auto part = m_xml.name();
                        if (part == QLatin1String("class"))
                            custom.className = text();
                        else if (part == QLatin1String("extends"))
                            custom.extends = text();
                        else if (part == QLatin1String("header"))
                            custom.header = text();
                        else
                            m_xml.skipCurrentElement(); // Designer's own notes: container, sizehint
                    });
                    form.customWidgets.append(custom);
                });
            } else if (tag == QLatin1String("connections")) {
                form.connectionsLine = line();
                children([&] {
                    UiConnection connection;
                    connection.line = line();
                    children([&] {
                        const auto part = m_xml.name();
                        QString *slot = part == QLatin1String("sender") ? &connection.sender
                            : part == QLatin1String("signal")           ? &connection.signal
                            : part == QLatin1String("receiver")         ? &connection.receiver
                            : part == QLatin1String("slot")             ? &connection.slot
                                                                        : nullptr;
                        if (slot)
                            *slot = text();
                        else
                            m_xml.skipCurrentElement();
                    });
                    form.connections.append(connection);
                });
            } else if (tag == QLatin1String("resources")) {
                readResources(form);
            } else if (tag == QLatin1String("layoutdefault") || tag == QLatin1String("tabstops")) {
                // Empty, they say nothing; with content, something a form does not hold.
                const UiElement element = here();
                const bool empty = m_xml.attributes().isEmpty() && text().trimmed().isEmpty();
                if (!empty || m_xml.hasError())
                    form.foreign.append(element);
            } else {
                keepForeign(form.foreign);
            }
        });
    }

    void readWidget(UiWidget &widget, UiWidget *parent)
    {
        widget.className = attribute("class");
        widget.name = attribute("name");
        widget.native = attribute("native") == QLatin1String("true");
        widget.line = line();
        widget.parent = parent;
        children([&] {
            const auto tag = m_xml.name();
            if (tag == QLatin1String("property")) {
                readProperty(widget.properties);
            } else if (tag == QLatin1String("widget")) {
                widget.children.push_back(std::make_unique<UiWidget>());
                readWidget(*widget.children.back(), &widget);
            } else if (tag == QLatin1String("layout") && !widget.layout) {
                widget.layout = std::make_unique<UiLayout>();
                readLayout(*widget.layout, &widget);
            } else if (tag == QLatin1String("zorder")) {
                widget.zorder.append(text());
            } else {
                keepForeign(widget.foreign);
            }
        });
    }

    void readLayout(UiLayout &layout, UiWidget *host)
    {
        layout.line = line();
        for (const QXmlStreamAttribute &attribute : m_xml.attributes()) {
            if (attribute.name() == QLatin1String("class"))
                layout.className = attribute.value().toString();
            else if (attribute.name() == QLatin1String("name"))
                layout.name = attribute.value().toString();
            else
                layout.attributes.append({attribute.name().toString(), attribute.value().toString()});
        }
        children([&] {
            const auto tag = m_xml.name();
            if (tag == QLatin1String("property")) {
                readProperty(layout.properties);
            } else if (tag == QLatin1String("item")) {
                layout.items.emplace_back();
                readItem(layout.items.back(), host);
            } else {
                keepForeign(layout.foreign);
            }
        });
    }

    void readItem(UiLayoutItem &item, UiWidget *host)
    {
        item.line = line();
        for (const QXmlStreamAttribute &attribute : m_xml.attributes()) {
            const auto name = attribute.name();
            int *cell = name == QLatin1String("row") ? &item.row
                : name == QLatin1String("column")    ? &item.column
                : name == QLatin1String("rowspan")   ? &item.rowSpan
                : name == QLatin1String("colspan")   ? &item.columnSpan
                                                     : nullptr;
            if (cell)
                *cell = intNumber(attribute.value().toString());
            else
                item.otherAttributes.append({name.toString(), attribute.value().toString()});
        }
        bool filled = false;
        children([&] {
            const auto tag = m_xml.name();
            if (filled) {
                m_xml.skipCurrentElement(); // an item holds one thing; uic takes the first too
            } else if (tag == QLatin1String("widget")) {
                item.widget = std::make_unique<UiWidget>();
                readWidget(*item.widget, host);
            } else if (tag == QLatin1String("layout")) {
                item.layout = std::make_unique<UiLayout>();
                readLayout(*item.layout, host);
            } else if (tag == QLatin1String("spacer")) {
                item.spacer = std::make_unique<UiSpacer>();
                item.spacer->name = attribute("name");
                item.spacer->line = line();
                children([&] {
                    if (m_xml.name() == QLatin1String("property"))
                        readProperty(item.spacer->properties);
                    else
                        m_xml.skipCurrentElement();
                });
            } else {
                m_xml.skipCurrentElement();
                return;
            }
            filled = true;
        });
    }

    void readProperty(QVector<UiProperty> &properties)
    {
        UiProperty property;
        property.name = attribute("name");
        property.byName = attribute("stdset") == QLatin1String("0");
        property.line = line();
        bool hasValue = false;
        children([&] {
            if (hasValue)
                return m_xml.skipCurrentElement();
            hasValue = true;
            readValue(property.value);
        });
        properties.append(property);
    }

    void readValue(UiValue &value)
    {
        value.line = line();
        const auto tag = m_xml.name();
        value.kind = kindOfElement(tag);
        const auto child = [&](std::initializer_list<std::pair<const char *, int *>> parts) {
            children([&] {
                for (const auto &part : parts) {
                    if (m_xml.name() == QLatin1String(part.first)) {
                        *part.second = intNumber(text());
                        return;
                    }
                }
                m_xml.skipCurrentElement();
            });
        };
        int x = 0, y = 0, width = 0, height = 0;
        switch (value.kind) {
        case Kind::Unknown:
            value.tag = tag.toString();
            m_xml.skipCurrentElement();
            break;
        case Kind::Bool:
            value.boolean = text().trimmed() == QLatin1String("true");
            break;
        case Kind::Number:
            value.integer = number(text());
            break;
        case Kind::UInt:
            value.integer = number(text(), true);
            break;
        case Kind::Double: {
            const QString digits = text();
            bool isNumber = false;
            value.real = digits.trimmed().toDouble(&isNumber);
            if (!isNumber)
                failHere(QStringLiteral("\"%1\" is no number").arg(digits.left(40).simplified()));
            break;
        }
        case Kind::String:
            value.notr = attribute("notr") == QLatin1String("true");
            value.comment = attribute("comment");
            value.extraComment = attribute("extracomment");
            value.text = text();
            break;
        case Kind::StringList:
            value.notr = attribute("notr") == QLatin1String("true");
            children([&] {
                if (m_xml.name() == QLatin1String("string"))
                    value.list.append(text());
                else
                    m_xml.skipCurrentElement();
            });
            break;
        case Kind::CString:
        case Kind::Enum:
        case Kind::Pixmap:
            value.text = text();
            break;
        case Kind::Set:
            value.text = canonicalQtFlags(text());
            break;
        case Kind::Point:
            child({{"x", &x}, {"y", &y}});
            value.rect = rect(x, y, 0, 0);
            break;
        case Kind::Size:
            child({{"width", &width}, {"height", &height}});
            value.rect = rect(0, 0, width, height);
            break;
        case Kind::Rect:
            child({{"x", &x}, {"y", &y}, {"width", &width}, {"height", &height}});
            value.rect = rect(x, y, width, height);
            break;
        case Kind::Color:
            value.colour = readColour();
            break;
        case Kind::Brush:
            value.brush = readBrush();
            break;
        case Kind::Font:
            readFont(value.font);
            break;
        case Kind::Palette:
            children([&] {
                const auto group = m_xml.name();
                QVector<UiColourRole> *roles = group == QLatin1String("active") ? &value.palette.active
                    : group == QLatin1String("inactive")                        ? &value.palette.inactive
                    : group == QLatin1String("disabled")                        ? &value.palette.disabled
                                                                                : nullptr;
                if (!roles)
                    return m_xml.skipCurrentElement();
                children([&] {
                    if (m_xml.name() != QLatin1String("colorrole"))
                        return m_xml.skipCurrentElement();
                    UiColourRole role;
                    role.role = attribute("role");
                    role.line = line();
                    children([&] {
                        if (m_xml.name() == QLatin1String("brush"))
                            role.brush = readBrush();
                        else
                            m_xml.skipCurrentElement();
                    });
                    roles->append(role);
                });
            });
            break;
        case Kind::IconSet:
            children([&] {
                const QString slot = m_xml.name().toString();
                value.icon.append({slot, text()});
            });
            break;
        case Kind::SizePolicy:
            value.sizePolicy.horizontal = attribute("hsizetype");
            value.sizePolicy.vertical = attribute("vsizetype");
            child({{"horstretch", &value.sizePolicy.horizontalStretch},
                   {"verstretch", &value.sizePolicy.verticalStretch}});
            break;
        case Kind::Locale:
            value.language = attribute("language");
            value.country = attribute("country");
            m_xml.skipCurrentElement();
            break;
        }
    }

    // QRect keeps its right and bottom edges, which must be ints too.
    QRect rect(int x, int y, int width, int height)
    {
        const auto fits = [](qint64 edge) {
            return edge >= std::numeric_limits<int>::min() && edge <= std::numeric_limits<int>::max();
        };
        if (!fits(qint64(x) + width - 1) || !fits(qint64(y) + height - 1)) {
            failHere(QStringLiteral("%1, %2, %3 x %4 reaches beyond what a rectangle holds")
                         .arg(x)
                         .arg(y)
                         .arg(width)
                         .arg(height));
            return QRect();
        }
        return QRect(x, y, width, height);
    }

    QColor readColour()
    {
        const QString alpha = attribute("alpha");
        int red = 0, green = 0, blue = 0;
        children([&] {
            const auto part = m_xml.name();
            int *channel = part == QLatin1String("red") ? &red
                : part == QLatin1String("green")        ? &green
                : part == QLatin1String("blue")         ? &blue
                                                        : nullptr;
            if (channel)
                *channel = intNumber(text(), 0, 255);
            else
                m_xml.skipCurrentElement();
        });
        const int opacity = alpha.isEmpty() ? 255 : intNumber(alpha, 0, 255);
        return ok() ? QColor(red, green, blue, opacity) : QColor();
    }

    UiBrush readBrush()
    {
        UiBrush brush;
        const QString style = attribute("brushstyle");
        if (!style.isEmpty())
            brush.style = style;
        children([&] {
            if (m_xml.name() == QLatin1String("color"))
                brush.colour = readColour();
            else
                m_xml.skipCurrentElement();
        });
        return brush;
    }

    void readFont(UiFont &font)
    {
        children([&] {
            const auto part = m_xml.name();
            const QString content = text();
            const bool on = content.trimmed() == QLatin1String("true");
            if (part == QLatin1String("family"))
                font.family = content;
            else if (part == QLatin1String("pointsize")) {
                // -1 is Designer's word for a font sized in pixels: no point size.
                if (const int size = intNumber(content); size != -1)
                    font.pointSize = size;
            } else if (part == QLatin1String("weight"))
                font.weight = intNumber(content);
            else if (part == QLatin1String("bold"))
                font.bold = on;
            else if (part == QLatin1String("italic"))
                font.italic = on;
            else if (part == QLatin1String("underline"))
                font.underline = on;
            else if (part == QLatin1String("strikeout"))
                font.strikeOut = on;
            else if (part == QLatin1String("stylestrategy"))
                font.styleStrategy = content;
            else if (part == QLatin1String("kerning"))
                font.kerning = on;
            else
                failHere(QStringLiteral("no part of a font"));
        });
        // Designer 6 writes a normal or bold weight as the bold flag alone; it
        // is the same font as Designer 5's weight beside the flag.
        if (font.bold && !font.weight)
            font.weight = *font.bold ? 75 : 50;
    }

    QXmlStreamReader m_xml;
    QString m_error;
};

} // namespace

bool read(const QByteArray &ui, UiForm &form, QString *error)
{
    return Reader(ui).read(form, error);
}

} // namespace quarn::layouttool::uimodel
