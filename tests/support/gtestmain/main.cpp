#include <QApplication>
#include <gtest/gtest.h>

// GoogleTest suites run inside a (headless) application, so Qt's I/O and widgets work.
int main(int argc, char **argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
