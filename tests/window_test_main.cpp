// One offscreen application for every window test in this binary.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/toolkit_setup.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    marevisk::PrepareToolkit();
    return RUN_ALL_TESTS();
}
