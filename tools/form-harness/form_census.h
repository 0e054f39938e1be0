#pragma once

#include <QFormLayout>
#include <QHash>
#include <QList>
#include <QVector>

#include <vector>

class QLayout;
class QLayoutItem;
class QObject;
class QSpacerItem;
class QWidget;

namespace quarn::harness {

class BuiltForm;

// What a built form made: the objects of the root's tree, the spacers of its
// layouts (no QObjects, so no tree finds them) and what each Ui record field
// points at. A field pointer is trusted only once it is found among these,
// so nothing is read through a stray one.
class FormCensus
{
public:
    explicit FormCensus(const BuiltForm &form);
    FormCensus(QWidget *root, const void *const *fields, int fieldCount);

    QWidget *root() const { return m_root; }
    // The root's tree, root first, in the order findChildren gives.
    const QList<QObject *> &objects() const { return m_objects; }

    int fieldCount() const { return int(m_pointers.size()); }
    void *pointer(int index) const { return m_pointers.at(std::size_t(index)); }
    // The object or spacer field index points at; null when it is neither.
    QObject *object(int index) const { return objectAt(pointer(index)); }
    QSpacerItem *spacer(int index) const { return spacerAt(pointer(index)); }

    QObject *objectAt(const void *pointer) const { return m_objectAt.value(pointer); }
    QSpacerItem *spacerAt(const void *pointer) const { return m_spacerAt.value(pointer); }
    // The first field holding pointer, or -1, whatever it points at.
    int fieldIndexOf(const void *pointer) const { return m_fieldIndex.value(pointer, -1); }
    // Whether a field holds pointer and it is an object or spacer of the form.
    bool isField(const void *pointer) const
    {
        return fieldIndexOf(pointer) >= 0 && (m_objectAt.contains(pointer) || m_spacerAt.contains(pointer));
    }

    // The field widgets among parent's children, bottom of the stack first
    // (raise() moves a widget to the end of its parent's children).
    QList<QWidget *> stackedFields(const QWidget &parent) const;

    // Where one item sits in its layout.
    struct LayoutItem {
        QLayoutItem *item = nullptr;
        // What a Ui record field would hold for the item: its widget, layout
        // (as a QObject) or spacer.
        const void *member = nullptr;
        int stretch = -1; // box layouts only
        int row = -1;     // grid and form layouts
        int column = -1;  // grid layouts
        int rowSpan = 0;
        int columnSpan = 0;
        QFormLayout::ItemRole role = QFormLayout::LabelRole; // form layouts
    };
    enum class LayoutKind { Box, Grid, Form, Other };
    static LayoutKind kindOf(const QLayout &layout);
    static QVector<LayoutItem> itemsOf(const QLayout &layout);
    static const void *memberPointer(QLayoutItem *item);

private:
    void take(QWidget *root, const void *const *fields, int fieldCount);

    QWidget *m_root = nullptr;
    QList<QObject *> m_objects;
    QHash<const void *, QObject *> m_objectAt;
    QHash<const void *, QSpacerItem *> m_spacerAt;
    QHash<const void *, int> m_fieldIndex;
    std::vector<void *> m_pointers;
};

} // namespace quarn::harness
