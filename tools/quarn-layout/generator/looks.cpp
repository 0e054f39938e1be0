#include "generator/looks.h"

#include "generator/values.h"
#include "common/image_index.h"
#include "common/reference_objects.h"
#include "uiform/property_filter.h"
#include "uiform/value_writer.h"

#include "core/construction/look_table.h"

#include <QBuffer>
#include <QTextEdit>
#include <QDomDocument>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>
#include <memory>

namespace quarn::layouttool {

// The properties a .ui file would give the object, as name and value signature.
QVector<LookSetting> settingsOf(const QWidget &object, const QObject *reference)
{
    QVector<UiProperty> properties =
        UiPropertyFilter::changedProperties(object, reference, object.metaObject()->propertyCount());
    properties += UiPropertyFilter::dynamicProperties(object);
    // What a routine sets in setupUi is not translated.
    for (UiProperty &property : properties)
        property.translatable = false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    static const ImageIndex images = ImageIndex::scan();
    QStringList omissions;
    UiValueWriter writer(xml, images, omissions);
    xml.writeStartElement(QStringLiteral("look"));
    for (const UiProperty &property : qAsConst(properties))
        writer.writeProperty(property);
    if (object.testAttribute(Qt::WA_SetFont))
        writer.writeFontProperty(object.font());
    if (object.testAttribute(Qt::WA_SetPalette))
        writer.writePaletteProperty(object.palette());
    xml.writeEndElement();
    buffer.close();
    QDomDocument document;
    document.setContent(bytes);
    QVector<LookSetting> settings;
    for (QDomElement property = document.documentElement().firstChildElement(); !property.isNull();
         property = property.nextSiblingElement()) {
        settings.append({property.attribute(QStringLiteral("name")),
                         property.attribute(QStringLiteral("stdset")) == QLatin1String("0"),
                         values::signature(property.firstChildElement())});
    }
    return settings;
}

const QVector<NamedLook> &namedLooks()
{
    static const QVector<NamedLook> looks = [] {
        ReferenceObjects references;
        QVector<NamedLook> found;
        for (const LookTableEntry &entry : kLookTable) {
            std::unique_ptr<QWidget> widget(entry.create());
            entry.apply(widget.get());
            NamedLook look{QLatin1String(entry.call), QLatin1String(entry.metaObject->className()),
                           settingsOf(*widget, references.referenceFor(entry.metaObject))};
            if (!look.settings.isEmpty())
                found.append(look);
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const NamedLook &a, const NamedLook &b) { return a.settings.size() > b.settings.size(); });
        return found;
    }();
    return looks;
}

} // namespace quarn::layouttool
