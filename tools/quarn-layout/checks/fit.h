#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QWidget;

namespace quarn::harness {
class BuiltForm;
} // namespace quarn::harness

namespace quarn::layouttool {

using harness::BuiltForm;

// A text that its widget cannot show whole: wider than the widget, or for
// word-wrapped text, taller. Sizes in pixels, measured in the widget's own font.
// Text broken into lines at <br> (text boxes) or at a rich-text label's
// breaks is measured line by line, as the control draws it.
struct TextMisfit {
    QString field; // object name
    QString text;
    bool wraps = false; // measured against the height rather than the width
    int needed = 0;
    int available = 0;
    int widget = -1;       // position of the widget in the root's tree
    int sourceNeeded = -1; // what the untranslated text needed, when it did not fit either
    QRect outline;         // the widget on the root, set by textMisfits
};

// Every misfit among the texts of the form, in widget tree order. The form is
// shown offscreen first, so laid-out widgets have their real size.
QList<TextMisfit> textMisfits(BuiltForm &form);

// The same for one widget; empty when it shows no text or the text fits.
QList<TextMisfit> textMisfitsOf(const QWidget &widget);

// The misfits of a translated form that its untranslated build (source) did
// not have, or had with less overflow, in the same widget and direction.
QList<TextMisfit> misfitsAddedTo(const QList<TextMisfit> &source, const QList<TextMisfit> &translated);

// One report line: form, field, quoted text, then needed and available pixels.
QString misfitLine(const QString &form, const TextMisfit &misfit);

// Counts over a run of fit, for its last line.
struct FitSummary {
    int misfits = 0;       // as built
    int sourceMisfits = 0; // untranslated, when compared
    int reported = 0;

    void add(int built, int source, int shown)
    {
        misfits += built;
        sourceMisfits += source;
        reported += shown;
    }
    QString line(int forms, bool againstSource) const;
};

} // namespace quarn::layouttool
