#include "core/construction/layouts.h"

#include "core/construction/window_data.h"

#include <QScrollArea>
#include <QStackedWidget>

namespace quarn {

QSpacerItem *spacer(QSpacerItem *&field, int width, int height, QSizePolicy::Policy horizontal,
                    QSizePolicy::Policy vertical)
{
    field = new QSpacerItem(width, height, horizontal, vertical);
    return field;
}

void LayoutMember::addTo(QBoxLayout *layout) const
{
    if (m_widget)
        layout->addWidget(m_widget);
    else if (m_layout)
        layout->addLayout(m_layout);
    else if (m_spacer)
        layout->addItem(m_spacer);
}

void LayoutMember::addTo(QGridLayout *layout, int row, int column, int rowSpan, int columnSpan) const
{
    if (m_widget)
        layout->addWidget(m_widget, row, column, rowSpan, columnSpan);
    else if (m_layout)
        layout->addLayout(m_layout, row, column, rowSpan, columnSpan);
    else if (m_spacer)
        layout->addItem(m_spacer, row, column, rowSpan, columnSpan);
}

void LayoutMember::addTo(QFormLayout *layout, int row, QFormLayout::ItemRole role) const
{
    if (m_widget)
        layout->setWidget(row, role, m_widget);
    else if (m_layout)
        layout->setLayout(row, role, m_layout);
    else if (m_spacer)
        layout->setItem(row, role, m_spacer);
}

void addMembers(QBoxLayout *layout, std::initializer_list<LayoutMember> members)
{
    for (const LayoutMember &member : members)
        member.addTo(layout);
}

void addToGrid(QGridLayout *layout, LayoutMember member, int row, int column, int rowSpan, int columnSpan)
{
    member.addTo(layout, row, column, rowSpan, columnSpan);
}

void addToForm(QFormLayout *layout, int row, QFormLayout::ItemRole role, LayoutMember member)
{
    member.addTo(layout, row, role);
}

void markWindowData(QWidget *widget)
{
    widget->setProperty(kWindowDataProperty, true);
}

void setScrollContent(QScrollArea *area, QWidget *content)
{
    // The area moves and sizes its content when it takes it; the geometry the
    // form gave stands until the area is first laid out on screen.
    const QRect geometry = content->geometry();
    markWindowData(content);
    area->setWidget(content);
    content->setGeometry(geometry);
}

void setStretchFactors(QBoxLayout *layout, std::initializer_list<int> stretches)
{
    int index = 0;
    for (const int stretch : stretches)
        layout->setStretch(index++, stretch);
}

QWidget *stackPage(QWidget *&field, QStackedWidget *stack, const char *objectName)
{
    field = new QWidget();
    field->setObjectName(QString::fromUtf8(objectName));
    stack->addWidget(field);
    return field;
}

void addPages(QStackedWidget *stack, std::initializer_list<QWidget *> pages, int currentIndex)
{
    for (QWidget *page : pages) {
        markWindowData(page);
        stack->addWidget(page);
    }
    stack->setCurrentIndex(currentIndex);
}

} // namespace quarn
