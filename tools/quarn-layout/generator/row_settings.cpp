// The Row vocabulary of a single setting: which Row setter states a property,
// and the names the construction routines give its values.

#include "generator/passes.h"
#include "generator/values.h"

#include <QMetaEnum>

namespace quarn::layouttool::generator {

namespace {

using Kind = UiValue::Kind;

bool failProperty(const QString &owner, const UiProperty &property, const QString &why, QString *error)
{
    *error = refusal(elementOf(property), QStringLiteral("of %1: %2").arg(owner, why));
    return false;
}

// Where a Row setting's name is not the property's own: "Class.property"
// for one class, "property" for all.
QString settingFor(const QString &className, const QString &property)
{
    static const QHash<QString, QString> renamed = {
        {QStringLiteral("minimumSize"), QStringLiteral("minSize")},
        {QStringLiteral("maximumSize"), QStringLiteral("maxSize")},
        {QStringLiteral("fontPixelSize"), QStringLiteral("pixelSize")},
        {QStringLiteral("uncheckedImg"), QStringLiteral("uncheckedImage")},
        {QStringLiteral("checkedImg"), QStringLiteral("checkedImage")},
        {QStringLiteral("isClickable"), QStringLiteral("clickable")},
        {QStringLiteral("horizontalScrollBarPolicy"), QStringLiteral("horizontalScrollBar")},
        {QStringLiteral("verticalScrollBarPolicy"), QStringLiteral("verticalScrollBar")},
        {QStringLiteral("textInteractionFlags"), QStringLiteral("textInteraction")},
        {QStringLiteral("tabStopDistance"), QStringLiteral("tabStopWidth")},
        {QStringLiteral("ZelStatusIndicator.images"), QStringLiteral("statusImages")},
        {QStringLiteral("ZelAnimationCtrl.imageList"), QStringLiteral("animationImages")},
        {QStringLiteral("ZelNorthUpWidget.north"), QStringLiteral("northImage")},
        {QStringLiteral("ZelNorthUpWidget.arrow"), QStringLiteral("northArrowImage")},
        {QStringLiteral("background"), QStringLiteral("spinBackground")},
        {QStringLiteral("stripBkgd"), QStringLiteral("stripBackground")},
        {QStringLiteral("roadBkgd"), QStringLiteral("roadBackground")},
        {QStringLiteral("destArrow"), QStringLiteral("destinationArrow")},
        {QStringLiteral("isLooped"), QStringLiteral("looped")},
    };
    const QString own = renamed.value(className + QLatin1Char('.') + property);
    return own.isEmpty() ? renamed.value(property, property) : own;
}

// The text boxes' flags as the construction routines name them.
QString textBoxFlagsName(const QStringList &flags)
{
    const QString joined = flags.join(QLatin1Char(','));
    if (joined == QLatin1String("true,false"))
        return QStringLiteral("TextBoxFlags::FirstOn");
    if (joined == QLatin1String("false,false"))
        return QStringLiteral("TextBoxFlags::AllOff");
    if (joined == QLatin1String("true,false,false"))
        return QStringLiteral("TextBoxFlags::FirstOnOfThree");
    if (joined == QLatin1String("false,false,false"))
        return QStringLiteral("TextBoxFlags::AllOffOfThree");
    return QString();
}

} // namespace

bool rowSetting(const UiWidget &widget, const UiProperty &property, const QString &table, QString *text, QString *error)
{
    const UiValue &value = property.value;
    QString arguments;
    if (property.byName) {
        if (property.name == QLatin1String("textBoxFlags") && value.kind == Kind::StringList) {
            const QString flags = textBoxFlagsName(value.list);
            if (flags.isEmpty())
                return failProperty(widget.name, property, QStringLiteral("flags with no name in TextBoxFlags"), error);
            *text = QStringLiteral(".textBoxFlags(%1)").arg(flags);
            return true;
        }
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
        const qint64 flags = value.integer;
        QStringList names;
        if (flags & 1)
            names.append(QStringLiteral("zelSimpleGraphView::CursorImage"));
        if (flags & 2)
            names.append(QStringLiteral("zelSimpleGraphView::CursorLine"));
        if (flags & ~3 || names.isEmpty())
            return failProperty(widget.name, property, QStringLiteral("cursor flags with no name"), error);
        *text = QStringLiteral(".drawCursorFlags(%1)").arg(names.join(QLatin1String(" | ")));
        return true;
    }
    if (property.name == QLatin1String("textBoxNumber") || property.name == QLatin1String("coordType")
        || property.name == QLatin1String("coordSubType")) {
        static const QHash<QString, QString> named = {
            {QStringLiteral("textBoxNumber:12"), QStringLiteral("TextBoxNumber::MediaInfo")},
            {QStringLiteral("textBoxNumber:14"), QStringLiteral("TextBoxNumber::FunctionCaption")},
            {QStringLiteral("textBoxNumber:70"), QStringLiteral("TextBoxNumber::ProgressText")},
            {QStringLiteral("coordType:3"), QStringLiteral("CoordType::Position")},
            {QStringLiteral("coordType:5"), QStringLiteral("CoordType::NumericParameter")},
            {QStringLiteral("coordSubType:0"), QStringLiteral("CoordSubType::Standard")},
        };
        QString number;
        if (!values::arguments(value, &number, error))
            return false;
        const QString key = property.name + QLatin1Char(':') + number;
        if (!named.contains(key))
            return failProperty(widget.name, property, QStringLiteral("the number %1 has no name").arg(number), error);
        *text = QStringLiteral(".%1(%2)").arg(property.name, named.value(key));
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
