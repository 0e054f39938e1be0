#pragma once

// Value entry: progress bars, sliders, coordinate entry, palettes, calendars.
//
// A part of Row (row.h): Self is the Row, so that a row's settings chain.

#include "core/construction/images.h"
#include "core/construction/row_enums.h"
#include "core/construction/row_setters.h"

#include <QLocale>
#include <QStringList>
#include <initializer_list>

namespace quarn {

template <typename W, typename Self>
class EntrySettings
{
public:
    Self &value(int value)
    {
        target()->setValue(value);
        return self();
    }
    Self &textVisible(bool on)
    {
        target()->setTextVisible(on);
        return self();
    }
    // The slider's frame, its filled and empty bar, then the plus and minus ends.
    Self &sliderImages(const char *frame, const char *filledBar, const char *emptyBar, const char *plus,
                       const char *minus)
    {
        target()->setFrameImage(quarn::picture(frame));
        target()->setFilledBarImage(quarn::picture(filledBar));
        target()->setEmptyBarImage(quarn::picture(emptyBar));
        target()->setPlusImage(quarn::picture(plus));
        target()->setMinusImage(quarn::picture(minus));
        return self();
    }
    Self &coordType(CoordType type)
    {
        target()->setCoordType(int(type));
        return self();
    }
    Self &coordSubType(CoordSubType subType)
    {
        target()->setCoordSubType(int(subType));
        return self();
    }
    Self &sliderPosition(int position)
    {
        target()->setSliderPosition(position);
        return self();
    }
    Self &dateEditEnabled(bool on = true)
    {
        target()->setDateEditEnabled(on);
        return self();
    }
    Self &modifiable(bool on = true)
    {
        target()->setModifiable(on);
        return self();
    }
    Self &locale(const QLocale &locale)
    {
        target()->setLocale(locale);
        return self();
    }
    // Prompt images go by path; the control loads them itself.
    Self &promptImages(const char *normalPath, const char *focusedPath)
    {
        target()->setNormalPromptImage(QString::fromUtf8(normalPath));
        target()->setFocusedPromptImage(QString::fromUtf8(focusedPath));
        return self();
    }
    // Colours as six-digit hexadecimal RGB, in the order the control shows them.
    Self &paletteValues(std::initializer_list<const char *> values)
    {
        QStringList colours;
        for (const char *value : values)
            colours.append(QString::fromLatin1(value));
        target()->setPaletteValues(colours);
        return self();
    }

private:
    W *target() const { return static_cast<const Self *>(this)->object(); }
    Self &self() { return static_cast<Self &>(*this); }
};

} // namespace quarn
