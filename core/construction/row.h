#pragma once

// One row of a form's table: create the object, name it, store it in its Ui
// record field, then apply its settings. A row's settings are written in the
// order they are applied, which is the construction order every form keeps:
// enabled, geometry, size policy, minimum, maximum, palette, font, the
// class's own settings, then dynamic properties.
//
// Row is a template over the created class; a setting compiles only for classes
// that have the matching setter, so a form cannot ask a control for something
// it does not do. What a setting does happens out of line (row_setters.h), so
// a row costs a few calls, not the inlined work of each setting. The settings
// come in parts by control family (row_*.h); every part returns the Row, so a
// row's settings chain across them.
//
// A setting is named as the Qt property it sets, except those listed in
// row_settings.def, which the form generator reads too.

#include "core/construction/row_buttons.h"
#include "core/construction/row_combo.h"
#include "core/construction/row_entry.h"
#include "core/construction/row_images.h"
#include "core/construction/row_instruments.h"
#include "core/construction/row_setters.h"
#include "core/construction/row_text.h"
#include "core/construction/row_widget.h"

#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <type_traits>

namespace quarn {

template <typename W>
class Row : public WidgetSettings<W, Row<W>>,
            public TextSettings<W, Row<W>>,
            public ImageSettings<W, Row<W>>,
            public ButtonSettings<W, Row<W>>,
            public ComboSettings<W, Row<W>>,
            public EntrySettings<W, Row<W>>,
            public InstrumentSettings<W, Row<W>>
{
public:
    explicit Row(W *object)
        : m_object(object)
    {
    }

    operator W *() const { return m_object; }
    W *object() const { return m_object; }

    // --- shared looks, one per line of looks.def, out of line in row_looks.h ---
#define QUARN_LOOK(Control, look) Row &look();
#include "core/construction/looks.def"

    // Applies a look routine of core/construction to the object at this point
    // of its row.
    template <typename Look>
    Row &with(Look look)
    {
        look(m_object);
        return *this;
    }

    // --- dynamic properties, last in a row --------------------------------------
    Row &property(const char *name, const QVariant &value)
    {
        detail::setProperty(m_object, name, value);
        return *this;
    }
    // Plain numbers and flags without a variant at every row.
    template <typename T, std::enable_if_t<std::is_same_v<T, int> || std::is_same_v<T, bool>, int> = 0>
    Row &property(const char *name, T value)
    {
        detail::setProperty(m_object, name, value);
        return *this;
    }
    Row &imageProperty(const char *name, const char *path)
    {
        detail::setImageProperty(m_object, name, path);
        return *this;
    }
    Row &imageListProperty(const char *name, const QStringList &paths)
    {
        return property(name, QVariant(paths));
    }

private:
    W *m_object;
};

// Creates an object of the field's class under parent (none for a scroll
// area's content), stores it in the field and names it.
template <typename W>
Row<W> make(W *&field, QWidget *parent, const char *objectName)
{
    field = static_cast<W *>(detail::makeObject(&detail::construct<W>, parent, objectName));
    return Row<W>(field);
}

} // namespace quarn

#include "core/construction/row_looks.h"
