// The write pass, the files: the Ui record header, whose fields keep the order
// hosts compiled against, retranslateUi, and the source around setupUi.

#include "generator/passes.h"
#include "generator/values.h"
#include "uiform/record_fields.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace quarn::layouttool::generator {

namespace {

QString capitalised(const QString &name)
{
    return name.left(1).toUpper() + name.mid(1);
}

QString wrapped(const QString &text, int indent)
{
    const QString margin(indent, QLatin1Char(' '));
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && margin.size() + line.size() + 1 + word.size() > 120) {
            lines.append(margin + line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(margin + line);
    return lines.join(QLatin1Char('\n'));
}

using Field = QPair<QString, QString>; // class, name

void collectFields(const UiLayout &layout, QVector<Field> *fields);

void collectFields(const UiWidget &widget, bool isRoot, QVector<Field> *fields)
{
    if (!isRoot)
        fields->append({widget.className, widget.name});
    if (widget.layout)
        collectFields(*widget.layout, fields);
    for (const auto &child : widget.children)
        collectFields(*child, false, fields);
}

void collectFields(const UiLayout &layout, QVector<Field> *fields)
{
    fields->append({layout.className, layout.name});
    for (const UiLayoutItem &item : layout.items) {
        if (item.widget)
            collectFields(*item.widget, false, fields);
        else if (item.layout)
            collectFields(*item.layout, fields);
        else if (item.spacer)
            fields->append({QStringLiteral("QSpacerItem"), item.spacer->name});
    }
}

// The fields of the previous header keep their places; new fields follow in
// the order of the Designer form. Every class has a header: the validate pass
// refused the others.
QString recordHeader(const UiForm &form, const QString &className, const QString &previousHeader)
{
    QVector<Field> fields;
    collectFields(*form.root, true, &fields);
    const QStringList previous = uiRecordFields(previousHeader, className);
    std::stable_sort(fields.begin(), fields.end(), [&](const Field &a, const Field &b) {
        const int left = previous.indexOf(a.second);
        const int right = previous.indexOf(b.second);
        return (left < 0 ? previous.size() : left) < (right < 0 ? previous.size() : right);
    });
    QHash<QString, QString> customHeaders;
    for (const UiCustomWidget &custom : form.customWidgets)
        customHeaders.insert(custom.className, custom.header);
    QSet<QString> qtHeaders = {QStringLiteral("QWidget")};
    QSet<QString> ownHeaders = {QStringLiteral("core/form_layout.h")};
    for (const Field &field : qAsConst(fields)) {
        const QString &type = field.first;
        if (customHeaders.contains(type))
            ownHeaders.insert(customHeaders.value(type));
        else if (type == QLatin1String("QHBoxLayout") || type == QLatin1String("QVBoxLayout"))
            qtHeaders.insert(QStringLiteral("QBoxLayout"));
        else
            qtHeaders.insert(type);
    }
    QStringList own = ownHeaders.values();
    own.sort();
    QStringList includes = qtHeaders.values();
    includes.sort();
    QString text = QStringLiteral("#pragma once\n\n");
    for (const QString &include : qAsConst(own))
        text += QStringLiteral("#include \"%1\"\n").arg(include);
    text += QLatin1Char('\n');
    for (const QString &include : qAsConst(includes))
        text += QStringLiteral("#include <%1>\n").arg(include);
    text += QLatin1Char('\n');
    const QString description = form.comment.simplified();
    if (!description.isEmpty())
        text += QStringLiteral("/* TRANSLATOR %1\n\n%2\n*/\n").arg(className, wrapped(description, 3));
    text += QStringLiteral("struct Ui_%1 : UiRecord {\n").arg(className);
    for (const Field &field : qAsConst(fields))
        text += QStringLiteral("    %1 *%2;\n").arg(field.first, field.second);
    text += QStringLiteral("};\n");
    return text;
}

class Retranslation
{
public:
    Retranslation(const QString &className, const QVector<QPair<QString, const UiProperty *>> &texts)
        : m_className(className)
        , m_texts(texts)
    {
    }

    QStringList lines() const
    {
        QStringList lines;
        for (int i = 0; i < m_texts.size(); ++i) {
            const QString &receiver = m_texts.at(i).first;
            const UiProperty &property = *m_texts.at(i).second;
            const QString letters = compassLetters(i);
            if (!letters.isEmpty()) {
                lines.append(letters);
                i += 3;
                continue;
            }
            if (!property.value.extraComment.isEmpty())
                lines.append(QStringLiteral("//: ") + property.value.extraComment);
            const QString call = translateCall(property);
            if (property.byName)
                lines.append(
                    QStringLiteral("%1->setProperty(%2, %3);").arg(receiver, values::literal(property.name), call));
            else
                lines.append(QStringLiteral("%1->set%2(%3);").arg(receiver, capitalised(property.name), call));
        }
        return lines;
    }

private:
    QString translateCall(const UiProperty &property) const
    {
        // An empty text not translated is one a language change clears.
        if (property.value.text.isEmpty() && isUntranslated(property))
            return QStringLiteral("QString()");
        QString call = QStringLiteral("QCoreApplication::translate(%1, %2")
                           .arg(values::literal(m_className), values::literal(property.value.text));
        if (!property.value.comment.isEmpty())
            call += QStringLiteral(", %1").arg(values::literal(property.value.comment));
        return call + QLatin1Char(')');
    }

    // A compass's four letters, translated one after the other without notes,
    // go through the routine that sets them together.
    QString compassLetters(int first) const
    {
        static const QStringList names = {QStringLiteral("northLetter"), QStringLiteral("westLetter"),
                                          QStringLiteral("southLetter"), QStringLiteral("eastLetter")};
        if (first + names.size() > m_texts.size())
            return QString();
        QStringList calls;
        for (int i = 0; i < names.size(); ++i) {
            const auto &text = m_texts.at(first + i);
            const UiProperty &property = *text.second;
            if (text.first != m_texts.at(first).first || !property.byName || property.name != names.at(i)
                || isUntranslated(property) || !property.value.extraComment.isEmpty())
                return QString();
            calls.append(translateCall(property));
        }
        return QStringLiteral("retranslateCompassLetters(%1, {%2});")
            .arg(m_texts.at(first).first, calls.join(QLatin1String(", ")));
    }

    const QString m_className;
    const QVector<QPair<QString, const UiProperty *>> &m_texts;
};

} // namespace

bool writeSources(const UiForm &form, const FormMatches &matches, const SetupText &setup, const QString &folder,
                  const QString &previousHeader, FormSources *sources, QString *)
{
    const QString className = formClassName(form);
    const auto &texts = setup.retranslated;
    const QStringList retranslate = Retranslation(className, texts).lines();
    const bool usesUi = std::any_of(texts.cbegin(), texts.cend(), [](const auto &t) { return t.first != "root"; });
    const bool usesRoot = std::any_of(texts.cbegin(), texts.cend(), [](const auto &t) { return t.first == "root"; });
    const QString ui = QStringLiteral("Ui_") + className;
    QString text = QStringLiteral("#include \"forms/%1/%2.h\"\n\n"
                                  "#include \"core/construction/construction.h\"\n\n"
                                  "#include <QCoreApplication>\n\n"
                                  "namespace quarn::forms {\nnamespace {\n\n")
                       .arg(folder, className);
    for (const auto &table : matches.tableDefinitions)
        text += table.second + QLatin1Char('\n');
    // A form with no fields leaves its record unnamed, as unused.
    static const QRegularExpression record(QStringLiteral("\\bui\\b"));
    const bool setupUsesUi = setup.setup.join(QLatin1Char('\n')).contains(record);
    text += QStringLiteral("void setupUi(%1 &%2, QWidget *root)\n{\n")
                .arg(ui, setupUsesUi ? QStringLiteral("ui") : QString());
    for (const QString &line : setup.setup)
        text += line.isEmpty() ? QStringLiteral("\n") : QStringLiteral("    ") + line + QLatin1Char('\n');
    text += QStringLiteral("}\n\nvoid retranslateUi(%1 &%2, QWidget *%3)\n{\n")
                .arg(ui, usesUi ? QStringLiteral("ui") : QString(), usesRoot ? QStringLiteral("root") : QString());
    for (const QString &line : retranslate)
        text += QStringLiteral("    ") + line + QLatin1Char('\n');
    text += QStringLiteral("}\n\nForm<%1, setupUi, retranslateUi> form%2;\n\n} // namespace\n\n"
                           "FormLayout &%2()\n{\n    return form%2;\n}\n\n} // namespace quarn::forms\n")
                .arg(ui, className);
    sources->className = className;
    sources->header = recordHeader(form, className, previousHeader);
    sources->source = text;
    return true;
}

} // namespace quarn::layouttool::generator
