// The address book, address entry and nearby search screens as the host drives
// them: a contact card it scrolls, address lines its form layouts stack, a
// backspace key held down, check buttons in a column, and values a language
// change clears.

#include "form_harness.h"

#include "controls/zel_push_button.h"
#include "controls/zel_push_check_box.h"
#include "controls/zel_scroll_area.h"
#include "controls/zel_text_box.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QScrollBar>
#include <QThread>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

BuiltForm shown(const char *formName)
{
    BuiltForm built = buildForm(catalogued(formName), true);
    built.root()->show();
    QCoreApplication::processEvents();
    return built;
}

TEST(AddressScreens, ContactCardScrollsDownToItsNotesAndNeverSideways)
{
    BuiltForm built = shown("AbAddressListScreenClass");
    auto *area = child<ZelScrollArea>(built, "scrollArea");
    QWidget *content = child<QWidget>(built, "scrollAreaWidgetContents");
    QWidget *notes = child<QWidget>(built, "btnNotes");
    ASSERT_TRUE(area && content && notes);
    EXPECT_EQ(area->widget(), content);
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    // The card keeps its fixed height, taller than the view, so the notes need scrolling.
    EXPECT_EQ(content->height(), 405);
    EXPECT_GT(notes->geometry().bottom(), area->viewport()->height());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    // Vertically only: the notes reach two pixels past the card's right edge by design.
    const QRect notesInView(notes->mapTo(area->viewport(), QPoint(0, 0)), notes->size());
    EXPECT_GE(notesInView.top(), 0);
    EXPECT_LE(notesInView.bottom(), area->viewport()->height() - 1) << "notes out of reach when scrolled down";

    // The five list buttons stack below the top margin, above the notes.
    int nextTop = 5;
    for (const char *name : {"btnAddress1", "btnAddress2", "btnHomePhone", "btnWorkPhone", "btnMobilePhone"}) {
        QWidget *button = child<QWidget>(built, name);
        EXPECT_GE(button->y(), nextTop) << name << " overlaps the button above";
        nextTop = button->geometry().bottom() + 1;
    }
    EXPECT_LE(nextTop, notes->y());
}

TEST(AddressScreens, AddressLinesStackInTheirFormLayouts)
{
    struct Lines {
        const char *form;
        const char *first;
        const char *second;
    };
    const Lines rows[] = {{"AbContactItem", "txtContactName", "txtAddress"},
                          {"AbPrevDestItem", "txtAddrPart1", "txtAddrPart2"},
                          {"AbAddressListScreenClass", "txtAddr1Part1", "txtAddr1Part2"},
                          {"AddressListItemClass", "txtName", "txtAdd"}};
    for (const Lines &row : rows) {
        BuiltForm built = shown(row.form);
        auto *first = child<ZelTextBox>(built, row.first);
        auto *second = child<ZelTextBox>(built, row.second);
        ASSERT_TRUE(first && second);
        first->setContent(QStringLiteral("Main Street 1"));
        second->setContent(QStringLiteral("Springfield"));
        QCoreApplication::processEvents();
        EXPECT_GT(second->y(), first->geometry().bottom()) << row.form;
        EXPECT_EQ(first->x(), second->x()) << row.form;
        EXPECT_GT(first->width(), 0) << row.form;
    }

    // The result row keeps its distance at the right of name and address.
    BuiltForm result = shown("AddressListItemClass");
    auto *distance = child<ZelTextBox>(result, "txtDistance");
    auto *name = child<ZelTextBox>(result, "txtName");
    EXPECT_EQ(distance->size(), QSize(55, 52));
    EXPECT_GT(distance->x(), name->geometry().right());
}

TEST(AddressScreens, BackspaceRepeatsWhileHeld)
{
    BuiltForm built = shown("AddressEnterScreenClass");
    auto *backspace = child<ZelPushButton>(built, "btnBackspace");
    ASSERT_TRUE(backspace);
    int clicks = 0;
    QObject::connect(backspace, &QAbstractButton::clicked, [&clicks] { ++clicks; });
    const QPoint centre = backspace->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, backspace->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(backspace, &press);
    // Held well past the repeat delay; a loaded machine only makes it repeat later.
    for (QDeadlineTimer deadline(5000); clicks < 2 && !deadline.hasExpired();) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, centre, backspace->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(backspace, &release);
    EXPECT_GE(clicks, 2);
}

TEST(AddressScreens, NearbyTypesAreACheckColumnIndentedBySeven)
{
    BuiltForm built = shown("NearByTypeScreenClass");
    int nextTop = 0;
    for (const char *name : {"wptButton", "GeocacheButton", "POIButton", "TrackButton", "RouteButton"}) {
        auto *button = child<ZelPushCheckBox>(built, name);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->x(), 7) << name;
        EXPECT_GE(button->y(), nextTop) << name << " overlaps the button above";
        EXPECT_LE(button->geometry().bottom(), button->parentWidget()->height()) << name;
        nextTop = button->geometry().bottom() + 1;
    }
}

TEST(AddressScreens, LanguageChangeClearsTypedAndShownValues)
{
    struct Shown {
        const char *form;
        std::vector<const char *> cleared;
        std::vector<const char *> kept;
    };
    const Shown screens[] = {
        {"AddressEnterScreenClass", {"Region", "editField"}, {}},
        {"AddressListClass", {"lblSortType"}, {"txtCurPage", "txtNumOfAddress"}},
        {"AddressListItemClass", {"txtName", "txtAdd", "txtDistance"}, {}},
        {"AbAddressListScreenClass", {}, {"labelName", "txtAddr1Part1", "txtHomePhone"}},
        {"NearestObjectsListItemClass", {}, {"textName"}},
    };
    const QString hostValue = QStringLiteral("Berlin");
    for (const Shown &screen : screens) {
        BuiltForm built = buildForm(catalogued(screen.form), true);
        for (const char *name : screen.cleared)
            child<ZelTextBox>(built, name)->setContent(hostValue);
        for (const char *name : screen.kept)
            child<ZelTextBox>(built, name)->setContent(hostValue);
        catalogued(screen.form).form().retranslateUi(built.record(), built.root());
        for (const char *name : screen.cleared)
            EXPECT_TRUE(child<ZelTextBox>(built, name)->content().isEmpty()) << screen.form << "/" << name;
        for (const char *name : screen.kept)
            EXPECT_EQ(child<ZelTextBox>(built, name)->content(), hostValue) << screen.form << "/" << name;
    }
}

} // namespace
