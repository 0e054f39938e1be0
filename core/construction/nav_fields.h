#pragma once

// The navigation-field layout document that data-field host widgets carry in
// their navFieldsCfg property: one configuration per number of shown fields,
// each a list of rows of field backgrounds. Forms describe their documents
// compactly with these types; navFieldsDocument writes the exact text.

#include <QByteArray>
#include <vector>

namespace quarn::navfields {

// One data field: its background size, and for full-width fields the header
// and data font sizes.
struct Field {
    int width;
    int height;
    int headerFontSize = 0;  // 0: not written (half-width and satellite fields)
    int dataFontSize = 0;
    bool satellite = false;
};

// A full-width (230 px) field with its font sizes.
Field full(int height, int headerFontSize, int dataFontSize);
// A half-width (113 px) field; rows of two are written left to right.
Field half(int height);
// The satellite field (148 x 67, same image when pressed).
Field satellite();

using Row = std::vector<Field>;
using Configuration = std::vector<Row>;  // configuration k shows k fields

// The document text for configurations 1..N, as 8-bit bytes.
QByteArray document(const std::vector<Configuration> &configurations);

} // namespace quarn::navfields
