#pragma once

#include <QString>
#include <QList>
#include <QStringList>

class QBrush;
class QColor;
class QFont;
class QIcon;
class QMetaEnum;
class QPalette;
class QRect;
class QSize;
class QVariant;
class QXmlStreamWriter;

namespace quarn::layouttool {

class ImageIndex;
class TranslationTemplate;
struct UiProperty;

// Writes property values as a .ui file spells them. Pictures are written as
// the resource paths they were loaded from, so the index must know the
// images the form was built with. What has no spelling is not written but
// noted among the omissions, one line each.
class UiValueWriter
{
public:
    UiValueWriter(QXmlStreamWriter &xml, const ImageIndex &images, QStringList &omissions);

    void writeProperty(const UiProperty &property);
    void writeProperty(const QString &name, const QVariant &value, bool translatable, bool byName);
    void writeEnumProperty(const QString &name, const QMetaEnum &enumerator, int value, bool byName);
    void writeRectProperty(const QString &name, const QRect &rect);
    void writeFontProperty(const QFont &font);
    void writePaletteProperty(const QPalette &palette);
    // A <property> element left open for the caller's value.
    void startProperty(const QString &name, bool byName);
    void writeSize(const QSize &size);

    // Translatable texts carry what the template says of them in context:
    // the disambiguation and the note for translators.
    void setTranslationTemplate(const TranslationTemplate *translations, const QString &context);

    // Scope::Key, or keys joined with '|' for a flag; empty when value has no key.
    static QString enumText(const QMetaEnum &enumerator, int value);

private:
    void writeIcon(const QString &name, const QIcon &icon, bool byName);
    void writeList(const QString &name, const QList<QVariant> &list, bool byName);
    void writeValue(const QVariant &value, bool translatable);
    void writeTextNotes(const QString &text);
    void writeRect(const QRect &rect);
    void writeColor(const QColor &colour);
    void writeBrush(const QBrush &brush);
    void writeFont(const QFont &font);
    void writePalette(const QPalette &palette);
    static bool isExpressible(const QVariant &value);

    QXmlStreamWriter &m_xml;
    const ImageIndex &m_images;
    QStringList &m_omissions;
    const TranslationTemplate *m_translations = nullptr;
    QString m_context;
};

} // namespace quarn::layouttool
