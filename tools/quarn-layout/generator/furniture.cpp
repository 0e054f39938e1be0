#include "generator/furniture.h"

#include "generator/values.h"
#include "common/reference_objects.h"

#include "core/construction/construction.h"

#include <QHash>
#include <QPair>

#include <algorithm>
#include <functional>
#include <memory>

namespace quarn::layouttool {

namespace {

struct Routine {
    const QMetaObject *metaObject;
    // Makes the piece under parent, named as given where the routine takes
    // a name; returns it.
    std::function<QWidget *(QWidget *parent, const QByteArray &name, const QByteArray &image, const QRect &place)> make;
    // The call in a form; %1 the field, %2 the parent, %3 the name, %4 the
    // image, %5 the place's x, y, %6 its x, y, width, height, %7 its width,
    // %8 its y.
    const char *call;
    int takes = 0; // what of the widget the routine takes, of the flags below
};
constexpr int kName = 1;
constexpr int kImage = 2;
constexpr int kPlace = 4;

// One routine: the class it makes; how it is called on a scratch parent,
// with the widget's name, image and place at hand; the call as a form writes
// it; and which of the three the routine takes.
#define QUARN_FURNITURE(Class, making, call, ...)                                                                  \
    Routine                                                                                                        \
    {                                                                                                              \
        &Class::staticMetaObject,                                                                                  \
            [](QWidget *parent, [[maybe_unused]] const QByteArray &name, [[maybe_unused]] const QByteArray &image, \
               [[maybe_unused]] const QRect &place) -> QWidget * {                                                 \
                Class *field = nullptr;                                                                            \
                return making;                                                                                     \
            },                                                                                                     \
            call, __VA_ARGS__                                                                                      \
    }

const std::vector<Routine> &routines()
{
    static const std::vector<Routine> all = {
        QUARN_FURNITURE(ZelIcon, bottomBar(field, parent), "bottomBar(%1, %2)"),
        QUARN_FURNITURE(ZelPushButton, backButton(field, parent), "backButton(%1, %2)"),
        QUARN_FURNITURE(ZelPushButton, contextMenuButton(field, parent), "contextMenuButton(%1, %2)"),
        QUARN_FURNITURE(ZelPushButton, barMapButton(field, parent), "barMapButton(%1, %2)"),
        QUARN_FURNITURE(ZelPushButton, barGoButton(field, parent), "barGoButton(%1, %2)"),
        QUARN_FURNITURE(QWidget, scrollButtonSlot(field, parent), "scrollButtonSlot(%1, %2)"),
        QUARN_FURNITURE(ZelPushButton, listHeaderButton(field, parent), "listHeaderButton(%1, %2)"),
        QUARN_FURNITURE(ZelPushButton, zoomInButton(field, parent), "zoomInButton(%1, %2)"),
        QUARN_FURNITURE(ZelPushButton, zoomOutButton(field, parent), "zoomOutButton(%1, %2)"),
        QUARN_FURNITURE(ZelIcon, titleHeader(field, parent, name.constData()), "titleHeader(%1, %2, %3)", kName),
        QUARN_FURNITURE(ZelIcon, titleIcon(field, parent, name.constData(), image.constData()),
                        "titleIcon(%1, %2, %3, %4)", kName | kImage),
        QUARN_FURNITURE(ZelTextBox,
                        tableCell(field, parent, name.constData(), place.x(), place.y(), place.width(), place.height()),
                        "tableCell(%1, %2, %3, %6)", kName | kPlace),
        QUARN_FURNITURE(ZelIcon, tableDateTitle(field, parent, place.width()), "tableDateTitle(%1, %2, %7)", kPlace),
        QUARN_FURNITURE(ZelTextBox, tableDate(field, parent, place.width()), "tableDate(%1, %2, %7)", kPlace),
        QUARN_FURNITURE(ZelMapControl, mapControl(field, parent), "mapControl(%1, %2)"),
        QUARN_FURNITURE(ZelNorthUpWidget, northUpIndicator(field, parent, place.x(), place.y()),
                        "northUpIndicator(%1, %2, %5)", kPlace),
        QUARN_FURNITURE(QWidget, scaleBar(field, parent, place.x(), place.y()), "scaleBar(%1, %2, %5)", kPlace),
        QUARN_FURNITURE(ZelIcon, scaleBracket(field, parent), "scaleBracket(%1, %2)"),
        QUARN_FURNITURE(ZelTextBox, scaleText(field, parent), "scaleText(%1, %2)"),
        QUARN_FURNITURE(ZelTextBox, scaleTextShadow(field, parent), "scaleTextShadow(%1, %2)"),
        QUARN_FURNITURE(ZelPushButton, goButton(field, parent), "goButton(%1, %2)"),
        QUARN_FURNITURE(ZelTextBox, goText(field, parent), "goText(%1, %2)"),
        QUARN_FURNITURE(ZelIcon, mapBottomPanel(field, parent, place.x(), place.y(), place.width(), place.height()),
                        "mapBottomPanel(%1, %2, %6)", kPlace),
        QUARN_FURNITURE(ZelPushButton,
                        mapBackButton(field, parent, place.x(), place.y(), place.width(), place.height()),
                        "mapBackButton(%1, %2, %6)", kPlace),
        QUARN_FURNITURE(ZelPushButton,
                        mapContextMenuButton(field, parent, place.x(), place.y(), place.width(), place.height()),
                        "mapContextMenuButton(%1, %2, %6)", kPlace),
        QUARN_FURNITURE(ZelIcon, mapInfoBar(field, parent, name.constData()), "mapInfoBar(%1, %2, %3)", kName),
        QUARN_FURNITURE(ZelTextBox, mapInfoLine(field, parent, name.constData()), "mapInfoLine(%1, %2, %3)", kName),
        QUARN_FURNITURE(ZelStatusIndicator, directionIndicator(field, parent, place.x(), place.y()),
                        "directionIndicator(%1, %2, %5)", kPlace),
        QUARN_FURNITURE(ZelTextBox, coordinateReadOut(field, parent, name.constData()), "coordinateReadOut(%1, %2, %3)",
                        kName),
        QUARN_FURNITURE(ZelTextBox, valueReadOut(field, parent, name.constData()), "valueReadOut(%1, %2, %3)", kName),
        QUARN_FURNITURE(ZelIcon, serviceTitleStrip(field, parent, place.y()), "serviceTitleStrip(%1, %2, %8)", kPlace),
        QUARN_FURNITURE(ZelTextBox, serviceTitle(field, parent), "serviceTitle(%1, %2)"),
        QUARN_FURNITURE(ZelIcon, serviceStatusBand(field, parent, name.constData(), place.y()),
                        "serviceStatusBand(%1, %2, %3, %8)", kName | kPlace),
        QUARN_FURNITURE(ZelTextBox, serviceStatusText(field, parent, name.constData()), "serviceStatusText(%1, %2, %3)",
                        kName),
        QUARN_FURNITURE(ZelCheckBox, serviceCheckBox(field, parent, name.constData(), place.x(), place.y()),
                        "serviceCheckBox(%1, %2, %3, %5)", kName | kPlace),
        QUARN_FURNITURE(ZelCheckBox, serviceRadioButton(field, parent, name.constData(), place.x(), place.y()),
                        "serviceRadioButton(%1, %2, %3, %5)", kName | kPlace),
        QUARN_FURNITURE(zelCompass, mapCompass(field, parent, place.x(), place.y()), "mapCompass(%1, %2, %5)", kPlace),
        QUARN_FURNITURE(ZelStatusIndicator, geocacheStatusIndicator(field, parent, place.x(), place.y()),
                        "geocacheStatusIndicator(%1, %2, %5)", kPlace),
        QUARN_FURNITURE(ZelStatusIndicator, geocacheSizeIndicator(field, parent, place.x(), place.y()),
                        "geocacheSizeIndicator(%1, %2, %5)", kPlace),
        QUARN_FURNITURE(ZelIcon, comboDropMark(field, parent, name.constData()), "comboDropMark(%1, %2, %3)", kName),
        QUARN_FURNITURE(ZelPushButton, calibrationStartButton(field, parent), "calibrationStartButton(%1, %2)"),
        QUARN_FURNITURE(ZelTextBox, calibrationStartCaption(field, parent), "calibrationStartCaption(%1, %2)"),
        QUARN_FURNITURE(ZelPushButton,
                        keyButton(field, parent, name.constData(), place.x(), place.y(), place.width(), place.height(),
                                  KeyFace::Tall),
                        "keyButton(%1, %2, %3, %6, KeyFace::Tall)", kName | kPlace),
        QUARN_FURNITURE(ZelPushButton,
                        keyButton(field, parent, name.constData(), place.x(), place.y(), place.width(), place.height(),
                                  KeyFace::Medium),
                        "keyButton(%1, %2, %3, %6, KeyFace::Medium)", kName | kPlace),
        QUARN_FURNITURE(ZelPushButton,
                        keyButton(field, parent, name.constData(), place.x(), place.y(), place.width(), place.height(),
                                  KeyFace::Wide),
                        "keyButton(%1, %2, %3, %6, KeyFace::Wide)", kName | kPlace),
        QUARN_FURNITURE(ZelPushButton,
                        keyButton(field, parent, name.constData(), place.x(), place.y(), place.width(), place.height(),
                                  KeyFace::Round),
                        "keyButton(%1, %2, %3, %6, KeyFace::Round)", kName | kPlace),
    };
    return all;
}

#undef QUARN_FURNITURE

// What a routine sets, as a .ui file writes it: its place apart, its name
// as the element's own.
QVector<LookSetting> pieceSettings(const QWidget &piece, const QObject *reference)
{
    QVector<LookSetting> settings = settingsOf(piece, reference);
    settings.erase(std::remove_if(settings.begin(), settings.end(),
                                  [](const LookSetting &s) { return s.name == QLatin1String("objectName"); }),
                   settings.end());
    if (piece.testAttribute(Qt::WA_Moved) || piece.testAttribute(Qt::WA_Resized)) {
        settings.append({QStringLiteral("geometry"), false, UiValue::ofRect(piece.geometry())});
    }
    return settings;
}

// Fresh controls of every class, to tell what a routine changed.
ReferenceObjects &references()
{
    static ReferenceObjects objects;
    return objects;
}

bool containsAll(const QVector<LookSetting> &have, const QVector<LookSetting> &wanted)
{
    return std::all_of(wanted.cbegin(), wanted.cend(), [&](const LookSetting &setting) {
        return std::any_of(have.cbegin(), have.cend(), [&](const LookSetting &given) { return given == setting; });
    });
}

struct RootRoutine {
    std::function<void(QWidget *root, const QPoint &offset)> run;
    // The call in a form; %1 the registration name, %2 the offset's x, y.
    const char *call;
};

const std::vector<RootRoutine> &rootRoutines()
{
    static const std::vector<RootRoutine> all = {
        {[](QWidget *root, const QPoint &) { quickInfoBarRoot(root, "root"); }, "quickInfoBarRoot(root, %1)"},
        {[](QWidget *root, const QPoint &offset) { mapBubbleRoot(root, "root", offset.x(), offset.y()); },
         "mapBubbleRoot(root, %1, %2)"},
    };
    return all;
}

// The fields navigationPanels fills, as the currents and tide screens name them.
struct NavigationPanelsRecord {
    ZelIcon *statusBar;
    ZelPushButton *btnBack, *btnContextMenu, *btnMap, *btnGo;
    QWidget *headerControl;
    ZelPushButton *btnLocation;
    ZelIcon *iconPaneLocation;
    ZelTextBox *dateTimeLabel_3, *labelLocation;
    ZelPushButton *btnDDE;
    ZelTextBox *txtDirection;
    ZelStatusIndicator *iconDirection;
    ZelIcon *iconFlag;
    ZelTextBox *txtDistance;
};

GroupRoutine groupMadeBy(const QString &call, const std::function<void(QWidget *root)> &make)
{
    QWidget scratch;
    make(&scratch);
    GroupRoutine group{call, {}};
    for (const QWidget *piece : scratch.findChildren<QWidget *>()) {
        const QWidget *parent = piece->parentWidget();
        group.pieces.append({QLatin1String(piece->metaObject()->className()), piece->objectName(),
                             parent == &scratch ? QStringLiteral("root") : parent->objectName(),
                             pieceSettings(*piece, references().referenceFor(piece->metaObject()))});
    }
    return group;
}

} // namespace

FurnitureMatch findRootFurniture(const QString &className, const QPoint &offset,
                                 const QVector<LookSetting> &rootSettings)
{
    for (const RootRoutine &routine : rootRoutines()) {
        QWidget scratch;
        routine.run(&scratch, offset);
        const QVector<LookSetting> settings = pieceSettings(scratch, references().freshRoot());
        if (!containsAll(rootSettings, settings))
            continue;
        QString call = QString::fromLatin1(routine.call);
        call.replace(QLatin1String("%1"), values::literal(className))
            .replace(QLatin1String("%2"), QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y()));
        return {call, settings};
    }
    return {};
}

const QVector<GroupRoutine> &groupRoutines()
{
    static const QVector<GroupRoutine> all = {
        groupMadeBy(QStringLiteral("navigationPanels(ui, root)"),
                    [](QWidget *root) {
                        NavigationPanelsRecord ui;
                        navigationPanels(ui, root);
                    }),
    };
    return all;
}

QVector<FurnitureMatch> findRootLooks(const QVector<LookSetting> &rootSettings, const QHash<QString, QPoint> &points)
{
    // Each gives the scratch root its settings and returns its call.
    static const QVector<std::function<QString(Root &, const QHash<QString, QPoint> &)>> looks = {
        [](Root &root, const QHash<QString, QPoint> &) {
            root.navigationFieldBarPlacement();
            return QStringLiteral(".navigationFieldBarPlacement()");
        },
        [](Root &root, const QHash<QString, QPoint> &points) {
            const int in = points.value(QStringLiteral("zoomInStd")).y();
            const int out = points.value(QStringLiteral("zoomOutStd")).y();
            root.zoomPositions(in, out);
            return QStringLiteral(".zoomPositions(%1, %2)").arg(in).arg(out);
        },
    };
    QVector<FurnitureMatch> found;
    for (const auto &look : looks) {
        QWidget scratch;
        Root root(&scratch, "root");
        const QString call = look(root, points);
        const QVector<LookSetting> settings = pieceSettings(scratch, references().freshRoot());
        if (containsAll(rootSettings, settings))
            found.append({call, settings});
    }
    return found;
}

FurnitureMatch findNavigationFieldBar(const QString &className, const QString &name,
                                      const std::vector<navfields::Configuration> &configurations,
                                      const QVector<LookSetting> &widgetSettings, const QString &field,
                                      const QString &parent, const QString &table)
{
    if (className != QLatin1String(ZelWidget::staticMetaObject.className()))
        return {};
    QWidget scratch;
    ZelWidget *bar = nullptr;
    navigationFieldBar(bar, &scratch, configurations);
    const QVector<LookSetting> settings = pieceSettings(*bar, references().referenceFor(&ZelWidget::staticMetaObject));
    if (bar->objectName() != name || !containsAll(widgetSettings, settings))
        return {};
    return {QStringLiteral("navigationFieldBar(%1, %2, %3)").arg(field, parent, table), settings};
}

FurnitureMatch findFurniture(const QString &className, const QString &name, const QString &image, const QRect &place,
                             const QVector<LookSetting> &widgetSettings, const QString &field, const QString &parent)
{
    // What a routine makes depends only on the name and picture it takes.
    static QHash<QString, QPair<QString, QVector<LookSetting>>> made;
    for (std::size_t index = 0; index < routines().size(); ++index) {
        const Routine &routine = routines()[index];
        if (QLatin1String(routine.metaObject->className()) != className || ((routine.takes & kImage) && image.isEmpty())
            || ((routine.takes & kPlace) && !place.isValid()))
            continue;
        const QRect given = (routine.takes & kPlace) ? place : QRect();
        const QString key =
            QStringLiteral("%1/%2/%3/%4,%5,%6,%7")
                .arg(index)
                .arg((routine.takes & kName) ? name : QString(), (routine.takes & kImage) ? image : QString())
                .arg(given.x())
                .arg(given.y())
                .arg(given.width())
                .arg(given.height());
        if (!made.contains(key)) {
            QWidget scratch;
            QWidget *piece = routine.make(&scratch, name.toUtf8(), image.toUtf8(), given);
            made.insert(key,
                        {piece->objectName(), pieceSettings(*piece, references().referenceFor(routine.metaObject))});
        }
        if (made.value(key).first != name)
            continue;
        const QVector<LookSetting> &settings = made.value(key).second;
        if (!containsAll(widgetSettings, settings))
            continue;
        QString call = QString::fromLatin1(routine.call);
        call.replace(QLatin1String("%1"), field).replace(QLatin1String("%2"), parent);
        call.replace(QLatin1String("%3"), values::literal(name)).replace(QLatin1String("%4"), values::literal(image));
        call.replace(QLatin1String("%5"), QStringLiteral("%1, %2").arg(place.x()).arg(place.y()));
        call.replace(
            QLatin1String("%6"),
            QStringLiteral("%1, %2, %3, %4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height()));
        call.replace(QLatin1String("%7"), QString::number(place.width()));
        call.replace(QLatin1String("%8"), QString::number(place.y()));
        return {call, settings};
    }
    return {};
}

} // namespace quarn::layouttool
