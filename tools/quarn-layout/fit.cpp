#include "fit.h"

#include "form_census.h"
#include "form_host.h"
#include "render.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

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

ShownText shownText(const QWidget &widget)
{
    ShownText shown;
    if (auto *label = qobject_cast<const QLabel *>(&widget)) {
        // The library's text box shows its content in place of the label text.
        const QString content = widget.property("content").toString();
        shown.text = content.isEmpty() ? label->text() : content;
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
        misfit.needed = metrics.horizontalAdvance(shown.text);
        misfit.available = shown.room.width();
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
    for (const QObject *object : census.objects()) {
        if (object != census.root() && object->isWidgetType())
            misfits += textMisfitsOf(*static_cast<const QWidget *>(object));
    }
    return misfits;
}

} // namespace quarn::layouttool

namespace quarn::layouttool {

QString misfitLine(const QString &form, const TextMisfit &misfit)
{
    QString text = misfit.text;
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QStringLiteral("%1 %2 \"%3\": needs %4 px, has %5 px of %6")
        .arg(form, misfit.field, text)
        .arg(misfit.needed)
        .arg(misfit.available)
        .arg(misfit.wraps ? QStringLiteral("height") : QStringLiteral("width"));
}

} // namespace quarn::layouttool
