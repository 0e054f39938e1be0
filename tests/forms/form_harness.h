#pragma once

// Builds catalogued forms the way a host does, with the host harness the tool
// and the benchmark use: a fresh root and a Ui record of the catalogued field
// count.

#include "built_form.h"
#include "catalogue/catalogue.h"
#include "catalogue_lookup.h"
#include "form_census.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QWidget>
#include <gtest/gtest.h>

using quarn::harness::BuiltForm;
using quarn::harness::FormCensus;

// The catalogued form registered under name; a test failure (and the first
// form) when there is none.
const CatalogueEntry &catalogued(const char *name);

// setupUi only; pass retranslate to also apply the texts.
BuiltForm buildForm(const CatalogueEntry &entry, bool retranslate = false, const QString &rootName = QString());

// Every text the root and its widgets show or carry (captions, button texts,
// text areas, style sheets, the window title), keyed by object name.
QStringList textsOf(QWidget *root);

// The field names of a form's Ui record, read from its header in the source tree.
QStringList uiFieldNamesFromHeader(const char *formName);

// The root's descendant of class T with that object name, which the test
// expects the form to have: a test failure, and null, when it has none.
// Forms that may lack it are asked through findChild itself.
template <typename T = QWidget>
T *child(const BuiltForm &built, const QString &name)
{
    T *found = built.find<T>(name);
    EXPECT_NE(found, nullptr) << qPrintable(name);
    return found;
}

// Answers every text of a catalogued form with its source marked "<<...>>",
// a rich-text document with one whose plain text is so marked, so that a
// translated text tells itself from a placeholder; records the contexts it
// was asked in. Qt's own contexts stay untranslated.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override;
    bool isEmpty() const override { return false; }

    mutable QStringList contexts;
};

// A MarkingTranslator installed for as long as this lives.
class InstalledTranslator
{
public:
    InstalledTranslator() { QCoreApplication::installTranslator(&translator); }
    ~InstalledTranslator() { QCoreApplication::removeTranslator(&translator); }
    InstalledTranslator(const InstalledTranslator &) = delete;
    InstalledTranslator &operator=(const InstalledTranslator &) = delete;

    MarkingTranslator translator;
};
