#pragma once

// The module's tree of a form against a tree built another way from its
// Designer export (uic's code, QUiLoader): everything `dump --full` reports,
// save the few values Qt derives differently in two trees.

#include "built_form.h"
#include "common/image_index.h"

#include <QStringList>

class QWidget;

// Whether Qt places the widget (a layout's member, a scroll area's content)
// rather than the form.
bool placedByQt(const QWidget &widget);

// The placeholder pictures, registered, and their index.
const quarn::layouttool::ImageIndex &placeholderImages();

// Every leaf where the full dumps of the module's form and of the other root
// differ, as "Form.path: module | other"; objects are matched by name and
// class, spacers by their place in their layout.
QStringList treeDifferences(const quarn::harness::BuiltForm &module, QWidget *otherRoot);
