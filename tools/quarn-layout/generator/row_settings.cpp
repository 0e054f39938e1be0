// The Row vocabulary of a single setting: which Row setter states a property,
// and the names the construction routines give its values.

#include "generator/passes.h"
#include "generator/values.h"

#include "core/construction/row_enums.h"
#include "controls/zel_simple_graph_view.h"
#include "controls/zel_text_box.h"

#include <QMetaEnum>

namespace quarn::layouttool::generator {

namespace {

using Kind = UiValue::Kind;

bool failProperty(const QString &owner, const UiProperty &property, const QString &why, QString *error)
{
    *error = refusal(elementOf(property), QStringLiteral("of %1: %2").arg(owner, why));
    return false;
}

// The Row setting that writes a property: its own name unless
// row_settings.def renames it, in the class ("Class.property") or in all.
QString settingFor(const QString &className, const QString &property)
{
    static const QHash<QString, QString> renamed = {
#define QUARN_RENAMED(property, setting) {QStringLiteral(#property), QStringLiteral(#setting)},
#define QUARN_RENAMED_IN(Class, property, setting) {QStringLiteral(#Class "." #property), QStringLiteral(#setting)},
#include "core/construction/row_settings.def"
    };
    const QString own = renamed.value(className + QLatin1Char('.') + property);
    return own.isEmpty() ? renamed.value(property, property) : own;
}

// The text boxes' flags by their name in TextBoxFlags, from the list older
// exports wrote or from the displayFlags Designer edits; empty when they
// have no name there.
QString textBoxFlagsName(const QStringList &flags);

QString textBoxFlagsName(const UiValue &displayFlags)
{
    const QMetaEnum names = QMetaEnum::fromType<ZelTextBox::DisplayFlags>();
    bool known = false;
    const ZelTextBox::DisplayFlags value(names.keysToValue(displayFlags.text.toLatin1().constData(), &known));
    const bool three = value & ZelTextBox::ThreeFlags;
    if (!known || !(value & (ZelTextBox::TwoFlags | ZelTextBox::ThreeFlags)))
        return QString();
    QStringList flags;
    for (const ZelTextBox::DisplayFlag flag : {ZelTextBox::FirstFlag, ZelTextBox::SecondFlag, ZelTextBox::ThirdFlag}) {
        if (flag != ZelTextBox::ThirdFlag || three)
            flags.append(value & flag ? QStringLiteral("true") : QStringLiteral("false"));
    }
    if (!three && (value & ZelTextBox::ThirdFlag))
        return QString();
    return textBoxFlagsName(flags);
}

QString textBoxFlagsName(const QStringList &flags)
{
    const QMetaEnum names = QMetaEnum::fromType<TextBoxFlags>();
    for (int i = 0; i < names.keyCount(); ++i) {
        const auto value = TextBoxFlags(names.value(i));
        QStringList named;
        for (int flag = 0; flag < textBoxFlagCount(value); ++flag)
            named.append(flag == 0 && textBoxFirstFlag(value) ? QStringLiteral("true") : QStringLiteral("false"));
        if (named == flags)
            return QStringLiteral("%1::%2").arg(QLatin1String(names.name()), QLatin1String(names.key(i)));
    }
    return QString();
}

} // namespace

bool rowSetting(const UiWidget &widget, const UiProperty &property, const QString &table, QString *text, QString *error)
{
    const UiValue &value = property.value;
    QString arguments;
    const bool flagList = property.name == QLatin1String("textBoxFlags") && value.kind == Kind::StringList;
    if (flagList || (property.name == QLatin1String("displayFlags") && value.kind == Kind::Set)) {
        const QString flags = flagList ? textBoxFlagsName(value.list) : textBoxFlagsName(value);
        if (flags.isEmpty())
            return failProperty(widget.name, property, QStringLiteral("flags with no name in TextBoxFlags"), error);
        *text = QStringLiteral(".textBoxFlags(%1)").arg(flags);
        return true;
    }
    if (property.byName) {
        const QString name = values::literal(property.name);
        if (property.name == QLatin1String("navFieldsCfg") && !table.isEmpty()) {
            *text = QStringLiteral(".property(%1, navfields::document(%2))").arg(name, table);
            return true;
        }
        if (value.kind == Kind::Pixmap) {
            *text = QStringLiteral(".imageProperty(%1, %2)").arg(name, values::literal(value.text));
            return true;
        }
        if (value.kind == Kind::StringList) {
            if (!values::arguments(value, &arguments, error))
                return false;
            *text = QStringLiteral(".imageListProperty(%1, %2)").arg(name, arguments);
            return true;
        }
        if (!values::expression(value, &arguments, error))
            return false;
        *text = QStringLiteral(".property(%1, %2)").arg(name, arguments);
        return true;
    }
    if (value.kind == Kind::Bool) {
        if (property.name == QLatin1String("visible"))
            *text = value.boolean ? QString() : QStringLiteral(".hidden()");
        else
            *text = QStringLiteral(".%1(%2)").arg(settingFor(widget.className, property.name),
                                                  value.boolean ? QString() : QStringLiteral("false"));
        return true;
    }
    if ((property.name == QLatin1String("keyCode") || property.name == QLatin1String("secondKeyCode"))
        && value.kind == Kind::Number) {
        const char *key = QMetaEnum::fromType<Qt::Key>().valueToKey(int(value.integer));
        if (key) {
            *text = QStringLiteral(".%1(Qt::%2)").arg(property.name, QLatin1String(key));
            return true;
        }
    }
    if (property.name == QLatin1String("drawCursorFlags") && value.kind == Kind::Number) {
        const QMetaEnum cursor = QMetaEnum::fromType<zelSimpleGraphView::CursorFlags>();
        const int flags = int(value.integer);
        QStringList names;
        for (int i = 0; i < cursor.keyCount(); ++i) {
            if (flags & cursor.value(i))
                names.append(QStringLiteral("%1::%2").arg(QLatin1String(cursor.scope()), QLatin1String(cursor.key(i))));
        }
        if (qint64(flags) != value.integer || flags != cursor.keysToValue(cursor.valueToKeys(flags)) || names.isEmpty())
            return failProperty(widget.name, property, QStringLiteral("cursor flags with no name"), error);
        *text = QStringLiteral(".drawCursorFlags(%1)").arg(names.join(QLatin1String(" | ")));
        return true;
    }
    // A number the construction names: the enum of rowenums named like the
    // property (textBoxNumber, TextBoxNumber).
    const QString enumName = property.name.left(1).toUpper() + property.name.mid(1);
    const int named = rowenums::staticMetaObject.indexOfEnumerator(qPrintable(enumName));
    if (named >= 0 && value.kind == Kind::Number) {
        const QMetaEnum names = rowenums::staticMetaObject.enumerator(named);
        const char *key = qint64(int(value.integer)) == value.integer ? names.valueToKey(int(value.integer)) : nullptr;
        if (!key)
            return failProperty(widget.name, property, QStringLiteral("the number %1 has no name").arg(value.integer),
                                error);
        *text = QStringLiteral(".%1(%2::%3)").arg(property.name, QLatin1String(names.name()), QLatin1String(key));
        return true;
    }
    if (!values::arguments(value, &arguments, error))
        return false;
    if (property.name == QLatin1String("geometry"))
        *text = QStringLiteral(".at(%1)").arg(arguments);
    else if (value.kind == Kind::IconSet)
        *text = QStringLiteral(".toggleIcon(%1)").arg(arguments);
    else
        *text = QStringLiteral(".%1(%2)").arg(settingFor(widget.className, property.name), arguments);
    return true;
}

} // namespace quarn::layouttool::generator
