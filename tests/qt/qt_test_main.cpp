// The Qt tests need one application object for the whole run, the window
// program's own, and the design faces mapped as the window program maps them.
#include <gtest/gtest.h>

#include "qt/font_map.h"
#include "qt/guarded_application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    scanfee::qtview::GuardedApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    scanfee::qtview::install_font_substitutions();
    return RUN_ALL_TESTS();
}
