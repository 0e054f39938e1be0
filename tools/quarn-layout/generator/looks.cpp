#include "generator/looks.h"

#include "common/image_index.h"
#include "common/reference_objects.h"
#include "uiform/property_filter.h"
#include "uiform/ui_values.h"

#include "core/construction/construction.h"

#include <QTextEdit>

#include <algorithm>
#include <functional>
#include <memory>

namespace quarn::layouttool {

namespace {

struct LookEntry {
    const char *method;
    const QMetaObject *metaObject;
    std::function<void(QObject *)> apply;
    std::function<QWidget *()> create;
};

// Through the Row setting itself, so what is recognised is what a form calls.
#define QUARN_LOOK(Class, method)                                                                   \
    LookEntry                                                                                       \
    {                                                                                               \
#method "()", &Class::staticMetaObject,                                                           \
            [](QObject *object) { Row<Class>(static_cast<Class *>(object)).method(); },                    \
            [] { return static_cast<QWidget *>(new Class(nullptr)); } \
    }
// The looks written as routines of their own, applied with Row::with.
#define QUARN_ROUTINE_LOOK(Class, routine)                                                   \
    LookEntry                                                                                \
    {                                                                                        \
        "with(" #routine ")", &Class::staticMetaObject,                                      \
            [](QObject *object) { Row<Class>(static_cast<Class *>(object)).with(routine); }, \
            [] { return static_cast<QWidget *>(new Class(nullptr)); }                        \
    }

const LookEntry kLooks[] = {
    QUARN_LOOK(ZelComboBox, standardComboBox),
    QUARN_LOOK(ZelComboBox, smallComboBox),
    QUARN_LOOK(ZelComboBox, routeComboBox),
    QUARN_LOOK(ZelTextBox, panelText),
    QUARN_LOOK(ZelTextBox, titleText),
    QUARN_LOOK(ZelTextBox, menuCaption),
    QUARN_LOOK(ZelTextBox, settingCaption),
    QUARN_LOOK(ZelTextBox, quickInfoText),
    QUARN_LOOK(ZelTextBox, mediaInfoName),
    QUARN_LOOK(ZelTextBox, mediaInfoValue),
    QUARN_LOOK(ZelTextBox, mediaInfoSmallPrint),
    QUARN_LOOK(ZelTextBox, trackInfoName),
    QUARN_LOOK(ZelTextBox, trackInfoValue),
    QUARN_LOOK(ZelPushButton, roundButton),
    QUARN_LOOK(ZelPushButton, panelButton),
    QUARN_LOOK(ZelPushButton, plainPanelButton),
    QUARN_LOOK(ZelPushButton, toggleButton),
    QUARN_LOOK(ZelPushButton, goButton),
    QUARN_LOOK(ZelPushButton, mapPreviewButton),
    QUARN_LOOK(ZelPushButton, actionButton),
    QUARN_LOOK(ZelPushButton, contextMenuButton),
    QUARN_LOOK(ZelPushButton, closedPageButton),
    QUARN_LOOK(ZelPushButton, listButton),
    QUARN_LOOK(ZelPushRadioButton, radioChoice),
    QUARN_LOOK(ZelPushCheckBox, listCheckBox),
    QUARN_LOOK(zelCoordEntryWidget, numericParameterEntry),
    QUARN_LOOK(zelCompass, standardMapCompass),
    QUARN_LOOK(ZelTextBox, plainPanelText),
    QUARN_LOOK(ZelTextBox, caption),
    QUARN_LOOK(ZelTextBox, smallCaption),
    QUARN_LOOK(ZelTextArea, smallCaption),
    QUARN_LOOK(ZelTextBox, buttonLabel),
    QUARN_LOOK(ZelTextBox, listItemName),
    QUARN_LOOK(ZelTextBox, listItemDetail),
    QUARN_LOOK(ZelTextBox, distanceBarText),
    QUARN_LOOK(ZelTextBox, datumParameterName),
    QUARN_LOOK(ZelTextBox, gridParameterName),
    QUARN_LOOK(ZelTextBox, popupCoordinates),
    QUARN_LOOK(ZelTextBox, locationCoordinate),
    QUARN_LOOK(ZelTextBox, titlePageNumber),
    QUARN_LOOK(ZelTextBox, listHeaderCount),
    QUARN_LOOK(ZelTextBox, filterChoice),
    QUARN_LOOK(ZelTextBox, regularValue),
    QUARN_LOOK(ZelTextBox, memoryFigureName),
    QUARN_LOOK(ZelTextBox, geofenceAlertLabel),
    QUARN_LOOK(ZelTextBox, mediaMenuCaption),
    QUARN_LOOK(ZelScrollArea, scrollingPage),
    QUARN_LOOK(ZelPushButton, closeButton),
    QUARN_LOOK(ZelPushButton, flatToggleButton),
    QUARN_LOOK(zelCoordEntryWidget, coordinateDisplay),
    QUARN_LOOK(ZelTextBox, actionButtonLabel),
    QUARN_LOOK(ZelPushButton, labelledActionButton),
    QUARN_LOOK(ZelTextBox, distancePageName),
    QUARN_LOOK(ZelTextBox, distancePageValue),
    QUARN_LOOK(ZelTextBox, paneValue),
    QUARN_LOOK(ZelTextBox, largeCaption),
    QUARN_LOOK(ZelTextBox, levelCaption),
    QUARN_LOOK(ZelTextBox, filterButtonCaption),
    QUARN_ROUTINE_LOOK(zelCalendarWidget, standardCalendar),
    QUARN_ROUTINE_LOOK(ZelAnimationCtrl, figureEightAnimation),
    QUARN_ROUTINE_LOOK(QTextEdit, sunMoonReadout),
};

#undef QUARN_LOOK
#undef QUARN_ROUTINE_LOOK

} // namespace

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
        for (const LookEntry &entry : kLooks) {
            std::unique_ptr<QWidget> widget(entry.create());
            entry.apply(widget.get());
            NamedLook look{QLatin1String(entry.method), QLatin1String(entry.metaObject->className()),
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
