#pragma once

// The generator's passes over a Designer form, each in a file of its own:
//   scan      checked_values.cpp: nesting depth and characters, before
//             anything recurses through the text
//   read      UiForm::read (uiform/ui_model.cpp): the typed model, with lines
//   kept      kept_settings.cpp: the values Designer does not keep as the
//             form has them, taken back from the export's second copy
//             (uiform/kept_settings.h)
//   validate  validate.cpp: names, classes, every value's type, range and
//             keys, and the structure the construction routines can
//             express; refusals name the element and its line. What reaches
//             the write pass is checked: it writes parsed values back
//   match     match.cpp: what of the form the routines' own vocabulary says
//             (furniture, looks, pictures set together, group routines,
//             tables of navigation fields)
//   write     write_setup.cpp (setupUi) with row_settings.cpp (one setting
//             in the Row vocabulary), write_sources.cpp (the record
//             header, retranslateUi, the files)
// A value the routines cannot spell is refused by write, where it is spelled
// (values.cpp): a routine may set such a value, and then it is never spelled.

#include "generator/form_generator.h"
#include "generator/furniture.h"
#include "uiform/ui_model.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace quarn::layouttool::generator {

// --- shared by the passes -----------------------------------------------------

inline QString field(const QString &name)
{
    return QStringLiteral("ui.") + name;
}

// "line N: <tag name="x">: why"
QString refusal(const UiElement &element, const QString &why);
UiElement elementOf(const UiWidget &widget);
UiElement elementOf(const UiLayout &layout);
UiElement elementOf(const UiProperty &property);

inline bool isUntranslated(const UiProperty &property)
{
    return property.value.notr;
}

// Texts set in retranslateUi: translated ones, and empty ones a language
// change clears.
inline bool isRetranslated(const UiProperty &property)
{
    return property.value.kind == UiValue::Kind::String && (!isUntranslated(property) || property.value.text.isEmpty());
}

// What a widget's row is made under: "root", a field, or "nullptr" for a
// stack's page, which the stack takes over. A scroll area's content has a
// maker of its own instead (see write_setup.cpp).
QString parentOf(const UiWidget &widget);
bool isScrollContent(const UiWidget &widget);

// --- kept ---------------------------------------------------------------------------

bool restoreKeptSettings(UiForm &form, QString *error);

// --- validate -------------------------------------------------------------------

// The form's class name: <class>, else the root's name.
QString formClassName(const UiForm &form);
bool validate(const UiForm &form, QString *error);

// --- match ------------------------------------------------------------------------

// A widget's row as the routines' vocabulary says it.
struct RowMatch {
    QString call;                         // the routine that makes the widget, if one does
    QString look;                         // the named look the row applies, "panelButton()"
    QString combined;                     // pictures set together, ".needles(...)"
    QVector<const UiProperty *> settings; // what the row still states, in the order it applies them
    int early = 0;                        // settings[0, early) go before the look
};

struct FormMatches {
    // The root's routine, and the Root methods giving it several settings.
    FurnitureMatch rootRoutine;
    QVector<FurnitureMatch> rootLooks;
    QHash<const UiWidget *, RowMatch> rows;
    // Routines making several fields whose pieces the form has exactly.
    struct Group {
        QString call;
        QVector<const UiWidget *> pieces; // in the order the routine makes them
    };
    QVector<Group> groups;
    // Tables of navigation fields: the name each bar's document goes by, and
    // the namespace-scope constants the form defines, in order.
    QHash<const UiWidget *, QString> tables;
    QVector<QPair<QString, QString>> tableDefinitions;
};

bool match(const UiForm &form, FormMatches *matches, QString *error);

// --- write --------------------------------------------------------------------------

struct SetupText {
    QStringList setup;                                        // setupUi's lines
    QVector<QPair<QString, const UiProperty *>> retranslated; // receiver, text
};

// One setting of a widget's row, ".checked()"; table: the name of the
// widget's table of navigation fields, if it has one.
bool rowSetting(const UiWidget &widget, const UiProperty &property, const QString &table, QString *text,
                QString *error);
bool writeSetup(const UiForm &form, const FormMatches &matches, SetupText *text, QString *error);
bool writeSources(const UiForm &form, const FormMatches &matches, const SetupText &setup, const QString &folder,
                  const QString &previousHeader, FormSources *sources, QString *error);

} // namespace quarn::layouttool::generator
