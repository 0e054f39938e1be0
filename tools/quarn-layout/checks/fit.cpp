#include "checks/fit.h"

#include "form_census.h"
#include "common/form_host.h"
#include "pictures/render.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <climits>

namespace quarn::layouttool {
namespace {

// The widget library's text controls draw in their own pixel size, kept in
// the fontPixelSize property; other widgets draw in their font.
QFont drawingFont(const QWidget &widget)
{
    QFont font = widget.font();
    const int pixelSize = widget.property("fontPixelSize").toInt();
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    return font;
}

// The text the widget shows, whether it wraps, and the room it has for it.
struct ShownText {
    QString text;
    bool wraps = false;
    QSize room;
};

// A text box breaks its lines at <br>; a label showing rich text at its
// line and paragraph breaks. Either way each line is measured on its own.
QString linesAsDrawn(const QWidget &widget, const QString &text)
{
    if (widget.inherits("ZelTextBox")) {
        static const QRegularExpression lineBreak(QStringLiteral("<br\\s*/?>"),
                                                  QRegularExpression::CaseInsensitiveOption);
        return QString(text).replace(lineBreak, QStringLiteral("\n"));
    }
    auto *label = qobject_cast<const QLabel *>(&widget);
    if (!label || label->textFormat() == Qt::PlainText
        || (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n'));
}

ShownText shownText(const QWidget &widget)
{
    ShownText shown;
    if (auto *label = qobject_cast<const QLabel *>(&widget)) {
        // The library's text box shows its content in place of the label text.
        const QString content = widget.property("content").toString();
        shown.text = linesAsDrawn(widget, content.isEmpty() ? label->text() : content);
        shown.wraps = label->wordWrap();
        shown.room = label->contentsRect().size();
    } else if (auto *edit = qobject_cast<const QTextEdit *>(&widget)) {
        shown.text = edit->toPlainText();
        shown.wraps = edit->lineWrapMode() != QTextEdit::NoWrap;
        const int margin = 2 * int(edit->document()->documentMargin());
        shown.room = edit->viewport()->size() - QSize(margin, margin);
    } else if (auto *button = qobject_cast<const QAbstractButton *>(&widget)) {
        shown.text = button->text();
        shown.room = button->contentsRect().size();
    } else if (auto *line = qobject_cast<const QLineEdit *>(&widget)) {
        shown.text = line->text();
        shown.room = line->contentsRect().size();
    }
    return shown;
}

} // namespace

QList<TextMisfit> textMisfitsOf(const QWidget &widget)
{
    const ShownText shown = shownText(widget);
    if (shown.text.isEmpty())
        return {};
    const QFontMetrics metrics(drawingFont(widget));
    TextMisfit misfit;
    misfit.field = widget.objectName();
    misfit.text = shown.text;
    misfit.wraps = shown.wraps;
    if (shown.wraps) {
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, qMax(1, shown.room.width()), INT_MAX), Qt::TextWordWrap, shown.text);
        // A single word wider than the widget does not fit either.
        if (wrapped.width() > shown.room.width()) {
            misfit.wraps = false;
            misfit.needed = wrapped.width();
            misfit.available = shown.room.width();
        } else {
            misfit.needed = wrapped.height();
            misfit.available = shown.room.height();
        }
    } else {
        const QStringList lines = shown.text.split(QLatin1Char('\n'));
        for (const QString &line : lines)
            misfit.needed = qMax(misfit.needed, metrics.horizontalAdvance(line));
        misfit.available = shown.room.width();
        // Lines that all fit across may still not fit one above the other.
        if (lines.size() > 1 && misfit.needed <= misfit.available) {
            misfit.wraps = true;
            misfit.needed = metrics.boundingRect(QRect(0, 0, INT_MAX / 2, INT_MAX / 2), 0, shown.text).height();
            misfit.available = shown.room.height();
        }
    }
    if (misfit.needed <= misfit.available)
        return {};
    return {misfit};
}

QList<TextMisfit> textMisfits(BuiltForm &form)
{
    renderForm(form);
    QList<TextMisfit> misfits;
    const harness::FormCensus census(form);
    int widget = 0;
    for (const QObject *object : census.objects()) {
        if (object == census.root() || !object->isWidgetType())
            continue;
        const auto &shown = *static_cast<const QWidget *>(object);
        for (TextMisfit misfit : textMisfitsOf(shown)) {
            misfit.widget = widget;
            misfit.outline = QRect(shown.mapTo(census.root(), QPoint()), shown.size());
            misfits.append(misfit);
        }
        ++widget;
    }
    return misfits;
}

QList<TextMisfit> misfitsAddedTo(const QList<TextMisfit> &source, const QList<TextMisfit> &translated)
{
    QList<TextMisfit> added;
    for (TextMisfit misfit : translated) {
        const auto before = std::find_if(source.cbegin(), source.cend(), [&misfit](const TextMisfit &old) {
            return old.widget == misfit.widget && old.wraps == misfit.wraps;
        });
        if (before != source.cend()) {
            if (misfit.needed - misfit.available <= before->needed - before->available)
                continue;
            misfit.sourceNeeded = before->needed;
        }
        added.append(misfit);
    }
    return added;
}

} // namespace quarn::layouttool

namespace quarn::layouttool {

QString misfitLine(const QString &form, const TextMisfit &misfit)
{
    QString text = misfit.text;
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    QString line = QStringLiteral("%1 %2 \"%3\": needs %4 px, has %5 px of %6")
                       .arg(form, misfit.field, text)
                       .arg(misfit.needed)
                       .arg(misfit.available)
                       .arg(misfit.wraps ? QStringLiteral("height") : QStringLiteral("width"));
    if (misfit.sourceNeeded >= 0)
        line += QStringLiteral(" (untranslated: needs %1 px)").arg(misfit.sourceNeeded);
    return line;
}

QString FitSummary::line(int forms, bool againstSource) const
{
    if (!againstSource)
        return QStringLiteral("fit: %1 texts do not fit, in %2 forms").arg(misfits).arg(forms);
    return QStringLiteral("fit: %1 texts overflow with the translation that fit, or overflowed less, without it "
                          "(%2 do not fit translated, %3 untranslated), in %4 forms")
        .arg(reported)
        .arg(misfits)
        .arg(sourceMisfits)
        .arg(forms);
}

} // namespace quarn::layouttool
