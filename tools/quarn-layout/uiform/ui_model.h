#pragma once

// A Designer form (.ui) as typed data: what the export fills from a built form
// and writes, and what the generator reads. Every element keeps the line it was
// read from, so that whatever refuses it can say where it is. What a form may
// not hold (connections, unknown elements) is kept too, to be refused by the
// reader's caller rather than dropped.

#include <QColor>
#include <QPair>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>
#include <vector>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace quarn::layouttool {

// An element the model has no place for, as a message names it.
struct UiElement {
    QString tag;
    QString name; // its name attribute, if any
    int line = 0;
    // "<tag name="x">", as messages quote it.
    QString quoted() const;
};

struct UiBrush {
    QString style = QStringLiteral("SolidPattern"); // a Qt::BrushStyle key
    QColor colour;
    bool operator==(const UiBrush &other) const { return style == other.style && colour == other.colour; }
};

// Only what the form set: each part is there or not, as in the file.
struct UiFont {
    std::optional<QString> family;
    std::optional<int> pointSize;
    std::optional<int> weight;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<bool> strikeOut;
    std::optional<QString> styleStrategy; // a QFont::StyleStrategy key
    std::optional<bool> kerning;
    bool operator==(const UiFont &o) const;
};

struct UiColourRole {
    QString role; // a QPalette::ColorRole key
    UiBrush brush;
    int line = 0;
    bool operator==(const UiColourRole &o) const { return role == o.role && brush == o.brush; }
};

// The roles a form set, per group, in the file's order.
struct UiPalette {
    QVector<UiColourRole> active, inactive, disabled;
    bool operator==(const UiPalette &o) const
    {
        return active == o.active && inactive == o.inactive && disabled == o.disabled;
    }
};

struct UiSizePolicy {
    QString horizontal, vertical; // QSizePolicy::Policy keys
    int horizontalStretch = 0, verticalStretch = 0;
    bool operator==(const UiSizePolicy &o) const
    {
        return horizontal == o.horizontal && vertical == o.vertical && horizontalStretch == o.horizontalStretch
            && verticalStretch == o.verticalStretch;
    }
};

// One property value. Which members hold it depends on kind; two values are
// equal when they are of one kind and say the same, wherever they were read.
struct UiValue {
    enum class Kind {
        Unknown, // an element no form value is; tag says which
        Bool,
        Number,
        UInt,
        Double,
        String,
        StringList,
        CString,
        Enum,
        Set,
        Point,
        Size,
        Rect,
        Color,
        Brush,
        Font,
        Palette,
        Pixmap,
        IconSet,
        SizePolicy,
        Locale,
    };
    Kind kind = Kind::Unknown;
    QString tag; // of an Unknown value
    int line = 0;

    bool boolean = false;
    qint64 integer = 0;                    // Number, UInt
    double real = 0;                       // Double
    QString text;                          // String, CString, Enum, Set, Pixmap
    bool notr = false;                     // String, StringList: not translated
    QString comment, extraComment;         // String: disambiguation, note for translators
    QStringList list;                      // StringList
    QRect rect;                            // Point (x, y), Size (width, height), Rect
    QColor colour;                         // Color
    UiBrush brush;                         // Brush
    UiFont font;                           // Font
    UiPalette palette;                     // Palette
    QVector<QPair<QString, QString>> icon; // IconSet: slot ("normaloff"), picture path
    UiSizePolicy sizePolicy;               // SizePolicy
    QString language, country;             // Locale: QLocale keys

    // The element a .ui file spells the value with: "number", "rect", ...
    QString element() const;
    bool operator==(const UiValue &o) const;
    bool operator!=(const UiValue &o) const { return !(*this == o); }

    static UiValue ofBool(bool on);
    static UiValue ofNumber(qint64 number);
    static UiValue ofText(Kind kind, const QString &text);
    static UiValue ofString(const QString &text, bool notr);
    static UiValue ofRect(const QRect &rect);
    static UiValue ofSize(int width, int height);
};

struct UiProperty {
    QString name;
    bool byName = false; // stdset="0": set through setProperty
    UiValue value;
    int line = 0;
    // A value the property lacked (no child element) leaves value Unknown with an empty tag.
    bool hasValue() const { return value.kind != UiValue::Kind::Unknown || !value.tag.isEmpty(); }
};

struct UiWidget;
struct UiLayout;

struct UiSpacer {
    QString name;
    QVector<UiProperty> properties;
    int line = 0;
};

struct UiLayoutItem {
    // Cells of grids and form layouts; -1 in a box.
    int row = -1, column = -1, rowSpan = 1, columnSpan = 1;
    QVector<QPair<QString, QString>> otherAttributes; // none a layout item has
    std::unique_ptr<UiWidget> widget;
    std::unique_ptr<UiLayout> layout;
    std::unique_ptr<UiSpacer> spacer;
    int line = 0;
    QString fieldName() const;
};

struct UiLayout {
    QString className;
    QString name;
    // stretch, rowstretch, ...: comma-separated numbers as the file has them.
    QVector<QPair<QString, QString>> attributes;
    QVector<UiProperty> properties;
    std::vector<UiLayoutItem> items;
    QVector<UiElement> foreign; // what a layout does not hold
    int line = 0;
};

struct UiWidget {
    QString className;
    QString name;
    QVector<UiProperty> properties;
    std::unique_ptr<UiLayout> layout;
    std::vector<std::unique_ptr<UiWidget>> children; // not laid out, in creation order
    QStringList zorder;
    QVector<UiElement> foreign; // what a widget does not hold, a second layout too
    UiWidget *parent = nullptr; // the widget this one is made in, laid out or not
    // Designer's mark of a plain widget where it would see the container of
    // a layout (which it sizes itself); nothing to the module.
    bool native = false;
    int line = 0;

    const UiProperty *property(const QString &name) const;
};

struct UiCustomWidget {
    QString className, extends, header;
    int line = 0;
};

struct UiConnection {
    QString sender, signal, receiver, slot;
    int line = 0;
};

struct UiForm {
    QString comment; // the form's description
    QString className;
    int commentLine = 0, classLine = 0;
    std::unique_ptr<UiWidget> root;
    QVector<UiCustomWidget> customWidgets;
    QVector<UiConnection> connections;
    int connectionsLine = 0;
    // The resource files (.qrc) the form includes, for Designer's Resource
    // Browser; as written, relative to the form's file.
    QStringList resources;
    // What a form does not hold: a second top-level widget, other resource
    // entries, tab stops, layout defaults, unknown elements.
    QVector<UiElement> foreign;
    int line = 0; // of <ui>

    // False, with "line N: why" in *error, for text that is no Designer form
    // or a value that is not what its element says.
    bool read(const QByteArray &ui, QString *error);
    // The form as the export writes it; read gives it back whole.
    QByteArray write() const;
};

} // namespace quarn::layouttool
