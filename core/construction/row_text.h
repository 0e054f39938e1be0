#pragma once

// Frames, labels, text boxes and text areas, and the scroll areas that hold
// them.
//
// A part of Row (row.h): Self is the Row, so that a row's settings chain.

#include "core/construction/images.h"
#include "core/construction/row_enums.h"
#include "core/construction/row_setters.h"

#include <QFrame>
#include <QWidget>

namespace quarn {

template <typename W, typename Self>
class TextSettings
{
public:
    Self &noFrame()
    {
        target()->setFrameShape(QFrame::NoFrame);
        return self();
    }
    Self &frameShape(QFrame::Shape shape)
    {
        target()->setFrameShape(shape);
        return self();
    }
    Self &frameShadow(QFrame::Shadow shadow)
    {
        target()->setFrameShadow(shadow);
        return self();
    }
    Self &lineWidth(int width)
    {
        target()->setLineWidth(width);
        return self();
    }
    Self &alignment(Qt::Alignment alignment)
    {
        target()->setAlignment(alignment);
        return self();
    }
    Self &wordWrap(bool on = true)
    {
        target()->setWordWrap(on);
        return self();
    }
    Self &scaledContents(bool on = true)
    {
        target()->setScaledContents(on);
        return self();
    }
    Self &textFormat(Qt::TextFormat format)
    {
        target()->setTextFormat(format);
        return self();
    }
    Self &plainText() { return textFormat(Qt::PlainText); }
    Self &richText() { return textFormat(Qt::RichText); }
    Self &noTextInteraction()
    {
        target()->setTextInteractionFlags(Qt::NoTextInteraction);
        return self();
    }
    Self &indent(int indent)
    {
        target()->setIndent(indent);
        return self();
    }
    Self &margin(int margin)
    {
        target()->setMargin(margin);
        return self();
    }
    // Designer sets it; no hand-written form does yet, the form generator will.
    Self &buddy(QWidget *buddy)
    {
        target()->setBuddy(buddy);
        return self();
    }
    Self &readOnly(bool on = true)
    {
        target()->setReadOnly(on);
        return self();
    }
    Self &pixelSize(int pixels)
    {
        target()->setFontPixelSize(pixels);
        return self();
    }
    Self &ellipsis(bool on = true)
    {
        target()->setEllipsis(on);
        return self();
    }
    Self &clickable(bool on = true)
    {
        target()->setIsClickable(on);
        return self();
    }
    Self &textBoxFlags(TextBoxFlags flags)
    {
        if (textBoxFlagCount(flags) == 3)
            target()->setTextBoxFlags(textBoxFirstFlag(flags), false, false);
        else
            target()->setTextBoxFlags(textBoxFirstFlag(flags), false);
        return self();
    }
    Self &textBoxNumber(TextBoxNumber number)
    {
        target()->setTextBoxNumber(int(number));
        return self();
    }
    // Untranslated initial content, set in setupUi.
    Self &content(const char *text)
    {
        detail::setText(target(), detail::setter<W, const QString &>(&W::setContent), text);
        return self();
    }
    Self &alignHCenter(bool on = true)
    {
        target()->setAlignHCenter(on);
        return self();
    }
    Self &alignVCenter(bool on = true)
    {
        target()->setAlignVCenter(on);
        return self();
    }
    Self &html(const QString &html)
    {
        target()->setHtml(html);
        return self();
    }
    Self &scrollBars(Qt::ScrollBarPolicy horizontal, Qt::ScrollBarPolicy vertical)
    {
        target()->setHorizontalScrollBarPolicy(horizontal);
        target()->setVerticalScrollBarPolicy(vertical);
        return self();
    }
    Self &horizontalScrollBar(Qt::ScrollBarPolicy policy)
    {
        target()->setHorizontalScrollBarPolicy(policy);
        return self();
    }
    Self &verticalScrollBar(Qt::ScrollBarPolicy policy)
    {
        target()->setVerticalScrollBarPolicy(policy);
        return self();
    }
    Self &widgetResizable(bool on = true)
    {
        target()->setWidgetResizable(on);
        return self();
    }
    Self &tabStopWidth(int pixels)
    {
        target()->setTabStopDistance(pixels);
        return self();
    }
    Self &textInteraction(Qt::TextInteractionFlags flags)
    {
        target()->setTextInteractionFlags(flags);
        return self();
    }

private:
    W *target() const { return static_cast<const Self *>(this)->object(); }
    Self &self() { return static_cast<Self &>(*this); }
};

} // namespace quarn
