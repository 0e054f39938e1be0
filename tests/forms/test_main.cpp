#include <QApplication>
#include <gtest/gtest.h>

// Forms build widgets, so every test runs inside one application object.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
