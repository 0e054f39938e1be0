#include "uiform/ui_model_io.h"

#include <QXmlStreamWriter>

namespace quarn::layouttool::uimodel {

namespace {

using Kind = UiValue::Kind;

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

class Writer
{
public:
    explicit Writer(QByteArray *bytes)
        : m_xml(bytes)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(1);
    }

    void write(const UiForm &form)
    {
        m_xml.writeStartDocument();
        m_xml.writeStartElement(QStringLiteral("ui"));
        m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
        if (!form.comment.isEmpty())
            m_xml.writeTextElement(QStringLiteral("comment"), form.comment);
        m_xml.writeTextElement(QStringLiteral("class"), form.className);
        if (form.root)
            writeWidget(*form.root);
        if (!form.customWidgets.isEmpty()) {
            m_xml.writeStartElement(QStringLiteral("customwidgets"));
            for (const UiCustomWidget &custom : form.customWidgets) {
                m_xml.writeStartElement(QStringLiteral("customwidget"));
                m_xml.writeTextElement(QStringLiteral("class"), custom.className);
                m_xml.writeTextElement(QStringLiteral("extends"), custom.extends);
                m_xml.writeTextElement(QStringLiteral("header"), custom.header);
                m_xml.writeEndElement();
            }
            m_xml.writeEndElement();
        }
        writeList(QStringLiteral("resources"), form.resources, [this](const QString &location) {
            m_xml.writeEmptyElement(QStringLiteral("include"));
            m_xml.writeAttribute(QStringLiteral("location"), location);
        });
        writeList(QStringLiteral("connections"), form.connections, [this](const UiConnection &connection) {
            m_xml.writeStartElement(QStringLiteral("connection"));
            m_xml.writeTextElement(QStringLiteral("sender"), connection.sender);
            m_xml.writeTextElement(QStringLiteral("signal"), connection.signal);
            m_xml.writeTextElement(QStringLiteral("receiver"), connection.receiver);
            m_xml.writeTextElement(QStringLiteral("slot"), connection.slot);
            m_xml.writeEndElement();
        });
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    // An element of one child per item, written empty without items, as Designer does.
    template <typename List, typename WriteItem>
    void writeList(const QString &name, const List &items, WriteItem writeItem)
    {
        if (items.isEmpty()) {
            m_xml.writeEmptyElement(name);
            return;
        }
        m_xml.writeStartElement(name);
        for (const auto &item : items)
            writeItem(item);
        m_xml.writeEndElement();
    }

    void writeProperties(const QVector<UiProperty> &properties)
    {
        for (const UiProperty &property : properties) {
            m_xml.writeStartElement(QStringLiteral("property"));
            m_xml.writeAttribute(QStringLiteral("name"), property.name);
            if (property.byName)
                m_xml.writeAttribute(QStringLiteral("stdset"), QStringLiteral("0"));
            writeValue(property.value);
            m_xml.writeEndElement();
        }
    }

    void writeWidget(const UiWidget &widget)
    {
        m_xml.writeStartElement(QStringLiteral("widget"));
        m_xml.writeAttribute(QStringLiteral("class"), widget.className);
        m_xml.writeAttribute(QStringLiteral("name"), widget.name);
        if (widget.native)
            m_xml.writeAttribute(QStringLiteral("native"), QStringLiteral("true"));
        writeProperties(widget.properties);
        if (widget.layout)
            writeLayout(*widget.layout);
        for (const auto &child : widget.children)
            writeWidget(*child);
        for (const QString &name : widget.zorder)
            m_xml.writeTextElement(QStringLiteral("zorder"), name);
        m_xml.writeEndElement();
    }

    void writeLayout(const UiLayout &layout)
    {
        m_xml.writeStartElement(QStringLiteral("layout"));
        m_xml.writeAttribute(QStringLiteral("class"), layout.className);
        m_xml.writeAttribute(QStringLiteral("name"), layout.name);
        for (const auto &attribute : layout.attributes)
            m_xml.writeAttribute(attribute.first, attribute.second);
        writeProperties(layout.properties);
        for (const UiLayoutItem &item : layout.items) {
            m_xml.writeStartElement(QStringLiteral("item"));
            if (item.row >= 0) {
                m_xml.writeAttribute(QStringLiteral("row"), QString::number(item.row));
                m_xml.writeAttribute(QStringLiteral("column"), QString::number(item.column));
                if (item.rowSpan != 1)
                    m_xml.writeAttribute(QStringLiteral("rowspan"), QString::number(item.rowSpan));
                if (item.columnSpan != 1)
                    m_xml.writeAttribute(QStringLiteral("colspan"), QString::number(item.columnSpan));
            }
            if (item.widget) {
                writeWidget(*item.widget);
            } else if (item.layout) {
                writeLayout(*item.layout);
            } else if (item.spacer) {
                m_xml.writeStartElement(QStringLiteral("spacer"));
                m_xml.writeAttribute(QStringLiteral("name"), item.spacer->name);
                writeProperties(item.spacer->properties);
                m_xml.writeEndElement();
            }
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    void writeNumber(const char *element, int number)
    {
        m_xml.writeTextElement(QLatin1String(element), QString::number(number));
    }

    void writeColour(const QColor &colour)
    {
        m_xml.writeStartElement(QStringLiteral("color"));
        m_xml.writeAttribute(QStringLiteral("alpha"), QString::number(colour.alpha()));
        writeNumber("red", colour.red());
        writeNumber("green", colour.green());
        writeNumber("blue", colour.blue());
        m_xml.writeEndElement();
    }

    void writeBrush(const UiBrush &brush)
    {
        m_xml.writeStartElement(QStringLiteral("brush"));
        m_xml.writeAttribute(QStringLiteral("brushstyle"), brush.style);
        writeColour(brush.colour);
        m_xml.writeEndElement();
    }

    void writeFont(const UiFont &font)
    {
        m_xml.writeStartElement(QStringLiteral("font"));
        if (font.family)
            m_xml.writeTextElement(QStringLiteral("family"), *font.family);
        if (font.pointSize)
            writeNumber("pointsize", *font.pointSize);
        if (font.weight)
            writeNumber("weight", *font.weight);
        const std::pair<const char *, const std::optional<bool> *> switches[] = {{"bold", &font.bold},
                                                                                 {"italic", &font.italic},
                                                                                 {"underline", &font.underline},
                                                                                 {"strikeout", &font.strikeOut}};
        for (const auto &part : switches) {
            if (*part.second)
                m_xml.writeTextElement(QLatin1String(part.first), boolText(**part.second));
        }
        if (font.styleStrategy)
            m_xml.writeTextElement(QStringLiteral("stylestrategy"), *font.styleStrategy);
        if (font.kerning)
            m_xml.writeTextElement(QStringLiteral("kerning"), boolText(*font.kerning));
        m_xml.writeEndElement();
    }

    void writePalette(const UiPalette &palette)
    {
        m_xml.writeStartElement(QStringLiteral("palette"));
        const std::pair<const char *, const QVector<UiColourRole> *> groups[] = {
            {"active", &palette.active}, {"inactive", &palette.inactive}, {"disabled", &palette.disabled}};
        for (const auto &group : groups) {
            m_xml.writeStartElement(QLatin1String(group.first));
            for (const UiColourRole &role : *group.second) {
                m_xml.writeStartElement(QStringLiteral("colorrole"));
                m_xml.writeAttribute(QStringLiteral("role"), role.role);
                writeBrush(role.brush);
                m_xml.writeEndElement();
            }
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    void writeValue(const UiValue &value)
    {
        const QString element = value.element();
        switch (value.kind) {
        case Kind::Unknown:
            m_xml.writeEmptyElement(value.tag);
            break;
        case Kind::Bool:
            m_xml.writeTextElement(element, boolText(value.boolean));
            break;
        case Kind::Number:
        case Kind::UInt:
            m_xml.writeTextElement(element, QString::number(value.integer));
            break;
        case Kind::Double:
            m_xml.writeTextElement(element, QString::number(value.real, 'g', 17));
            break;
        case Kind::String:
            m_xml.writeStartElement(element);
            if (value.notr)
                m_xml.writeAttribute(QStringLiteral("notr"), QStringLiteral("true"));
            if (!value.comment.isEmpty())
                m_xml.writeAttribute(QStringLiteral("comment"), value.comment);
            if (!value.extraComment.isEmpty())
                m_xml.writeAttribute(QStringLiteral("extracomment"), value.extraComment);
            m_xml.writeCharacters(value.text);
            m_xml.writeEndElement();
            break;
        case Kind::StringList:
            m_xml.writeStartElement(element);
            if (value.notr)
                m_xml.writeAttribute(QStringLiteral("notr"), QStringLiteral("true"));
            for (const QString &text : value.list)
                m_xml.writeTextElement(QStringLiteral("string"), text);
            m_xml.writeEndElement();
            break;
        case Kind::CString:
        case Kind::Enum:
        case Kind::Set:
        case Kind::Pixmap:
            m_xml.writeTextElement(element, value.text);
            break;
        case Kind::Point:
            m_xml.writeStartElement(element);
            writeNumber("x", value.rect.x());
            writeNumber("y", value.rect.y());
            m_xml.writeEndElement();
            break;
        case Kind::Size:
            m_xml.writeStartElement(element);
            writeNumber("width", value.rect.width());
            writeNumber("height", value.rect.height());
            m_xml.writeEndElement();
            break;
        case Kind::Rect:
            m_xml.writeStartElement(element);
            writeNumber("x", value.rect.x());
            writeNumber("y", value.rect.y());
            writeNumber("width", value.rect.width());
            writeNumber("height", value.rect.height());
            m_xml.writeEndElement();
            break;
        case Kind::Color:
            writeColour(value.colour);
            break;
        case Kind::Brush:
            writeBrush(value.brush);
            break;
        case Kind::Font:
            writeFont(value.font);
            break;
        case Kind::Palette:
            writePalette(value.palette);
            break;
        case Kind::IconSet:
            m_xml.writeStartElement(element);
            for (const auto &picture : value.icon)
                m_xml.writeTextElement(picture.first, picture.second);
            m_xml.writeEndElement();
            break;
        case Kind::SizePolicy:
            m_xml.writeStartElement(element);
            m_xml.writeAttribute(QStringLiteral("hsizetype"), value.sizePolicy.horizontal);
            m_xml.writeAttribute(QStringLiteral("vsizetype"), value.sizePolicy.vertical);
            writeNumber("horstretch", value.sizePolicy.horizontalStretch);
            writeNumber("verstretch", value.sizePolicy.verticalStretch);
            m_xml.writeEndElement();
            break;
        case Kind::Locale:
            m_xml.writeStartElement(element);
            m_xml.writeAttribute(QStringLiteral("language"), value.language);
            m_xml.writeAttribute(QStringLiteral("country"), value.country);
            m_xml.writeEndElement();
            break;
        }
    }

    QXmlStreamWriter m_xml;
};

} // namespace

QByteArray write(const UiForm &form)
{
    QByteArray bytes;
    Writer(&bytes).write(form);
    return bytes;
}

} // namespace quarn::layouttool::uimodel
