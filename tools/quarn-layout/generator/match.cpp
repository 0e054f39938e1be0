// The match pass: what of a form the construction routines' own vocabulary
// says, so that the write pass states only the rest. The rules, in the order
// a row meets them:
//  1. Settings a construction makes anyway are no setting of the form (see
//     orderedSettings).
//  2. A widget that a furniture routine makes, with its class and name and
//     every setting the routine gives it, is made by that routine; the
//     routine's settings leave the row. A data-field bar whose document a
//     table of fields writes is the bar's routine with that table.
//  3. Of the named looks for the class, the first (most settings first) whose
//     every setting the row has is applied; its settings leave the row.
//  4. Pictures a control takes together go through one setting, all or none.
//  5. The root: the routine of a root that gives it all its settings
//     (quick-info bars, map bubbles), and Root methods giving several.
//  6. A routine making several fields replaces their rows where the form has
//     each piece exactly, with nothing more, and the rows follow one another
//     (the last is checked by the write pass, which knows the rows).
// Values are compared as the form's typed values, never as text.

#include "generator/looks.h"
#include "generator/nav_field_table.h"
#include "generator/passes.h"
#include "generator/values.h"

#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace quarn::layouttool::generator {

namespace {

// Pictures a control takes together, through one Row setting with the
// properties as its arguments (row_settings.def).
struct CombinedSetting {
    const char *method;
    QStringList properties;
};

const QVector<CombinedSetting> &combinedSettings()
{
    static const QVector<CombinedSetting> combined = {
#define QUARN_COMBINED(setting, properties) {#setting, QStringLiteral(properties).split(QLatin1Char(' '))},
#include "core/construction/row_settings.def"
    };
    return combined;
}

QVector<LookSetting> settingsOfRow(const QVector<UiProperty> &properties)
{
    QVector<LookSetting> settings;
    for (const UiProperty &property : properties)
        settings.append({property.name, property.byName, property.value});
    return settings;
}

QVector<LookSetting> settingsOfRow(const QVector<const UiProperty *> &properties)
{
    QVector<LookSetting> settings;
    for (const UiProperty *property : properties)
        settings.append({property->name, property->byName, property->value});
    return settings;
}

// The point properties set by name, which some root routines take.
QHash<QString, QPoint> pointsOf(const UiWidget &widget)
{
    QHash<QString, QPoint> points;
    for (const UiProperty &property : widget.properties) {
        if (property.byName && property.value.kind == UiValue::Kind::Point)
            points.insert(property.name, property.value.rect.topLeft());
    }
    return points;
}

// A data-field bar's document as a table of fields, where one writes it.
bool navFieldTableOf(const UiWidget &widget, NavFieldTable *table)
{
    for (const UiProperty &property : widget.properties) {
        if (property.byName && property.name == QLatin1String("navFieldsCfg")
            && property.value.kind == UiValue::Kind::CString)
            return navFieldTable(property.value.text.toUtf8(), table);
    }
    return false;
}

// Settings go in the order a row applies them: place and size first, then
// palette and font, then the class's own, then properties by name. Left out
// is what the construction makes anyway: a widget made without a parent has
// window data (shown as a size increment in the form), and a scroll area
// fills its content's background.
const QStringList &earlySettings()
{
    static const QStringList first = {
        QStringLiteral("enabled"),       QStringLiteral("geometry"),    QStringLiteral("sizePolicy"),
        QStringLiteral("minimumSize"),   QStringLiteral("maximumSize"), QStringLiteral("baseSize"),
        QStringLiteral("sizeIncrement"), QStringLiteral("palette"),     QStringLiteral("font"),
        QStringLiteral("html"),          QStringLiteral("plainText")};
    return first;
}

QVector<const UiProperty *> orderedSettings(const UiWidget &widget, bool parentless, bool scrollContent)
{
    const QStringList &first = earlySettings();
    const auto implied = [&](const UiProperty &property) {
        if (property.byName)
            return false;
        if (parentless && property.name == QLatin1String("sizeIncrement") && property.value == UiValue::ofSize(0, 0))
            return true;
        return scrollContent && property.name == QLatin1String("autoFillBackground")
            && property.value.kind == UiValue::Kind::Bool && property.value.boolean;
    };
    QVector<const UiProperty *> ordered;
    for (const QString &name : first) {
        for (const UiProperty &property : widget.properties) {
            if (!property.byName && property.name == name && !implied(property))
                ordered.append(&property);
        }
    }
    for (const UiProperty &property : widget.properties) {
        if (!property.byName && !first.contains(property.name) && !implied(property))
            ordered.append(&property);
    }
    for (const UiProperty &property : widget.properties) {
        if (property.byName)
            ordered.append(&property);
    }
    return ordered;
}

int countEarly(const QVector<const UiProperty *> &ordered)
{
    int early = 0;
    while (early < ordered.size() && !ordered.at(early)->byName && earlySettings().contains(ordered.at(early)->name))
        ++early;
    return early;
}

// Takes the settings out of properties, each once, where present.
void takeSettings(const QVector<LookSetting> &settings, QVector<const UiProperty *> *properties)
{
    for (const LookSetting &setting : settings) {
        const auto found =
            std::find_if(properties->begin(), properties->end(), [&](const UiProperty *p) { return setting.sets(*p); });
        if (found != properties->end())
            properties->erase(found);
    }
}

class Matcher
{
public:
    Matcher(const UiForm &form, FormMatches *matches)
        : m_form(form)
        , m_className(formClassName(form))
        , m_matches(*matches)
    {
    }

    bool run(QString *error)
    {
        m_error = error;
        const UiWidget &root = *m_form.root;
        // Rule 5: a root routine first, then the looks among what it leaves.
        m_matches.rootRoutine = findRootFurniture(m_className, pointsOf(root).value(QStringLiteral("Offset")),
                                                  settingsOfRow(root.properties));
        m_matches.rootLooks = findRootLooks(settingsOfRow(root.properties), pointsOf(root));
        if (!contents(root))
            return false;
        matchGroups();
        return true;
    }

private:
    // In the order the write pass makes the rows: a widget, its layout's
    // members, its children.
    bool contents(const UiWidget &widget)
    {
        if (widget.layout && !laidOut(*widget.layout))
            return false;
        for (const auto &child : widget.children) {
            if (!row(*child))
                return false;
        }
        return true;
    }

    bool laidOut(const UiLayout &layout)
    {
        for (const UiLayoutItem &item : layout.items) {
            if (item.widget && !row(*item.widget))
                return false;
            if (item.layout && !laidOut(*item.layout))
                return false;
        }
        return true;
    }

    bool row(const UiWidget &widget)
    {
        RowMatch &match = m_matches.rows[&widget];
        const QString parent = parentOf(widget);
        const bool scrollContent = isScrollContent(widget);
        NavFieldTable table;
        const bool hasTable = navFieldTableOf(widget, &table);
        if (hasTable)
            m_matches.tables.insert(&widget, tableName(widget, table));
        match.settings = orderedSettings(widget, parent == QLatin1String("nullptr"), scrollContent);
        // Rule 2: furniture, where the row is made by make() (scroll content is not).
        if (!scrollContent) {
            FurnitureMatch found;
            const QVector<LookSetting> settings = settingsOfRow(match.settings);
            if (hasTable)
                found = findNavigationFieldBar(widget.className, widget.name, table.configurations, settings,
                                               field(widget.name), parent, m_matches.tables.value(&widget));
            if (found.call.isEmpty()) {
                const UiProperty *image = widget.property(QStringLiteral("image"));
                const UiProperty *place = widget.property(QStringLiteral("geometry"));
                found =
                    findFurniture(widget.className, widget.name,
                                  image && image->value.kind == UiValue::Kind::Pixmap ? image->value.text : QString(),
                                  place && place->value.kind == UiValue::Kind::Rect ? place->value.rect : QRect(),
                                  settings, field(widget.name), parent);
            }
            if (!found.call.isEmpty()) {
                takeSettings(found.settings, &match.settings);
                match.call = found.call;
            }
        }
        match.look = takeLook(widget.className, &match.settings);
        if (!takeCombined(widget, &match.settings, &match.combined))
            return false;
        match.early = countEarly(match.settings);
        return contents(widget);
    }

    // Rule 3: the named look with the most settings that the row has all of.
    static QString takeLook(const QString &className, QVector<const UiProperty *> *properties)
    {
        for (const NamedLook &look : namedLooks()) {
            if (look.className != className)
                continue;
            const bool all = std::all_of(look.settings.cbegin(), look.settings.cend(), [&](const LookSetting &s) {
                return std::any_of(properties->cbegin(), properties->cend(),
                                   [&](const UiProperty *p) { return s.sets(*p); });
            });
            if (!all)
                continue;
            takeSettings(look.settings, properties);
            return look.method;
        }
        return QString();
    }

    // Rule 4: pictures set together take one setting; all of them or none.
    bool takeCombined(const UiWidget &widget, QVector<const UiProperty *> *properties, QString *text)
    {
        for (const CombinedSetting &setting : combinedSettings()) {
            QStringList arguments;
            QVector<const UiProperty *> taken;
            QString missing;
            for (QString name : setting.properties) {
                const bool optional = name.endsWith(QLatin1Char('?'));
                if (optional)
                    name.chop(1);
                // A translated text is set in retranslateUi, on its own.
                const auto found = std::find_if(properties->cbegin(), properties->cend(), [&](const UiProperty *p) {
                    return p->name == name && !p->byName
                        && !(p->value.kind == UiValue::Kind::String && !isUntranslated(*p));
                });
                if (found == properties->cend()) {
                    if (!optional && missing.isEmpty())
                        missing = name;
                    continue;
                }
                QString argument;
                if (!values::arguments((*found)->value, &argument, m_error))
                    return false;
                arguments.append(argument);
                taken.append(*found);
            }
            if (taken.isEmpty())
                continue;
            if (!missing.isEmpty()) {
                *m_error = refusal(elementOf(*taken.first()),
                                   QStringLiteral("of %1: %2 is set with %3, which it lacks")
                                       .arg(widget.name, taken.first()->name, missing));
                return false;
            }
            for (const UiProperty *property : qAsConst(taken))
                properties->removeOne(property);
            *text += QStringLiteral(".%1(%2)").arg(QLatin1String(setting.method), arguments.join(QLatin1String(", ")));
        }
        return true;
    }

    // How the form names a table of fields: a shared one by its routine, its
    // own as a constant named for the form (forms are compiled in batches that
    // share one anonymous namespace), and for the bar where the form has two.
    QString tableName(const UiWidget &widget, const NavFieldTable &table)
    {
        if (!table.shared.isEmpty())
            return table.shared;
        static const QRegularExpression suffix(QStringLiteral("(ScreenClass|ScrClass|Class)$"));
        const QString stem = QString(m_className).remove(suffix);
        QString name = QStringLiteral("k%1DataFields").arg(stem);
        auto &known = m_matches.tableDefinitions;
        for (const auto &definition : qAsConst(known)) {
            if (definition.first == name && definition.second != navFieldTableDefinition(name, table)) {
                name = QStringLiteral("k%1%2%3Fields").arg(stem, widget.name.left(1).toUpper(), widget.name.mid(1));
                break;
            }
        }
        const QPair<QString, QString> definition(name, navFieldTableDefinition(name, table));
        if (!known.contains(definition))
            known.append(definition);
        return name;
    }

    // Rule 6: the pieces are widgets no layout holds, each with the class,
    // name and parent the routine gives it and exactly its settings (texts
    // apart, which retranslateUi sets).
    void matchGroups()
    {
        QHash<QString, const UiWidget *> placed;
        const std::function<void(const UiWidget &)> collect = [&](const UiWidget &widget) {
            for (const auto &child : widget.children) {
                placed.insert(child->name, child.get());
                collect(*child);
            }
        };
        collect(*m_form.root);
        for (const GroupRoutine &group : groupRoutines()) {
            bool all = !group.pieces.isEmpty();
            FormMatches::Group found{group.call, {}};
            for (const GroupPiece &piece : group.pieces) {
                const UiWidget *widget = placed.value(piece.name);
                found.pieces.append(widget);
                if (!widget || widget->className != piece.className
                    || (widget->parent == m_form.root.get() ? QStringLiteral("root") : widget->parent->name)
                        != piece.parent
                    || !setsExactly(*widget, piece.settings)) {
                    all = false;
                    break;
                }
            }
            if (all)
                m_matches.groups.append(found);
        }
    }

    static bool setsExactly(const UiWidget &widget, const QVector<LookSetting> &settings)
    {
        QVector<const UiProperty *> have;
        for (const UiProperty &property : widget.properties) {
            if (!isRetranslated(property))
                have.append(&property);
        }
        if (have.size() != settings.size())
            return false;
        takeSettings(settings, &have);
        return have.isEmpty();
    }

    const UiForm &m_form;
    const QString m_className;
    FormMatches &m_matches;
    QString *m_error = nullptr;
};

} // namespace

QString parentOf(const UiWidget &widget)
{
    const UiWidget *parent = widget.parent;
    if (!parent)
        return QString();
    const QString made = parent->parent ? field(parent->name) : QStringLiteral("root");
    const bool child = std::any_of(parent->children.cbegin(), parent->children.cend(),
                                   [&](const auto &c) { return c.get() == &widget; });
    if (!child)
        return made;
    if (parent->className == QLatin1String("QStackedWidget"))
        return QStringLiteral("nullptr");
    // Content that was a window while the form placed it is made without a parent.
    if (isScrollContent(widget)) {
        const UiProperty *increment = widget.property(QStringLiteral("sizeIncrement"));
        return increment && !increment->byName ? QStringLiteral("nullptr") : made;
    }
    return made;
}

bool isScrollContent(const UiWidget &widget)
{
    const UiWidget *parent = widget.parent;
    return parent && parent->className != QLatin1String("QStackedWidget")
        && parent->className.endsWith(QLatin1String("ScrollArea"))
        && std::any_of(parent->children.cbegin(), parent->children.cend(),
                       [&](const auto &c) { return c.get() == &widget; });
}

bool match(const UiForm &form, FormMatches *matches, QString *error)
{
    return Matcher(form, matches).run(error);
}

} // namespace quarn::layouttool::generator
