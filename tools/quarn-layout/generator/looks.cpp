#include "generator/looks.h"

#include "common/image_index.h"
#include "common/reference_objects.h"
#include "uiform/property_filter.h"
#include "uiform/ui_values.h"

#include "core/construction/look_table.h"

#include <QTextEdit>

#include <algorithm>
#include <functional>
#include <memory>

namespace quarn::layouttool {

// The properties a .ui file would give the object, as the form's values.
QVector<LookSetting> settingsOf(const QWidget &object, const QObject *reference)
{
    QVector<ObjectProperty> properties =
        UiPropertyFilter::changedProperties(object, reference, object.metaObject()->propertyCount());
    properties += UiPropertyFilter::dynamicProperties(object);
    static const ImageIndex images = ImageIndex::scan();
    QStringList omissions;
    UiValueConverter converter(images, omissions);
    QVector<UiProperty> converted;
    for (ObjectProperty &property : properties) {
        // What a routine sets in setupUi is not translated.
        property.translatable = false;
        converter.add(converted, property);
    }
    if (object.testAttribute(Qt::WA_SetFont))
        converter.addFont(converted, object.font());
    if (object.testAttribute(Qt::WA_SetPalette))
        converter.addPalette(converted, object.palette());
    QVector<LookSetting> settings;
    for (const UiProperty &property : qAsConst(converted))
        settings.append({property.name, property.byName, property.value});
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
