#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace quarn::harness {
class BuiltForm;
} // namespace quarn::harness

namespace quarn::layouttool {

using harness::BuiltForm;

// A text that its widget cannot show whole: wider than the widget, or for
// word-wrapped text, taller. Sizes in pixels, measured in the widget's own font.
struct TextMisfit {
    QString field;     // object name
    QString text;
    bool wraps = false; // measured against the height rather than the width
    int needed = 0;
    int available = 0;
};

// Every misfit among the texts of the form, in widget tree order. The form is
// shown offscreen first, so laid-out widgets have their real size.
QList<TextMisfit> textMisfits(BuiltForm &form);

// The same for one widget; empty when it shows no text or the text fits.
QList<TextMisfit> textMisfitsOf(const QWidget &widget);

} // namespace quarn::layouttool

namespace quarn::layouttool {

// One report line: form, field, quoted text, then needed and available pixels.
QString misfitLine(const QString &form, const TextMisfit &misfit);

} // namespace quarn::layouttool
