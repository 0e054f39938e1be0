#pragma once

// Values of a live object as a Designer form holds them: the one way from a
// QVariant, a font or a palette to the form's typed value. The generator
// compares what a routine sets with what a form holds in these values too.

#include "uiform/ui_model.h"

#include <QStringList>

class QFont;
class QMetaEnum;
class QPalette;
class QVariant;

namespace quarn::layouttool {

class ImageIndex;
class TranslationTemplate;
struct ObjectProperty;

// Pictures become the resource paths they were loaded from, so the index must
// know the images the object was built with. What has no spelling is not
// converted but noted among the omissions, one line each.
class UiValueConverter
{
public:
    UiValueConverter(const ImageIndex &images, QStringList &omissions);

    // Translatable texts carry what the template says of them in context:
    // the disambiguation and the note for translators.
    void setTranslationTemplate(const TranslationTemplate *translations, const QString &context);

    // Each appends the property to properties unless it has no spelling.
    void add(QVector<UiProperty> &properties, const ObjectProperty &property);
    void add(QVector<UiProperty> &properties, const QString &name, const QVariant &value, bool translatable,
             bool byName);
    void addEnum(QVector<UiProperty> &properties, const QString &name, const QMetaEnum &enumerator, int value,
                 bool byName);
    void addFont(QVector<UiProperty> &properties, const QFont &font);
    void addPalette(QVector<UiProperty> &properties, const QPalette &palette);

    // Scope::Key, or keys joined with '|' for a flag; empty when value has no key.
    static QString enumText(const QMetaEnum &enumerator, int value);
    static UiValue paletteValue(const QPalette &palette);
    // Only what the font resolves, as a form sets no more.
    UiValue fontValue(const QFont &font);

private:
    // False where value has no spelling (noted, unless it is an empty picture).
    bool convert(const QString &name, const QVariant &value, bool translatable, UiValue *out);

    const ImageIndex &m_images;
    QStringList &m_omissions;
    const TranslationTemplate *m_translations = nullptr;
    QString m_context;
};

// Qt's flags as UiValueConverter::enumText spells their value, whatever order
// or synonyms the text lists (Designer writes AlignRight|AlignTrailing for
// what is AlignTrailing alone); the text itself when it is no set of one of
// Qt's flags.
QString canonicalQtFlags(const QString &text);

} // namespace quarn::layouttool
