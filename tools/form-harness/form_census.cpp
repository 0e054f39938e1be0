#include "form_census.h"

#include "built_form.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLayout>
#include <QSpacerItem>
#include <QWidget>

namespace quarn::harness {

FormCensus::FormCensus(const BuiltForm &form)
{
    take(form.root(), form.fields(), form.fieldCount());
}

FormCensus::FormCensus(QWidget *root, const void *const *fields, int fieldCount)
{
    take(root, fields, fieldCount);
}

void FormCensus::take(QWidget *root, const void *const *fields, int fieldCount)
{
    m_root = root;
    m_objects = root->findChildren<QObject *>();
    m_objects.prepend(root);
    for (QObject *object : qAsConst(m_objects)) {
        m_objectAt.insert(object, object);
        if (auto *layout = qobject_cast<QLayout *>(object)) {
            for (int i = 0; i < layout->count(); ++i) {
                if (QSpacerItem *spacer = layout->itemAt(i)->spacerItem())
                    m_spacerAt.insert(spacer, spacer);
            }
        }
    }
    for (int i = 0; i < fieldCount; ++i) {
        void *pointer = const_cast<void *>(fields[i]);
        m_pointers.push_back(pointer);
        if (pointer && !m_fieldIndex.contains(pointer))
            m_fieldIndex.insert(pointer, i);
    }
}

QList<QWidget *> FormCensus::stackedFields(const QWidget &parent) const
{
    QList<QWidget *> children;
    for (QObject *child : parent.children()) {
        if (child->isWidgetType() && fieldIndexOf(child) >= 0)
            children.append(static_cast<QWidget *>(child));
    }
    return children;
}

FormCensus::LayoutKind FormCensus::kindOf(const QLayout &layout)
{
    if (qobject_cast<const QBoxLayout *>(&layout))
        return LayoutKind::Box;
    if (qobject_cast<const QGridLayout *>(&layout))
        return LayoutKind::Grid;
    if (qobject_cast<const QFormLayout *>(&layout))
        return LayoutKind::Form;
    return LayoutKind::Other;
}

QVector<FormCensus::LayoutItem> FormCensus::itemsOf(const QLayout &layout)
{
    auto *box = qobject_cast<const QBoxLayout *>(&layout);
    // getItemPosition reads only, but QGridLayout's is not const.
    auto *grid = qobject_cast<QGridLayout *>(const_cast<QLayout *>(&layout));
    auto *form = qobject_cast<const QFormLayout *>(&layout);
    QVector<LayoutItem> items;
    items.reserve(layout.count());
    for (int i = 0; i < layout.count(); ++i) {
        LayoutItem item;
        item.item = layout.itemAt(i);
        item.member = memberPointer(item.item);
        if (box) {
            item.stretch = box->stretch(i);
        } else if (grid) {
            grid->getItemPosition(i, &item.row, &item.column, &item.rowSpan, &item.columnSpan);
        } else if (form) {
            item.row = 0;
            form->getItemPosition(i, &item.row, &item.role);
        }
        items.append(item);
    }
    return items;
}

const void *FormCensus::memberPointer(QLayoutItem *item)
{
    if (QWidget *widget = item->widget())
        return widget;
    if (QLayout *layout = item->layout())
        return static_cast<QObject *>(layout);
    if (QSpacerItem *spacer = item->spacerItem())
        return spacer;
    return item;
}

} // namespace quarn::harness
