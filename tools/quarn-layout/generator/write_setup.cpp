// The write pass, setupUi: one row per object in the order uic would make
// them, stating what the match pass left of each, then the statements that
// need every row made (layout members, pages, scroll contents, raises,
// buddies).

#include "generator/passes.h"
#include "generator/values.h"

#include "core/construction/layouts.h"

#include <QMap>
#include <QWidget>

#include <algorithm>

namespace quarn::layouttool::generator {

namespace {

using Kind = UiValue::Kind;

struct LayoutDefaults {
    QString spacing, horizontalSpacing, verticalSpacing;
    QStringList margins;
};

// What layout() leaves a layout with, so that a row states only what differs.
LayoutDefaults layoutDefaults(const QString &className)
{
    QWidget host;
    QLayout *made = nullptr;
    if (className == QLatin1String("QHBoxLayout")) {
        QHBoxLayout *box = nullptr;
        made = layout(box, &host, "probe");
    } else if (className == QLatin1String("QVBoxLayout")) {
        QVBoxLayout *box = nullptr;
        made = layout(box, &host, "probe");
    } else if (className == QLatin1String("QGridLayout")) {
        QGridLayout *grid = nullptr;
        made = layout(grid, &host, "probe");
    } else {
        QFormLayout *form = nullptr;
        made = layout(form, &host, "probe");
    }
    LayoutDefaults defaults;
    defaults.spacing = QString::number(made->spacing());
    if (auto *grid = qobject_cast<QGridLayout *>(made)) {
        defaults.horizontalSpacing = QString::number(grid->horizontalSpacing());
        defaults.verticalSpacing = QString::number(grid->verticalSpacing());
    } else if (auto *form = qobject_cast<QFormLayout *>(made)) {
        defaults.horizontalSpacing = QString::number(form->horizontalSpacing());
        defaults.verticalSpacing = QString::number(form->verticalSpacing());
    }
    const QMargins margins = made->contentsMargins();
    defaults.margins = QStringList{QString::number(margins.left()), QString::number(margins.top()),
                                   QString::number(margins.right()), QString::number(margins.bottom())};
    return defaults;
}

class SetupWriter
{
public:
    SetupWriter(const UiForm &form, const FormMatches &matches, SetupText *text, QString *error)
        : m_form(form)
        , m_className(formClassName(form))
        , m_matches(matches)
        , m_text(*text)
        , m_error(error)
    {
    }

    bool run()
    {
        const UiWidget &root = *m_form.root;
        if (!writeRoot())
            return false;
        if (root.layout && !writeLayout(*root.layout, QStringLiteral("root"), QStringLiteral("root")))
            return false;
        for (const auto &child : root.children) {
            if (!writeWidget(*child))
                return false;
        }
        if (!writeStacking(root))
            return false;
        takeGroups();
        QStringList &setup = m_text.setup;
        setup = m_setup;
        const QList<QStringList> groups = {m_scrollContents + m_members + m_lateScrollContents + m_pageStatements,
                                           m_raises, m_buddies};
        for (const QStringList &group : groups) {
            if (group.isEmpty())
                continue;
            setup.append(QString());
            setup += group;
        }
        while (!setup.isEmpty() && setup.last().isEmpty())
            setup.removeLast();
        return true;
    }

private:
    bool fail(const UiElement &element, const QString &why)
    {
        *m_error = refusal(element, why);
        return false;
    }
    bool failProperty(const QString &owner, const UiProperty &property, const QString &why)
    {
        return fail(elementOf(property), QStringLiteral("of %1: %2").arg(owner, why));
    }

    bool writeRoot()
    {
        const UiWidget &root = *m_form.root;
        QString row = QStringLiteral("Root(root, %1)").arg(values::literal(m_className));
        const FurnitureMatch &routine = m_matches.rootRoutine;
        if (!routine.call.isEmpty())
            row = routine.call;
        const auto sets = [](const FurnitureMatch &match, const UiProperty &property) {
            return std::any_of(match.settings.cbegin(), match.settings.cend(), [&](const LookSetting &setting) {
                return setting.name == property.name && setting.byName == property.byName;
            });
        };
        // A look goes where its first setting was.
        QVector<FurnitureMatch> looks = m_matches.rootLooks;
        // In the export's order, wherever the file has them: the size, the
        // class's settings, font, palette, then those set by name. Designer
        // writes them in its class's order (window modality before the
        // size, the palette before the font).
        const auto rank = [](const UiProperty *property) {
            if (property->byName)
                return 4;
            return property->name == QLatin1String("geometry") ? 0
                : property->name == QLatin1String("font")      ? 2
                : property->name == QLatin1String("palette")   ? 3
                                                               : 1;
        };
        QVector<const UiProperty *> settings;
        for (const UiProperty &property : root.properties)
            settings.append(&property);
        std::stable_sort(settings.begin(), settings.end(),
                         [&](const UiProperty *a, const UiProperty *b) { return rank(a) < rank(b); });
        for (const UiProperty *setting : qAsConst(settings)) {
            const UiProperty &property = *setting;
            if (sets(routine, property))
                continue;
            const auto look = std::find_if(looks.begin(), looks.end(),
                                           [&](const FurnitureMatch &match) { return sets(match, property); });
            if (look != looks.end()) {
                row += look->call;
                look->call.clear();
                continue;
            }
            if (isRetranslated(property)) {
                m_text.retranslated.append({QStringLiteral("root"), &property});
                continue;
            }
            const UiValue &value = property.value;
            QString text;
            if (property.name == QLatin1String("geometry") && !property.byName && value.kind == Kind::Rect) {
                if (value.rect.x() != 0 || value.rect.y() != 0)
                    return failProperty(root.name, property, QStringLiteral("a host places the root"));
                row += QStringLiteral(".size(%1, %2)").arg(value.rect.width()).arg(value.rect.height());
                continue;
            }
            if (!property.byName
                && (property.name == QLatin1String("sizePolicy") || property.name == QLatin1String("minimumSize")
                    || property.name == QLatin1String("maximumSize")
                    || property.name == QLatin1String("windowModality"))) {
                if (!values::arguments(value, &text, m_error))
                    return false;
                row += QStringLiteral(".%1(%2)").arg(property.name, text);
                continue;
            }
            if (value.kind == Kind::Pixmap) {
                row +=
                    QStringLiteral(".image(%1, %2)").arg(values::literal(property.name), values::literal(value.text));
            } else if (value.kind == Kind::Point || value.kind == Kind::Size) {
                if (!values::arguments(value, &text, m_error))
                    return false;
                row += QStringLiteral(".%1(%2, %3)")
                           .arg(value.kind == Kind::Point ? QStringLiteral("point") : QStringLiteral("sizeValue"),
                                values::literal(property.name), text);
            } else if (value.kind == Kind::StringList && property.byName) {
                if (!values::arguments(value, &text, m_error))
                    return false;
                row += QStringLiteral(".imageList(%1, %2)").arg(values::literal(property.name), text);
            } else {
                if (!values::expression(value, &text, m_error))
                    return false;
                row += QStringLiteral(".property(%1, %2)").arg(values::literal(property.name), text);
            }
        }
        m_setup.append(row + QLatin1Char(';'));
        m_setup.append(QString());
        return true;
    }

    // maker: how a scroll area's content is made, instead of make().
    bool writeWidget(const UiWidget &widget, const QString &maker = QString())
    {
        const RowMatch &match = m_matches.rows[&widget];
        QString row = maker;
        if (row.isEmpty()) {
            row = match.call.isEmpty() ? QStringLiteral("make(%1, %2, %3)")
                                             .arg(field(widget.name), parentOf(widget), values::literal(widget.name))
                                       : match.call;
        }
        const QVector<const UiProperty *> &settings = match.settings;
        for (int i = 0; i < settings.size(); ++i) {
            const UiProperty &property = *settings.at(i);
            if (i == match.early && !match.look.isEmpty())
                row += QLatin1Char('.') + match.look;
            if (isRetranslated(property)) {
                m_text.retranslated.append({field(widget.name), &property});
                continue;
            }
            const UiValue &value = property.value;
            if (property.name == QLatin1String("buddy") && value.kind == Kind::CString) {
                m_buddies.append(QStringLiteral("%1->setBuddy(%2);").arg(field(widget.name), field(value.text)));
                continue;
            }
            if (property.name == QLatin1String("currentIndex") && widget.className == QLatin1String("QStackedWidget")
                && value.kind == Kind::Number) {
                m_pages[widget.name] = QString::number(value.integer);
                continue;
            }
            if (value.kind == Kind::String && property.name == QLatin1String("content") && !property.byName) {
                row += QStringLiteral(".content(%1)").arg(values::literal(value.text));
                continue;
            }
            QString text;
            if (!rowSetting(widget, property, m_matches.tables.value(&widget), &text, m_error))
                return false;
            row += text;
        }
        if (match.early == settings.size() && !match.look.isEmpty())
            row += QLatin1Char('.') + match.look;
        row += match.combined;
        m_rowOf.insert(&widget, m_setup.size());
        m_setup.append(row + QLatin1Char(';'));
        return writeContents(widget);
    }

    bool writeContents(const UiWidget &widget)
    {
        const QString self = field(widget.name);
        if (widget.layout && !writeLayout(*widget.layout, self, self))
            return false;
        const bool isStack = widget.className == QLatin1String("QStackedWidget");
        QStringList pages;
        for (const auto &child : widget.children) {
            if (isStack) {
                if (!writeWidget(*child))
                    return false;
                pages.append(field(child->name));
            } else if (isScrollContent(*child)) {
                // Content that was a window while the form placed it is made
                // without a parent and handed over once all rows are done;
                // other content is handed over as it is made.
                const QString content = field(child->name);
                if (parentOf(*child) == QLatin1String("nullptr")) {
                    if (!writeWidget(
                            *child, QStringLiteral("make(%1, nullptr, %2)").arg(content, values::literal(child->name))))
                        return false;
                    // Members the area's layout already placed were in their
                    // layout before the area took the content.
                    const QString handOver = QStringLiteral("setScrollContent(%1, %2);").arg(self, content);
                    if (child->layout && hasPlacedMember(*child->layout))
                        m_lateScrollContents.append(handOver);
                    else
                        m_scrollContents.append(handOver);
                } else if (!writeWidget(*child,
                                        QStringLiteral("scrollContent(%1, %2, %3)")
                                            .arg(content, self, values::literal(child->name)))) {
                    return false;
                }
            } else if (!writeWidget(*child)) {
                return false;
            }
        }
        if (isStack) {
            const QString current = m_pages.value(widget.name, QStringLiteral("0"));
            m_pageStatements.append(
                QStringLiteral("addPages(%1, {%2}, %3);").arg(self, pages.join(QLatin1String(", ")), current));
        }
        return writeStacking(widget);
    }

    // The stacking Designer lists, as few raises as reach it from the order
    // the rows create the widgets in.
    bool writeStacking(const UiWidget &widget)
    {
        if (widget.zorder.isEmpty())
            return true;
        QStringList created;
        if (widget.layout)
            laidOutWidgets(*widget.layout, &created);
        for (const auto &child : widget.children)
            created.append(child->name);
        const QStringList &wanted = widget.zorder;
        for (int raised = 0; raised <= wanted.size(); ++raised) {
            const QStringList top = wanted.mid(wanted.size() - raised);
            QStringList rest;
            for (const QString &name : qAsConst(created)) {
                if (!top.contains(name))
                    rest.append(name);
            }
            if (rest == wanted.mid(0, wanted.size() - raised)) {
                for (const QString &name : top)
                    m_raises.append(QStringLiteral("%1->raise();").arg(field(name)));
                return true;
            }
        }
        return fail(elementOf(widget), QStringLiteral("a stacking that omits children"));
    }

    static bool hasPlacedMember(const UiLayout &layout)
    {
        for (const UiLayoutItem &item : layout.items) {
            if (item.widget && item.widget->property(QStringLiteral("geometry")))
                return true;
            if (item.layout && hasPlacedMember(*item.layout))
                return true;
        }
        return false;
    }

    static void laidOutWidgets(const UiLayout &layout, QStringList *names)
    {
        for (const UiLayoutItem &item : layout.items) {
            if (item.widget)
                names->append(item.widget->name);
            else if (item.layout)
                laidOutWidgets(*item.layout, names);
        }
    }

    // host: the widget the layout is set on, nullptr for a nested layout;
    // parent: the widget its members are children of.
    bool writeLayout(const UiLayout &layout, const QString &host, const QString &parent)
    {
        QMap<QString, QString> numbers;
        QString others;
        for (const UiProperty &property : layout.properties) {
            if (property.value.kind == Kind::Number) {
                numbers.insert(property.name, QString::number(property.value.integer));
                continue;
            }
            QString text;
            if (!values::arguments(property.value, &text, m_error))
                return false;
            others += QStringLiteral(".%1(%2)").arg(property.name, text);
        }
        const LayoutDefaults defaults = layoutDefaults(layout.className);
        const auto take = [&](const char *name, const QString &fallback) {
            const QString value = numbers.take(QLatin1String(name));
            return value.isEmpty() ? fallback : value;
        };
        const QString spacing = take("spacing", defaults.spacing);
        const QString horizontal = take("horizontalSpacing", defaults.horizontalSpacing);
        const QString vertical = take("verticalSpacing", defaults.verticalSpacing);
        const QStringList margins = {
            take("leftMargin", defaults.margins.value(0)), take("topMargin", defaults.margins.value(1)),
            take("rightMargin", defaults.margins.value(2)), take("bottomMargin", defaults.margins.value(3))};
        QString row = QStringLiteral("layout(%1, %2, %3)").arg(field(layout.name), host, values::literal(layout.name));
        // A nested layout without its own spacing takes its parent's: say it.
        const bool nested = host == QLatin1String("nullptr");
        if (spacing != defaults.spacing || (nested && defaults.horizontalSpacing.isEmpty()))
            row += QStringLiteral(".spacing(%1)").arg(spacing);
        if (horizontal != defaults.horizontalSpacing || (nested && !horizontal.isEmpty()))
            row += QStringLiteral(".horizontalSpacing(%1)").arg(horizontal);
        if (vertical != defaults.verticalSpacing || (nested && !vertical.isEmpty()))
            row += QStringLiteral(".verticalSpacing(%1)").arg(vertical);
        if (margins != defaults.margins)
            row += QStringLiteral(".margins(%1)").arg(margins.join(QLatin1String(", ")));
        m_setup.append(row + others + QLatin1Char(';'));

        QStringList members;
        QStringList cells;
        const bool grid = layout.className == QLatin1String("QGridLayout");
        const bool form = layout.className == QLatin1String("QFormLayout");
        for (const UiLayoutItem &item : layout.items) {
            if (item.widget && !writeWidget(*item.widget))
                return false;
            if (item.layout && !writeLayout(*item.layout, QStringLiteral("nullptr"), parent))
                return false;
            if (item.spacer)
                writeSpacer(*item.spacer);
            const QString member = field(item.fieldName());
            if (grid) {
                QString cell = QStringLiteral("addToGrid(%1, %2, %3, %4")
                                   .arg(field(layout.name), member)
                                   .arg(item.row)
                                   .arg(item.column);
                if (item.rowSpan != 1 || item.columnSpan != 1)
                    cell += QStringLiteral(", %1, %2").arg(item.rowSpan).arg(item.columnSpan);
                cells.append(cell + QStringLiteral(");"));
            } else if (form) {
                const QString role = item.columnSpan == 2 ? QStringLiteral("SpanningRole")
                    : item.column == 1                    ? QStringLiteral("FieldRole")
                                                          : QStringLiteral("LabelRole");
                cells.append(QStringLiteral("addToForm(%1, %2, QFormLayout::%3, %4);")
                                 .arg(field(layout.name))
                                 .arg(item.row)
                                 .arg(role, member));
            } else {
                members.append(member);
            }
        }
        if (!grid && !form)
            cells.append(
                QStringLiteral("addMembers(%1, {%2});").arg(field(layout.name), members.join(QLatin1String(", "))));
        // The validate pass lets stretch factors through for boxes only, as numbers.
        for (const auto &attribute : layout.attributes) {
            QStringList factors;
            for (const QString &factor : attribute.second.split(QLatin1Char(',')))
                factors.append(QString::number(factor.trimmed().toInt()));
            cells.append(QStringLiteral("setStretchFactors(%1, {%2});")
                             .arg(field(layout.name), factors.join(QLatin1String(", "))));
        }
        m_members.append(cells);
        return true;
    }

    void writeSpacer(const UiSpacer &spacer)
    {
        QString orientation, sizeType, width, height;
        for (const UiProperty &property : spacer.properties) {
            if (property.name == QLatin1String("orientation")) {
                orientation = property.value.text;
            } else if (property.name == QLatin1String("sizeType")) {
                sizeType = property.value.text;
            } else if (property.name == QLatin1String("sizeHint")) {
                width = QString::number(property.value.rect.width());
                height = QString::number(property.value.rect.height());
            }
        }
        if (sizeType.isEmpty())
            sizeType = QStringLiteral("QSizePolicy::Expanding");
        const bool vertical = orientation == QLatin1String("Qt::Vertical");
        const QString minimum = QStringLiteral("QSizePolicy::Minimum");
        m_setup.append(
            QStringLiteral("spacer(%1, %2, %3, %4, %5);")
                .arg(field(spacer.name), width, height, vertical ? minimum : sizeType, vertical ? sizeType : minimum));
    }

    // The group routines the match pass found, where their rows follow one
    // another: the first row becomes the call, the others go.
    void takeGroups()
    {
        for (const FormMatches::Group &group : m_matches.groups) {
            const int first = m_rowOf.value(group.pieces.value(0), -1);
            bool all = first >= 0;
            for (int i = 0; all && i < group.pieces.size(); ++i)
                all = m_rowOf.value(group.pieces.at(i), -1) == first + i;
            if (!all)
                continue;
            const int count = group.pieces.size();
            m_setup[first] = group.call + QLatin1Char(';');
            m_setup.erase(m_setup.begin() + first + 1, m_setup.begin() + first + count);
            for (auto it = m_rowOf.begin(); it != m_rowOf.end(); ++it) {
                if (it.value() >= first + count)
                    it.value() -= count - 1;
            }
        }
    }

    const UiForm &m_form;
    const QString m_className;
    const FormMatches &m_matches;
    SetupText &m_text;
    QString *m_error;
    QHash<const UiWidget *, int> m_rowOf; // a widget's row in m_setup
    QStringList m_setup, m_scrollContents, m_lateScrollContents, m_members, m_pageStatements, m_raises, m_buddies;
    QHash<QString, QString> m_pages;
};

} // namespace

bool writeSetup(const UiForm &form, const FormMatches &matches, SetupText *text, QString *error)
{
    return SetupWriter(form, matches, text, error).run();
}

} // namespace quarn::layouttool::generator
