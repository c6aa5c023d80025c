// One offscreen application for every window test in this binary.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/font_mapping.h"

static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    InitResources();
    marevisk::MapFormFonts();
    return RUN_ALL_TESTS();
}
