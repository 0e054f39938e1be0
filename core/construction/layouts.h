#pragma once

// Qt layouts as rows of a form's table, and the members added to them once every
// object of the form exists.

#include "core/construction/row_setters.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLayout>
#include <QSpacerItem>
#include <initializer_list>

class QScrollArea;
class QStackedWidget;
class QWidget;

namespace quarn {

template <typename L>
class LayoutRow
{
public:
    explicit LayoutRow(L *layout)
        : m_layout(layout)
    {
    }
    operator L *() const { return m_layout; }

    LayoutRow &spacing(int spacing)
    {
        m_layout->setSpacing(spacing);
        return *this;
    }
    LayoutRow &horizontalSpacing(int spacing)
    {
        m_layout->setHorizontalSpacing(spacing);
        return *this;
    }
    LayoutRow &verticalSpacing(int spacing)
    {
        m_layout->setVerticalSpacing(spacing);
        return *this;
    }
    LayoutRow &margins(int left, int top, int right, int bottom)
    {
        m_layout->setContentsMargins(left, top, right, bottom);
        return *this;
    }
    // Where a table sets only some sides, the others keep the margin of 11 the
    // layout started with rather than the zero margins layout() gives.
    LayoutRow &marginLeft(int left) { return partialMargin(&QMargins::setLeft, left); }
    LayoutRow &marginTop(int top) { return partialMargin(&QMargins::setTop, top); }
    LayoutRow &marginRight(int right) { return partialMargin(&QMargins::setRight, right); }
    LayoutRow &marginBottom(int bottom) { return partialMargin(&QMargins::setBottom, bottom); }
    LayoutRow &sizeConstraint(QLayout::SizeConstraint constraint)
    {
        m_layout->setSizeConstraint(constraint);
        return *this;
    }
    LayoutRow &fieldGrowthPolicy(QFormLayout::FieldGrowthPolicy policy)
    {
        m_layout->setFieldGrowthPolicy(policy);
        return *this;
    }
    LayoutRow &formAlignment(Qt::Alignment alignment)
    {
        m_layout->setFormAlignment(alignment);
        return *this;
    }

private:
    LayoutRow &partialMargin(void (QMargins::*side)(int), int value)
    {
        QMargins margins = m_partialMargins ? m_layout->contentsMargins() : QMargins(11, 11, 11, 11);
        m_partialMargins = true;
        (margins.*side)(value);
        m_layout->setContentsMargins(margins);
        return *this;
    }

    L *m_layout;
    bool m_partialMargins = false;
};

// Creates a layout on its host widget (none for a layout nested in another),
// stores it in its field and names it. Layouts start with margin 11 overridden
// by zero contents margins, as every form's layouts do unless a row says otherwise.
template <typename L>
LayoutRow<L> layout(L *&field, QWidget *host, const char *objectName)
{
    field = static_cast<L *>(detail::makeLayout(&detail::constructLayout<L>, host, objectName));
    return LayoutRow<L>(field);
}

// A spacer: no Qt object, so it has no name; it joins its layout with the members.
QSpacerItem *spacer(QSpacerItem *&field, int width, int height, QSizePolicy::Policy horizontal,
                    QSizePolicy::Policy vertical);

// Anything a box layout can take, in field order.
class LayoutMember
{
public:
    LayoutMember(QWidget *widget)
        : m_widget(widget)
    {
    }
    LayoutMember(QLayout *layout)
        : m_layout(layout)
    {
    }
    LayoutMember(QSpacerItem *spacer)
        : m_spacer(spacer)
    {
    }

    void addTo(QBoxLayout *layout) const;
    void addTo(QGridLayout *layout, int row, int column, int rowSpan, int columnSpan) const;
    void addTo(QFormLayout *layout, int row, QFormLayout::ItemRole role) const;

private:
    QWidget *m_widget = nullptr;
    QLayout *m_layout = nullptr;
    QSpacerItem *m_spacer = nullptr;
};

// Adds the members in order with default stretch and alignment.
void addMembers(QBoxLayout *layout, std::initializer_list<LayoutMember> members);
void addToGrid(QGridLayout *layout, LayoutMember member, int row, int column, int rowSpan = 1, int columnSpan = 1);
void addToForm(QFormLayout *layout, int row, QFormLayout::ItemRole role, LayoutMember member);
// Hands a scroll area the content widget that was created without a parent,
// keeping the content's geometry.
void setScrollContent(QScrollArea *area, QWidget *content);
// Stretch factors of a box layout's items, in item order; set once the members are in.
void setStretchFactors(QBoxLayout *layout, std::initializer_list<int> stretches);
// A page of a stacked widget: created without a parent, named, then handed to
// the stack, which becomes its parent.
QWidget *stackPage(QWidget *&field, QStackedWidget *stack, const char *objectName);
// Hands a stack its pages (created without a parent) and shows one of them.
void addPages(QStackedWidget *stack, std::initializer_list<QWidget *> pages, int currentIndex = 0);

} // namespace quarn
