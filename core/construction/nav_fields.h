#pragma once

// The navigation-field layout document that data-field host widgets carry in
// their navFieldsCfg property: one configuration per number of shown fields,
// each a list of rows of field backgrounds. Forms describe their documents
// compactly with these types; navFieldsDocument writes the exact text.

#include <QByteArray>
#include <initializer_list>
#include <vector>

namespace quarn::navfields {

// One data field: its background size, and for full-width fields the header
// and data font sizes.
struct Field {
    short width = 0;
    short height = 0;
    signed char headerFontSize = 0; // 0: not written (half-width and satellite fields)
    signed char dataFontSize = 0;
    bool satellite = false;

    constexpr bool operator==(const Field &other) const
    {
        return width == other.width && height == other.height && headerFontSize == other.headerFontSize
            && dataFontSize == other.dataFontSize && satellite == other.satellite;
    }
    constexpr bool operator!=(const Field &other) const { return !(*this == other); }
};

// Constant, so that the forms' tables of fields are plain data.
// A full-width (230 px) field with its font sizes.
constexpr Field full(int height, int headerFontSize, int dataFontSize)
{
    return Field{230, short(height), static_cast<signed char>(headerFontSize), static_cast<signed char>(dataFontSize)};
}
// A half-width (113 px) field; rows of two are written left to right.
constexpr Field half(int height)
{
    return Field{113, short(height)};
}
// The satellite field (148 x 67, same image when pressed).
constexpr Field satellite()
{
    return Field{148, 67, 0, 0, true};
}

// Called only for a table larger than the screen holds; it stops the module
// at load with the reason rather than write a wrong document.
[[noreturn]] void tableTooLarge(const char *what);

// A fixed-capacity list, so that a form's table is constant data (an
// initializer list of these compiles to a copy of a constant array, not to
// code building nested vectors).
template <typename T, int Capacity>
class FixedList
{
public:
    constexpr FixedList() = default;
    constexpr FixedList(std::initializer_list<T> items)
    {
        for (const T &item : items) {
            if (m_count == Capacity)
                tableTooLarge("navigation-field table: more rows or fields than a screen holds");
            m_items[m_count++] = item;
        }
    }

    // For tables read back at run time.
    constexpr void append(const T &item)
    {
        if (m_count == Capacity)
            tableTooLarge("navigation-field table: more rows or fields than a screen holds");
        m_items[m_count++] = item;
    }

    constexpr const T *begin() const { return m_items; }
    constexpr const T *end() const { return m_items + m_count; }
    constexpr int size() const { return m_count; }
    constexpr bool operator==(const FixedList &other) const
    {
        if (m_count != other.m_count)
            return false;
        for (int i = 0; i < m_count; ++i) {
            if (m_items[i] != other.m_items[i])
                return false;
        }
        return true;
    }
    constexpr bool operator!=(const FixedList &other) const { return !(*this == other); }

private:
    T m_items[Capacity] = {};
    int m_count = 0;
};

// A row holds one full-width field or two half-width ones; a screen shows
// at most eight rows.
using Row = FixedList<Field, 2>;
using Configuration = FixedList<Row, 8>; // configuration k shows k fields

// The document text for configurations 1..N, as 8-bit bytes.
QByteArray document(const std::vector<Configuration> &configurations);

} // namespace quarn::navfields
