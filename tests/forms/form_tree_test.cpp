// What a host can observe of every catalogued form's widget tree beyond its
// fields: nothing built outside the root, and every placed widget visible
// within its parent.

#include "form_harness.h"

#include <QApplication>
#include <QLayout>
#include <QSet>
#include <gtest/gtest.h>

#include <string>

namespace {

class EveryFormTree : public ::testing::TestWithParam<std::size_t>
{
protected:
    const CatalogueEntry &entry() const { return kCatalogue[GetParam()]; }
};

// Whether a layout of parent places widget, so that its geometry is only
// decided when the parent is shown.
bool placedByLayout(const QWidget *parent, QWidget *widget)
{
    const QLayout *layout = parent->layout();
    if (!layout)
        return false;
    QList<const QLayout *> layouts = {layout};
    while (!layouts.isEmpty()) {
        const QLayout *current = layouts.takeFirst();
        if (current->indexOf(widget) >= 0)
            return true;
        for (int i = 0; i < current->count(); ++i) {
            if (const QLayout *inner = current->itemAt(i)->layout())
                layouts.append(inner);
        }
    }
    return false;
}

// A widget that a form creates must go when the host's root goes: anything left
// is a window of its own or a leak for the life of the host.
TEST_P(EveryFormTree, LeavesNoWidgetBehindWhenTheRootGoes)
{
    const QSet<QWidget *> before =
        QSet<QWidget *>(QApplication::allWidgets().cbegin(), QApplication::allWidgets().cend());
    {
        BuiltForm built = buildForm(entry(), true);
        EXPECT_TRUE(QApplication::topLevelWidgets().contains(built.root()));
        // Popups are windows too, but owned by their control.
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            EXPECT_TRUE(widget == built.root() || widget->parentWidget() || before.contains(widget))
                << "a window nobody owns: " << qPrintable(widget->objectName()) << " ("
                << widget->metaObject()->className() << ")";
        }
    }
    QStringList left;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (!before.contains(widget))
            left << widget->objectName() + QLatin1Char(' ') + QLatin1String(widget->metaObject()->className());
    }
    EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1String(", ")).toStdString();
}

// Whether a layout places widget or one of its ancestors below root: then the
// sizes it is measured against are only decided when the root is shown.
bool underLayout(QWidget *widget, const QWidget *root)
{
    for (QWidget *current = widget; current && current != root; current = current->parentWidget()) {
        if (current->parentWidget() && placedByLayout(current->parentWidget(), current))
            return true;
    }
    return false;
}

// Where the form gives a field and its parents their geometry, the field must
// show at least in part inside its parent: one wholly outside can never be seen
// or touched.
TEST_P(EveryFormTree, PlacedFieldsOverlapTheirParents)
{
    BuiltForm built = buildForm(entry());
    const QList<QWidget *> tree = built.root()->findChildren<QWidget *>();
    const QSet<QWidget *> inTree(tree.cbegin(), tree.cend());
    for (int i = 0; i < entry().fieldCount; ++i) {
        auto *widget = static_cast<QWidget *>(built.field(i));
        if (!inTree.contains(widget) || widget->isWindow())
            continue;
        QWidget *parent = widget->parentWidget();
        if (!parent || underLayout(widget, built.root()) || !widget->isVisibleTo(parent) || widget->size().isEmpty())
            continue;
        EXPECT_TRUE(parent->rect().intersects(widget->geometry()))
            << qPrintable(widget->objectName()) << " at " << widget->x() << "," << widget->y() << " " << widget->width()
            << "x" << widget->height() << " lies outside " << qPrintable(parent->objectName()) << " ("
            << parent->width() << "x" << parent->height() << ")";
    }
}

std::string formName(const ::testing::TestParamInfo<std::size_t> &info)
{
    return kCatalogue[info.param].name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryFormTree, ::testing::Range<std::size_t>(0, kCatalogueSize), formName);

} // namespace
