// The entry of every Qt test program: one application for all its tests.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The widgets need no display: Qt's offscreen platform stands in for one
    // unless the caller chose another.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
