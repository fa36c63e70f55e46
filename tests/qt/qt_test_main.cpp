// The Qt tests need one application object for the whole run, and the
// design faces mapped as the window program maps them.
#include <gtest/gtest.h>

#include <QApplication>

#include "qt/font_map.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    scanfee::qtview::install_font_substitutions();
    return RUN_ALL_TESTS();
}
