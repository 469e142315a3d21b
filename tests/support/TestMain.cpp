// Test entry: a QApplication (offscreen under run_isolated.sh) around the
// GoogleTest run, so widget tests and plain tests share one main.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
