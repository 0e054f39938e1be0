#pragma once

// Builds catalogued forms the way a host does, with the host harness the tool
// and the benchmark use: a fresh root and a Ui record of the catalogued field
// count.

#include "built_form.h"
#include "catalogue/catalogue.h"
#include "catalogue_lookup.h"
#include "form_census.h"

#include <QString>
#include <QStringList>
#include <QWidget>

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
