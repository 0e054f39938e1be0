#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QVariant>

class QFont;
class QMetaProperty;
class QPalette;

namespace quarn::layouttool {

class ImageIndex;

// Plain JSON for the values forms set: sizes and points as [w,h] and [x,y],
// rectangles as [x,y,w,h], colours as [r,g,b,a], byte
// arrays and strings as text, lists as arrays, pixmaps (and textured brushes)
// as their resource path, icons as {"normaloff": path, ...} for each mode and
// state given, fonts and palettes as by jsonFont and jsonPalette.
// A pixmap that matches no known image becomes "<unknown image WxH>"; a type
// with no plain form becomes "<TypeName>".
QJsonValue jsonValue(const QVariant &value, const ImageIndex &images);

// As jsonValue, but enumerations and flags by their key names ("NoFocus",
// "AlignLeft|AlignVCenter").
QJsonValue jsonPropertyValue(const QMetaProperty &property, const QVariant &value, const ImageIndex &images);

// The integer of an enumeration or flags value however it is stored; 0 and
// *ok false when the value is none.
int enumValue(const QVariant &value, bool *ok = nullptr);

// Only what was set on the font: family and size where set, always the bold
// flag, weight, kerning and whether antialiasing is preferred.
QJsonObject jsonFont(const QFont &font);
// Every attribute of the font, set or inherited: family, pointSize or
// pixelSize, bold, weight, italic, underline, kerning, antialias.
QJsonObject jsonCompleteFont(const QFont &font);

// Only the roles set on the palette: role name -> {active, inactive, disabled}.
QJsonObject jsonPalette(const QPalette &palette);
// Every role of the palette, set or inherited.
QJsonObject jsonCompletePalette(const QPalette &palette);

} // namespace quarn::layouttool
