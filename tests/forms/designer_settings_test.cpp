// Settings of a row that Designer forms carry and no hand-written form uses
// yet: the form generator will write them, so they must mean what Designer
// means once the host shows the screen.

#include "core/construction/row.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using quarn::make;

TEST(DesignerSettings, CheckedBuddyFocusAndHiddenHoldOnceTheRootIsShown)
{
    QWidget root;
    QLineEdit *edit = nullptr;
    QLabel *label = nullptr;
    QPushButton *toggle = nullptr;
    QPushButton *plain = nullptr;
    QWidget *panel = nullptr;
    QLabel *inPanel = nullptr;
    make(edit, &root, "edit").at(10, 10, 100, 20).focusPolicy(Qt::ClickFocus);
    make(label, &root, "label").at(10, 40, 100, 20).buddy(edit);
    make(toggle, &root, "toggle").at(10, 70, 100, 20).checkable().checked();
    make(plain, &root, "plain").at(10, 100, 100, 20).checked();
    make(panel, &root, "panel").at(0, 130, 200, 50).hidden();
    make(inPanel, panel, "inPanel").at(0, 0, 100, 20);
    root.show();

    EXPECT_EQ(edit->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(label->buddy(), edit);
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_FALSE(plain->isChecked()) << "as in Designer, only a checkable button keeps its check";
    EXPECT_TRUE(label->isVisible());
    EXPECT_FALSE(panel->isVisible()) << "a hidden widget stays hidden when its root is shown";
    EXPECT_FALSE(inPanel->isVisible());
    EXPECT_TRUE(inPanel->isVisibleTo(panel)) << "its children are not hidden themselves";
}

} // namespace
