#pragma once

// Builds catalogued forms the way a host does: a fresh root and a Ui record of
// the catalogued field count.

#include "catalogue/catalogue.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

struct BuiltForm {
    std::unique_ptr<QWidget> root;
    std::vector<void *> fields;

    UiRecord *record() { return reinterpret_cast<UiRecord *>(fields.data()); }
};

// setupUi only; pass retranslate to also apply the texts.
BuiltForm buildForm(const CatalogueEntry &entry, bool retranslate = false, const QString &rootName = QString());

// Every text the root and its widgets show or carry (captions, button texts,
// text areas, style sheets, the window title), keyed by object name.
QStringList textsOf(QWidget *root);

// The field names of a form's Ui record, read from its header in the source tree.
QStringList uiFieldNamesFromHeader(const char *formName);
